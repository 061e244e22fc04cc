#include "gui/MessageDialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTimer>

#include "gui/SkinButton.h"

namespace veltrax::gui {
namespace {

QPixmap Blank(const QString&) {
  QPixmap pixmap(110, 27);
  pixmap.fill(Qt::darkGray);
  return pixmap;
}

TEST(MessageDialog, OneOkButtonInTheLanguagesFont) {
  MessageDialog dialog(nullptr, "Fail", "Arial Narrow", Blank);
  EXPECT_TRUE(dialog.isModal());
  EXPECT_EQ(dialog.findChildren<SkinButton*>().size(), 1);
  auto* label = dialog.findChild<QLabel*>("lbl_Message");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "Fail");
  EXPECT_EQ(label->font().family(), "Arial Narrow");
}

TEST(MessageDialog, OkAndEnterCloseIt) {
  for (bool byKey : {false, true}) {
    MessageDialog dialog(nullptr, "Waiting to reconnect device", "Arial", Blank);
    QTimer::singleShot(0, &dialog, [&dialog, byKey] {
      if (byKey) {
        QTest::keyClick(&dialog, Qt::Key_Return);
      } else {
        auto* ok = dialog.findChild<SkinButton*>("Btn_OK");
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
      }
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  }
}

}  // namespace
}  // namespace veltrax::gui
