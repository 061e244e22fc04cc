#include "gui/VirtualKeys.h"

#include <gtest/gtest.h>

namespace veltrax::gui {
namespace {

TEST(VirtualKeys, QtKeysBecomeTheCataloguesVirtualKeys) {
  struct Case {
    int qtKey;
    bool keypad;
    quint32 keySym;
    int vk;
  };
  const Case cases[] = {
      {Qt::Key_Q, false, 0, 0x51},           {Qt::Key_0, false, 0, 0x30},
      {Qt::Key_0, true, 0, 0x60},            {Qt::Key_Plus, true, 0, 0x6B},
      {Qt::Key_Plus, false, 0, 0xBB},        {Qt::Key_Exclam, false, 0, 0x31},  // Shift+1
      {Qt::Key_F24, false, 0, 0x87},         {Qt::Key_Enter, true, 0, 0x0D},
      {Qt::Key_Shift, false, 0, 0x10},       {Qt::Key_Shift, false, 0xFFE2, 0xA1},
      {Qt::Key_Control, false, 0xFFE3, 0xA2}, {Qt::Key_Alt, false, 0xFFEA, 0xA5},
      {Qt::Key_Meta, false, 0, 0x5B},        {Qt::Key_Super_R, false, 0xFFEC, 0x5C},
      {Qt::Key_QuoteLeft, false, 0, 0xC0},   {Qt::Key_MediaTogglePlayPause, false, 0, 0xB3},
      {Qt::Key_Execute, false, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VirtualKeyOf(c.qtKey, c.keypad, c.keySym), c.vk) << std::hex << c.qtKey << " keypad " << c.keypad;
  }
}

}  // namespace
}  // namespace veltrax::gui
