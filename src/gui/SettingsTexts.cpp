#include "gui/SettingsTexts.h"

namespace veltrax::gui {

namespace {

SettingsTexts English(const QString& dpi) {
  return {
      dpi + QStringLiteral(" %1"),
      QStringLiteral("Tick a level to make it the current one; click a bar segment to set its %1; click a level's "
                     "name to add or remove it.")
          .arg(dpi),
      QStringLiteral("Choose the number of levels above; tick a level to make it the current one; click a bar "
                     "segment to set its %1.")
          .arg(dpi),
      QStringLiteral("Click a swatch to choose the colour the mouse shows in each key mode."),
      QStringLiteral("Speed, precision, double-click: the desktop's settings. Scrolling: kept by this program."),
      QStringLiteral("This desktop has no pointer settings: this program keeps them."),
      QStringLiteral("Kept in %1"),
      QStringLiteral("The smart LED has no light effects: it breathes in the colour of each %1 level.").arg(dpi),
      QStringLiteral("MCU LED only"),
  };
}

SettingsTexts TraditionalChinese() {
  return {
      QStringLiteral("DPI %1"),
      QString::fromUtf8("勾選一個段位設為目前段位；按一下刻度即可設定該段的 DPI；按一下段位名稱可增加或移除段位。"),
      QString::fromUtf8("在上方選擇段數；勾選一個段位設為目前段位；按一下刻度即可設定該段的 DPI。"),
      QString::fromUtf8("按一下色塊，選擇滑鼠在各按鍵模式下顯示的顏色。"),
      QString::fromUtf8("速度、準確度、按兩下：桌面設定。捲動：由本程式保存。"),
      QString::fromUtf8("此桌面沒有指標設定：由本程式保存。"),
      QString::fromUtf8("保存於 %1"),
      QString::fromUtf8("智控燈沒有燈光效果：它以各 DPI 段位的顏色呼吸。"),
      QString::fromUtf8("僅限流光燈"),
  };
}

}  // namespace

const SettingsTexts& SettingsTextsOf(int language) {
  static const SettingsTexts first = English(QStringLiteral("DPI"));
  static const SettingsTexts second = TraditionalChinese();
  static const SettingsTexts third = English(QStringLiteral("CPI"));
  return language == 2 ? second : language == 3 ? third : first;
}

}  // namespace veltrax::gui
