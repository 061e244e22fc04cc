#include <gmock/gmock.h>

#include "MacroPageFixture.h"
#include "gui/MacroInputDialog.h"

namespace veltrax::gui {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr int kA = 0x41;
const std::string A1 = KeyRow(true, "A", 0x04), A0 = KeyRow(false, "A", 0x04);

class MacroRowsTest : public MacroPageTest {
 protected:
  MacroRowsTest() {
    Macros().View().Library()->setFocus();
    MacroLibrary& library = window_->MacroStore().Library();
    library.Record(0).content = Stored(kMacro);
    library.Record(1).content = Stored({A1, DelayRow(96), A0, DelayRow(96), A1, DelayRow(96), A0, DelayRow(96)});
    EXPECT_TRUE(window_->MacroStore().Save());
    LeftClick(View().Library(), 0);
  }
  static MacroContent Stored(const std::vector<std::string>& rows) { return EncodeMacroRows({"10", rows}, 0).value(); }
  const std::vector<std::string> kMacro{A1, DelayRow(48), A0, XRow(5), RepeatStartRow(3), RepeatEndRow()};
  // Right click on a row and a choice of its context panel.
  void RowAction(int row, RowEntry entry) {
    RightClick(View().Rows(), row);
    ChooseEntry(View().RowMenu(), static_cast<int>(entry));
  }
  std::vector<uint8_t> StoredEvents() {
    const MacroContent content = Saved().Record(0).content;
    return {content.begin() + 2, content.begin() + 1 + content[1]};
  }
};

TEST_F(MacroRowsTest, RowsAreShownWithTheirTextsAndTheDelayModeOfTheMacro) {
  EXPECT_EQ(Lines(View().Rows()), QStringList({"A", "48 ms", "A", "X-Axis  5", "Rep-Start  3", "Rep-Stop"}));
  EXPECT_EQ(View().Rows()->SelectedLine(), 5);
  EXPECT_EQ(View().Rows()->RowHeight(), 20);
  // The delay mode follows the macro's first four delays.
  EXPECT_TRUE(View().DelayOption(DelayMode::Record)->On());
  EXPECT_TRUE(View().DelayField()->isReadOnly());
  LeftClick(View().Library(), 1);
  EXPECT_TRUE(View().DelayOption(DelayMode::Default)->On());
  EXPECT_FALSE(View().DelayOption(DelayMode::Record)->On());
  EXPECT_EQ(View().DelayField()->text(), "96");
  EXPECT_FALSE(View().DelayField()->isReadOnly());
}

TEST_F(MacroRowsTest, TheValueDialogsEditTheRowTheyWereOpenedFor) {
  struct Case {
    int row;
    const char* dialog;
    std::function<void(QLineEdit*)> input;
    std::string expected;
  };
  const Case cases[] = {
      {1, "Form6", [](QLineEdit* f) { QTest::keyClicks(f, "2041"); }, DelayRow(2040)},
      {0, "Form5", [](QLineEdit* f) { QTest::keyClick(f, Qt::Key_Z); }, KeyRow(true, "Z", 0x1D)},
      {3, "Form7", [](QLineEdit* f) { QTest::keyClicks(f, "-5"); }, XRow(-5)},
      {4, "Form7", [](QLineEdit* f) { QTest::keyClicks(f, "300"); }, RepeatStartRow(255)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    RowAction(c.row, RowEntry::Edit);
    MacroInputDialog* dialog = Macros().Dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), c.dialog);
    c.input(dialog->Field());
    ClickIn(dialog, "IB_OK");
    EXPECT_EQ(Rows().at(c.row), c.expected);
    EXPECT_EQ(View().Rows()->SelectedLine(), c.row);
    EXPECT_EQ(SavedRows(0).at(c.row), c.expected);
  }
  EXPECT_THAT(StoredEvents(), ElementsAre(0x82, 0x1D, 0xFE, 0xFF, 0x02, 0x04, 0xFB, 0xFB, 0xFD, 0xFE, 0xFC));
  EXPECT_TRUE(dialogs_->shown.empty());
}

TEST_F(MacroRowsTest, ValuesTheMacroCannotHoldAreRefusedWithWhy) {
  // Characters the field does not take are refused as typed.
  RowAction(4, RowEntry::Edit);
  QTest::keyClicks(Macros().Dialog()->Field(), "x0");
  EXPECT_EQ(Macros().Dialog()->Field()->text(), "0");
  ClickIn(Macros().Dialog(), "IB_OK");
  EXPECT_THAT(dialogs_->shown.back().text.toStdString(), HasSubstr("repeat count of 0"));
  RowAction(3, RowEntry::Edit);
  Answer("-");
  EXPECT_THAT(dialogs_->shown.back().text.toStdString(), HasSubstr("\"-\" alone is no number"));
  EXPECT_EQ(Saved().Record(0).content, Stored(kMacro));
  // Cancel empties the field and leaves the dialog; the cross closes it.
  RowAction(1, RowEntry::Edit);
  QPointer<MacroInputDialog> dialog = Macros().Dialog();
  QTest::keyClicks(dialog->Field(), "12");
  ClickIn(dialog, "IB_Cancel");
  EXPECT_TRUE(dialog->Field()->text().isEmpty());
  EXPECT_TRUE(dialog->isVisible());
  ClickIn(dialog, "IB_Close");
  EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
  // A repeat end has nothing to edit.
  RightClick(View().Rows(), 5);
  EXPECT_FALSE(View().RowMenu()->Rows()[static_cast<int>(RowEntry::Edit)].enabled);
}

TEST_F(MacroRowsTest, DeletingAKeyRowTakesItsPartner) {
  RowAction(2, RowEntry::Delete);
  EXPECT_EQ(Rows(), (std::vector<std::string>{DelayRow(48), XRow(5), RepeatStartRow(3), RepeatEndRow()}));
  EXPECT_EQ(View().Rows()->SelectedLine(), 0);
  EXPECT_EQ(Saved().Record(0).content, Stored(Rows()));
}

TEST_F(MacroRowsTest, TheInsertBoxPutsEachTypeBeforeOrAfterTheSelectedRow) {
  struct Case {
    InsertType type;
    const char* field;  // the field to type into, or null
    const char* text;
    int at;  // where the new row goes, with row 2 selected
    std::string row;
  };
  const Case cases[] = {
      {InsertType::DelayBack, "Edt_InsertDelay", "300", 3, DelayRow(300)},
      {InsertType::XFront, "edt_XAxisValue", "-5", 2, XRow(-5)},
      {InsertType::YBack, "edt_YAxisValue", "200", 3, YRow(127)},
      {InsertType::RepeatStart, "edt_Repeat", "10", 2, RepeatStartRow(10)},
      {InsertType::RepeatEnd, nullptr, "", 3, RepeatEndRow()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.type));
    const std::vector<std::string> before = Rows();
    RowAction(2, RowEntry::Insert);
    ASSERT_TRUE(View().Insert()->isVisible());
    EXPECT_FALSE(View().DelayBox()->isVisible());
    EXPECT_FALSE(View().Library()->isEnabled());
    EXPECT_FALSE(View().StartButton()->isEnabled());
    View().Insert()->TypeList()->setCurrentIndex(static_cast<int>(c.type));
    if (c.field) {
      auto* field = View().Insert()->findChild<QLineEdit*>(QString::fromLatin1(c.field));
      ASSERT_TRUE(field->isVisible());
      field->clear();
      QTest::keyClicks(field, c.text);
    }
    ClickIn(View().Insert(), "Btn_OK");
    EXPECT_FALSE(View().Insert()->isVisible());
    EXPECT_TRUE(View().DelayBox()->isVisible());
    std::vector<std::string> expected = before;
    expected.insert(expected.begin() + c.at, c.row);
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(Saved().Record(0).content, Stored(expected));
    EXPECT_TRUE(View().Library()->isEnabled());
  }
}

TEST_F(MacroRowsTest, AnInsertRecordingIsStoredByOkAndDroppedByCancel) {
  const std::vector<std::string> before = Rows();
  for (bool ok : {false, true}) {
    SCOPED_TRACE(ok);
    RowAction(0, RowEntry::Insert);
    View().Insert()->TypeList()->setCurrentIndex(static_cast<int>(InsertType::KeyBack));
    EXPECT_TRUE(View().Insert()->DelayOption(DelayMode::Record)->On());
    EXPECT_TRUE(View().Insert()->DelayField()->isReadOnly());
    ClickIn(View().Insert(), "IB_InsertNoDelay");
    ClickIn(View().Insert(), "Btn_InsertStart");
    ASSERT_TRUE(capture_->running);
    EXPECT_EQ(View().Insert()->StartButton()->Caption(), "Stop");
    EXPECT_FALSE(View().Insert()->TypeList()->isEnabled());
    capture_->Stroke(kA);
    EXPECT_EQ(Rows().at(1), A1);
    // OK and Cancel end the recording first.
    ClickIn(View().Insert(), ok ? "Btn_OK" : "Btn_Cancel");
    EXPECT_FALSE(capture_->running);
    EXPECT_EQ(View().Insert()->StartButton()->Caption(), "Record");
    std::vector<std::string> expected = before;
    if (ok) expected.insert(expected.begin() + 1, {A1, A0});
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(Saved().Record(0).content, Stored(expected));
  }
}

}  // namespace
}  // namespace veltrax::gui
