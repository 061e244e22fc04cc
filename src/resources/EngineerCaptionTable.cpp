#include "resources/EngineerCaptionTable.h"

#include <array>

namespace veltrax {
namespace {

struct CaptionRow {
  std::string_view english;
  std::string_view chinese;  // Simplified Chinese
};

// Row i has id i; the unused middle column is empty for every row.
constexpr std::array<CaptionRow, kEngineerCaptionRows> kRows = {{
    {"Mode A", "模式A"},  // 0x00
    {"Mode B", "模式B"},  // 0x01
    {"Advanced", "高级设置"},  // 0x02
    {"Breathing Light", "呼吸灯"},  // 0x03
    {"Macro", "宏"},  // 0x04
    {"Engineer Mode", "工程模式"},  // 0x05
    {"Load", "载入"},  // 0x06
    {"Save", "保存"},  // 0x07
    {"Test Keys Position", "测试按键位置"},  // 0x08
    {"Default", "默认值"},  // 0x09
    {"Apply", "应用"},  // 0x0A
    {"Import Base Macro", "导入普通宏"},  // 0x0B
    {"Import Fire Macro", "导入压枪宏"},  // 0x0C
    {"Operation", "操作"},  // 0x0D
    {"Engineer", "工程"},  // 0x0E
    {"LED Type", "LED类型"},  // 0x0F
    {"Nor LED", "普通LED"},  // 0x10
    {"MCU LED", "MCU LED"},  // 0x11
    {"LED Status", "LED状态"},  // 0x12
    {"On", "开"},  // 0x13
    {"Off", "关"},  // 0x14
    {"LED Switch(M+CPI)", "LED开关(M+CPI)"},  // 0x15
    {"Fire Function", "压枪功能"},  // 0x16
    {"Fn+Left Key", "Fn+左键"},  // 0x17
    {"Left Key", "左键"},  // 0x18
    {"Fire Mode", "压枪模式"},  // 0x19
    {"Fire Count:", "连发次数："},  // 0x1A
    {"Fire Time:", "连发间隔："},  // 0x1B
    {"LED Mode(L+CPI)", "灯效模式(L+CPI)"},  // 0x1C
    {"MCU LED Ligth Mode", "MCU LED灯光模式"},  // 0x1D
    {"All Ligth", "全亮"},  // 0x1E
    {"Half Ligth", "半亮"},  // 0x1F
    {"Nor LED Mode", "普通LED模式"},  // 0x20
    {"CPI Breath", "CPI呼吸"},  // 0x21
    {"Nor LED Breath Setting", "普通LED呼吸设置"},  // 0x22
    {"Breath Step:", "呼吸步长："},  // 0x23
    {"Nor LED CPI Color Setting", "普通LED CPI颜色设置"},  // 0x24
    {"Red", "红色"},  // 0x25
    {"Green", "绿色"},  // 0x26
    {"Yellow", "黄色"},  // 0x27
    {"Blue", "蓝色"},  // 0x28
    {"Purple", "紫色"},  // 0x29
    {"Cyan", "青色"},  // 0x2A
    {"White", "白色"},  // 0x2B
    {"MCU LED CPI Color Setting", "MCU LED CPI颜色设置"},  // 0x2C
    {"Vendor ID:", "厂商ID："},  // 0x2D
    {"Product ID:", "产品ID："},  // 0x2E
    {"MCU LED Setting", "MCU LED设置"},  // 0x2F
    {"LED Number:", "LED数量："},  // 0x30
    {"Current Mode:", "当前模式："},  // 0x31
    {"Mode 1", "模式1"},  // 0x32
    {"Mode 2", "模式2"},  // 0x33
    {"Mode 3", "模式3"},  // 0x34
    {"Mode 4", "模式4"},  // 0x35
    {"Mode 5", "模式5"},  // 0x36
    {"Mode 6", "模式6"},  // 0x37
    {"Mode 7", "模式7"},  // 0x38
    {"LED Step:", "LED步长："},  // 0x39
    {"Key Mode Color Setting", "按键模式颜色设置"},  // 0x3A
    {"Mode1 R:", "模式1 红："},  // 0x3B
    {"Mode1 G:", "模式1 绿："},  // 0x3C
    {"Mode1 B::", "模式1 蓝："},  // 0x3D
    {"Mode2 R:", "模式2 红："},  // 0x3E
    {"Mode2 G:", "模式2 绿："},  // 0x3F
    {"Mode2 B:", "模式2 蓝："},  // 0x40
    {"Switch Key Mode", "切换按键模式"},  // 0x41
    {"Press Middle Key", "长按中键"},  // 0x42
    {"Press CPI Key", "长按CPI键"},  // 0x43
    {"Press Gun Key", "长按压枪键"},  // 0x44
    {"Is Save Key Mode", "是否保存按键模式"},  // 0x45
    {"Save", "保存"},  // 0x46
    {"No Save", "不保存"},  // 0x47
    {"Sensor Ori:", "传感器方向："},  // 0x48
    {"0°", "0°"},  // 0x49
    {"90°", "90°"},  // 0x4A
    {"180°", "180°"},  // 0x4B
    {"270°", "270°"},  // 0x4C
    {"X Reverse", "X反向"},  // 0x4D
    {"Y Reverse", "Y反向"},  // 0x4E
    {"XY Swap XY Reverse", "XY交换 XY反向"},  // 0x4F
    {"XY Swap XY NoReverse", "XY交换 XY不反向"},  // 0x50
    {"CPI", "CPI"},  // 0x51
    {"CPI Steps:", "CPI档数："},  // 0x52
    {"Current CPI:", "当前CPI："},  // 0x53
    {"CPI 1:", "CPI 1："},  // 0x54
    {"CPI 2:", "CPI 2："},  // 0x55
    {"CPI 3:", "CPI 3："},  // 0x56
    {"CPI 4:", "CPI 4："},  // 0x57
    {"CPI 5:", "CPI 5："},  // 0x58
    {"CPI 6:", "CPI 6："},  // 0x59
    {"CPI 7:", "CPI 7："},  // 0x5A
    {"AIM Key:", "狙击键："},  // 0x5B
    {"Key Mode:", "按键模式："},  // 0x5C
    {"Mode A", "模式A"},  // 0x5D
    {"Mode B", "模式B"},  // 0x5E
    {"Gun Parameter Setting", "压枪参数设置"},  // 0x5F
    {"Gun Start Index:", "压枪起始序号："},  // 0x60
    {"Gun Stop Index:", "压枪结束序号："},  // 0x61
    {"Add Gun", "添加压枪"},  // 0x62
    {"Delect Gun", "删除压枪"},  // 0x63
    {"MCU LED Mode Select", "MCU LED模式选择"},  // 0x64
    {"Fire Macro Color Setting", "压枪宏颜色设置"},  // 0x65
    {"Macro1 R:", "宏1 红："},  // 0x66
    {"Macro1 G:", "宏1 绿："},  // 0x67
    {"Macro1 B:", "宏1 蓝："},  // 0x68
    {"Macro2 R:", "宏2 红："},  // 0x69
    {"Macro2 G:", "宏2 绿："},  // 0x6A
    {"Macro2 B:", "宏2 蓝："},  // 0x6B
    {"Macro3 R:", "宏3 红："},  // 0x6C
    {"Macro3 G:", "宏3 绿："},  // 0x6D
    {"Macro3 B:", "宏3 蓝："},  // 0x6E
    {"Macro4 R:", "宏4 红："},  // 0x6F
    {"Macro4 G:", "宏4 绿："},  // 0x70
    {"Macro4 B:", "宏4 蓝："},  // 0x71
    {"Macro5 R:", "宏5 红："},  // 0x72
    {"Macro5 G:", "宏5 绿："},  // 0x73
    {"Macro5 B:", "宏5 蓝："},  // 0x74
    {"Macro6 R:", "宏6 红："},  // 0x75
    {"Macro6 G:", "宏6 绿："},  // 0x76
    {"Macro6 B:", "宏6 蓝："},  // 0x77
    {"Macro7 R:", "宏7 红："},  // 0x78
    {"Macro7 G:", "宏7 绿："},  // 0x79
    {"Macro7 B:", "宏7 蓝："},  // 0x7A
    {"Macro8 R:", "宏8 红："},  // 0x7B
    {"Macro8 G:", "宏8 绿："},  // 0x7C
    {"Macro8 B:", "宏8 蓝："},  // 0x7D
    {"Macro9 R:", "宏9 红："},  // 0x7E
    {"Macro9 G:", "宏9 绿："},  // 0x7F
    {"Macro9 B:", "宏9 蓝："},  // 0x80
    {"Macro10 R:", "宏10 红："},  // 0x81
    {"Macro10 G:", "宏10 绿："},  // 0x82
    {"Macro10 B:", "宏10 蓝："},  // 0x83
    {"Fire Macro Y Offset", "压枪宏Y偏移"},  // 0x84
    {"Macro1 Y Offset:", "宏1 Y偏移："},  // 0x85
    {"Macro2 Y Offset:", "宏2 Y偏移："},  // 0x86
    {"Macro3 Y Offset:", "宏3 Y偏移："},  // 0x87
    {"Macro4 Y Offset:", "宏4 Y偏移："},  // 0x88
    {"Macro5 Y Offset:", "宏5 Y偏移："},  // 0x89
    {"Macro6 Y Offset:", "宏6 Y偏移："},  // 0x8A
    {"Macro7 Y Offset:", "宏7 Y偏移："},  // 0x8B
    {"Macro8 Y Offset:", "宏8 Y偏移："},  // 0x8C
    {"Macro9 Y Offset:", "宏9 Y偏移："},  // 0x8D
    {"Macro10 Y Offset:", "宏10 Y偏移："},  // 0x8E
    {"Notes: ", "备注："},  // 0x8F
}};

}  // namespace

int EngineerCaptionColumnForLocale(std::string_view localeName) {
  // "zh_CN", "zh-CN", "zh_Hans_CN", with or without ".UTF-8" or "@..." after it.
  const size_t end = localeName.find_first_of(".@");
  const std::string_view name = localeName.substr(0, end);
  const bool china = name == "zh_CN" || name == "zh-CN" || name == "zh_Hans_CN" || name == "zh-Hans-CN";
  return china ? 2 : 0;
}

std::optional<std::string> EngineerCaption(int id, int column) {
  if (id < 0 || id >= kEngineerCaptionRows) return std::nullopt;
  switch (column) {
    case 0:
      return std::string(kRows[id].english);
    case 1:
      return std::string();
    case 2:
      return std::string(kRows[id].chinese);
    default:
      return std::nullopt;
  }
}

}  // namespace veltrax
