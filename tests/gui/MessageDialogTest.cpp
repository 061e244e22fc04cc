#include "gui/MessageDialog.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
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

// The background's header strip ends at y 56: the application's title fills
// it, and the message lies between it and the OK button.
TEST(MessageDialog, TitleInTheHeaderStripTextBelowIt) {
  QGuiApplication::setApplicationDisplayName(QString::fromUtf8("KOVA7 遊戲滑鼠"));
  MessageDialog dialog(nullptr, "Please keep a Left Key", "Arial", Blank);
  auto* title = dialog.findChild<QLabel*>("lbl_MessageTitle");
  auto* text = dialog.findChild<QLabel*>("lbl_Message");
  auto* ok = dialog.findChild<SkinButton*>("Btn_OK");
  ASSERT_TRUE(title && text && ok);
  EXPECT_EQ(title->text(), QString::fromUtf8("KOVA7 遊戲滑鼠"));
  EXPECT_LE(title->geometry().bottom(), 56);
  EXPECT_GE(text->geometry().top(), 56);
  EXPECT_LT(text->geometry().bottom(), ok->geometry().top());
  EXPECT_TRUE(QRect(QPoint(0, 0), dialog.size()).contains(ok->geometry()));
}

// What keeps the mouse from being used, with the command that mends it:
// the dialog grows to show it all, and it can be copied.
TEST(MessageDialog, ALongMessageFitsAndCanBeCopied) {
  const QString text = QString("Waiting to reconnect device\n\n") + QString("word ").repeated(120);
  MessageDialog dialog(nullptr, text, "Arial", Blank);
  auto* label = dialog.findChild<QLabel*>("lbl_Message");
  auto* ok = dialog.findChild<SkinButton*>("Btn_OK");
  ASSERT_TRUE(label && ok);
  EXPECT_GT(dialog.height(), 200);
  EXPECT_GE(label->height(), label->heightForWidth(label->width()));
  EXPECT_LT(label->geometry().bottom(), ok->geometry().top());
  EXPECT_TRUE(QRect(QPoint(0, 0), dialog.size()).contains(ok->geometry()));
  EXPECT_TRUE(label->textInteractionFlags() & Qt::TextSelectableByMouse);
  MessageDialog shortOne(nullptr, "Fail", "Arial", Blank);
  EXPECT_EQ(shortOne.height(), 200);
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
