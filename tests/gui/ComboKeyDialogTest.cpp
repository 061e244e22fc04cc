#include "gui/ComboKeyDialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <optional>
#include <variant>
#include <vector>

#include "gui/SkinButton.h"
#include "resources/LanguageTable.h"
#include "resources/LayoutTable.h"
#include "resources/BuiltInTexts.h"

namespace veltrax::gui {
namespace {

QPixmap Blank(const QString& name) {
  QPixmap pixmap(name == "Msg" ? QSize(530, 200) : name.startsWith("ExitS") ? QSize(20, 20) : QSize(110, 27));
  pixmap.fill(Qt::darkGray);
  return pixmap;
}

// A key press in the text field, or a click on a modifier box.
struct Press {
  Qt::Key key;
  Qt::KeyboardModifiers held = {};
};
struct Box {
  const char* name;
};
using Step = std::variant<Press, Box>;

class ComboKeyDialogTest : public testing::Test {
 protected:
  ComboKeyDialogTest()
      : layout_(LoadLayout(1).value()),
        texts_(LoadLanguageTable(1)),
        dialog_(nullptr, layout_, texts_, "Arial", Blank) {
    dialog_.ShowOver(QRect(100, 50, 1030, 662));
    QObject::connect(&dialog_, &ComboKeyDialog::Confirmed, [this](const ComboResult& r) { confirmed_.push_back(r); });
  }

  QLineEdit* Field() { return dialog_.findChild<QLineEdit*>("Edt_Assembly"); }
  QCheckBox* BoxNamed(const char* name) { return dialog_.findChild<QCheckBox*>(name); }
  SkinButton* ButtonNamed(const char* name) { return dialog_.findChild<SkinButton*>(name); }
  void Run(const Step& step) {
    if (const auto* press = std::get_if<Press>(&step)) {
      // Sent as the keyboard would: QTest knows no text for keys such as
      // Launch0.
      QKeyEvent down(QEvent::KeyPress, press->key, press->held);
      QKeyEvent up(QEvent::KeyRelease, press->key, press->held);
      QCoreApplication::sendEvent(Field(), &down);
      QCoreApplication::sendEvent(Field(), &up);
    } else {
      QTest::mouseClick(BoxNamed(std::get<Box>(step).name), Qt::LeftButton, {}, QPoint(6, 6));
    }
  }
  void ClickButton(const char* name) {
    QTest::mouseClick(ButtonNamed(name), Qt::LeftButton, {}, ButtonNamed(name)->rect().center());
  }

  LayoutTable layout_;
  LanguageTable texts_;
  ComboKeyDialog dialog_;
  std::vector<ComboResult> confirmed_;
};

TEST_F(ComboKeyDialogTest, KeyPressesAndBoxesBuildTheCombination) {
  struct Case {
    const char* what;
    std::vector<Step> steps;
    const char* field;
    const char* code;
  };
  const Case cases[] = {
      {"boxes, then a key", {Box{"CB_Ctrl"}, Box{"CB_Shift"}, Press{Qt::Key_A}}, "Ctrl+Shift+A", "020304"},
      {"a second key replaces the first", {Press{Qt::Key_A}, Press{Qt::Key_B}}, "B", "020005"},
      {"Shift after a key takes it away", {Box{"CB_Alt"}, Press{Qt::Key_A}, Press{Qt::Key_Shift}}, "Alt", "020400"},
      {"a box unticked", {Box{"CB_Ctrl"}, Press{Qt::Key_A}, Box{"CB_Ctrl"}}, "A", "020004"},
      {"a function key alone", {Press{Qt::Key_F1}}, "F1", "02003A"},
      {"the Windows key is swallowed", {Press{Qt::Key_Meta}}, "", "020000"},
      {"Win only from its box", {Box{"CB_Win"}, Press{Qt::Key_Super_L}, Press{Qt::Key_D}}, "Win+D", "020807"},
      {"a held Ctrl swallows the key", {Press{Qt::Key_A, Qt::ControlModifier}}, "", "020000"},
      {"Enter is a key here", {Press{Qt::Key_Return}}, "Enter", "020028"},
      {"a key without usage keeps its name", {Press{Qt::Key_Launch0}}, "Launch_App1", "020000"},
      {"a key outside the catalogue", {Press{Qt::Key_Execute}}, "None", "020000"},
      {"the numeric pad", {Press{Qt::Key_5, Qt::KeypadModifier}}, "5 (numeric pad)", "02005D"},
      {"nothing at all", {}, "", "020000"},
  };
  for (const Case& c : cases) {
    ClickButton("IB_Cancel");
    for (const Step& step : c.steps) Run(step);
    EXPECT_EQ(Field()->text().toStdString(), c.field) << c.what;
    EXPECT_EQ(dialog_.State().Confirm().codeText, c.code) << c.what;
  }
}

TEST_F(ComboKeyDialogTest, ConfirmHandsBackTheCodeAndTextAndCloses) {
  Run(Box{"CB_Shift"});
  Run(Press{Qt::Key_Tab});  // moves the focus, takes no key
  EXPECT_EQ(Field()->text(), "Shift");
  Run(Press{Qt::Key_F5});
  ClickButton("IB_Confirm");
  ASSERT_EQ(confirmed_.size(), 1u);
  EXPECT_EQ(confirmed_[0].text, "Shift+F5");
  EXPECT_EQ(confirmed_[0].codeText, "02023E");
  EXPECT_FALSE(dialog_.isVisible());
  EXPECT_EQ(ButtonNamed("IB_Confirm")->PictureName(), "BtnS_03");
}

TEST_F(ComboKeyDialogTest, ClearStartsAgainAndStaysOpen) {
  Run(Box{"CB_Alt"});
  Run(Press{Qt::Key_Z});
  ClickButton("IB_Cancel");
  EXPECT_TRUE(dialog_.isVisible());
  EXPECT_EQ(Field()->text(), "");
  EXPECT_FALSE(BoxNamed("CB_Alt")->isChecked());
  EXPECT_EQ(dialog_.State().Confirm().codeText, "020000");
  Run(Press{Qt::Key_B});
  EXPECT_EQ(Field()->text(), "B");
}

TEST_F(ComboKeyDialogTest, TheCrossAndEscapeCloseWithoutAResult) {
  ClickButton("IB_Close");
  EXPECT_FALSE(dialog_.isVisible());
  EXPECT_EQ(ButtonNamed("IB_Close")->PictureName(), "ExitS_03");
  for (QWidget* focus : std::initializer_list<QWidget*>{Field(), BoxNamed("CB_Win")}) {
    dialog_.ShowOver(QRect(100, 50, 1030, 662));
    Run(Press{Qt::Key_A});
    QTest::keyClick(focus, Qt::Key_Escape);
    EXPECT_FALSE(dialog_.isVisible()) << focus->objectName().toStdString();
  }
  EXPECT_TRUE(confirmed_.empty());
}

TEST_F(ComboKeyDialogTest, LaidOutFromGroupKOverTheMainWindow) {
  EXPECT_EQ(dialog_.pos(), QPoint(100 + 250, 50 + 231 + 40));
  EXPECT_EQ(dialog_.size(), QSize(530, 200));
  EXPECT_EQ(dialog_.findChild<QLabel*>("lbl_Assembly")->text(), "Assembly Key");
  EXPECT_EQ(dialog_.findChild<QLabel*>("lbl_Assembly")->pos(), QPoint(18, 25));
  EXPECT_EQ(Field()->geometry().topLeft(), QPoint(128, 68));
  EXPECT_EQ(Field()->width(), 240);
  EXPECT_EQ(Field()->font().pixelSize(), 16);  // Size_K + 3 points
  struct Place {
    const char* name;
    QPoint at;
  };
  for (const Place& p : {Place{"CB_Ctrl", {128, 96}}, Place{"CB_Shift", {190, 96}}, Place{"CB_Alt", {256, 96}},
                         Place{"CB_Win", {320, 96}}}) {
    EXPECT_EQ(BoxNamed(p.name)->pos(), p.at) << p.name;
  }
  EXPECT_EQ(ButtonNamed("IB_Confirm")->pos(), QPoint(128, 134));
  EXPECT_EQ(ButtonNamed("IB_Confirm")->Caption(), "Confirm");
  EXPECT_EQ(ButtonNamed("IB_Cancel")->pos(), QPoint(270, 134));
  EXPECT_EQ(ButtonNamed("IB_Cancel")->Caption(), "Clear");
  EXPECT_EQ(ButtonNamed("IB_Close")->pos(), QPoint(470, 12));
  EXPECT_EQ(ButtonNamed("IB_Close")->PictureName(), "ExitS_01");
}

}  // namespace
}  // namespace veltrax::gui
