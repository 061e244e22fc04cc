#include <gmock/gmock.h>

#include "MacroPageFixture.h"
#include "gui/MacroInputDialog.h"
#include "image/FieldConversions.h"
#include "image/SectionChecks.h"

namespace veltrax::gui {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr int kA = 0x41, kB = 0x42, kC = 0x43, kEnter = 0x0D;
const std::string A1 = KeyRow(true, "A", 0x04), A0 = KeyRow(false, "A", 0x04);
const std::string B1 = KeyRow(true, "B", 0x05), B0 = KeyRow(false, "B", 0x05);
const std::string C1 = KeyRow(true, "C", 0x06), C0 = KeyRow(false, "C", 0x06);
const std::string Right1 = ButtonRow(true, MouseButton::Right), Right0 = ButtonRow(false, MouseButton::Right);

TEST_F(MacroPageTest, TheLibraryFileIsListedAndNewMacrosLandInIt) {
  EXPECT_EQ(Lines(View().Library()), QStringList({"Alpha", "Beta"}));
  EXPECT_EQ(View().Library()->RowHeight(), 28);
  EXPECT_FALSE(View().StartButton()->isEnabled());  // no macro chosen yet

  Click("Btn_New");
  ASSERT_NE(Macros().Dialog(), nullptr);
  EXPECT_EQ(Macros().Dialog()->objectName(), "Form3");
  EXPECT_EQ(Macros().Dialog()->windowTitle(), "Macro Name");
  EXPECT_TRUE(Macros().Dialog()->Field()->text().isEmpty());
  // The field takes 16 characters, and the name is stored whole.
  QTest::keyClicks(Macros().Dialog()->Field(), "Sixteen-and-more");
  QTest::keyClicks(Macros().Dialog()->Field(), "X");
  ClickIn(Macros().Dialog(), "IB_OK");
  EXPECT_EQ(Lines(View().Library()), QStringList({"Alpha", "Beta", "Sixteen-and-more"}));
  EXPECT_EQ(View().Library()->SelectedLine(), 2);
  EXPECT_EQ(Editor().Line(), 2);
  EXPECT_TRUE(View().StartButton()->isEnabled());
  EXPECT_EQ(Saved().Names(), (std::vector<std::string>{"Alpha", "Beta", "Sixteen-and-more"}));

  // A name that is listed already changes nothing and says why.
  const std::vector<uint8_t> before = ReadWholeFile(LibraryFile()).value();
  Click("Btn_New");
  Answer("Alpha");
  ASSERT_EQ(dialogs_->shown.size(), 1u);
  EXPECT_EQ(dialogs_->shown.back().text, "This macro already exists");
  EXPECT_EQ(ReadWholeFile(LibraryFile()).value(), before);
  EXPECT_EQ(View().Library()->count(), 3);
}

TEST_F(MacroPageTest, TheLibraryContextPanelRenamesAndDeletesTheLineUnderThePointer) {
  MenuPanelView* menu = View().LibraryMenu();
  RightClick(View().Library(), 1);
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(Editor().Line(), 1);  // the line right-clicked is the one shown
  QStringList entries;
  for (const MenuPanelView::Row& row : menu->Rows()) entries.append(row.caption);
  EXPECT_EQ(entries, QStringList({"New Macro", "Rename", "Delect Macro", "Import One", "Import All", "Export One",
                                  "Export All"}));
  ChooseEntry(menu, static_cast<int>(LibraryEntry::Rename));
  EXPECT_FALSE(menu->isVisible());
  Answer("Delta");
  EXPECT_EQ(Lines(View().Library()), QStringList({"Alpha", "Delta"}));
  EXPECT_EQ(Saved().Names(), (std::vector<std::string>{"Alpha", "Delta"}));
  // Renaming to its own name is refused like any listed name.
  RightClick(View().Library(), 1);
  ChooseEntry(menu, static_cast<int>(LibraryEntry::Rename));
  Answer("Delta");
  EXPECT_EQ(dialogs_->shown.back().text, "This macro already exists");

  RightClick(View().Library(), 0);
  ChooseEntry(menu, static_cast<int>(LibraryEntry::Delete));
  EXPECT_EQ(Lines(View().Library()), QStringList({"Delta"}));
  EXPECT_EQ(View().Library()->SelectedLine(), 0);
  EXPECT_EQ(Saved().Names(), std::vector<std::string>{"Delta"});
  EXPECT_EQ(Saved().Record(1), MacroRecord{});

  // Below the last line nothing is selected, and what needs a line cannot
  // be chosen.
  RightClick(View().Library(), -1);
  EXPECT_EQ(View().Library()->SelectedLine(), -1);
  for (LibraryEntry entry : {LibraryEntry::Rename, LibraryEntry::Delete, LibraryEntry::ExportOne}) {
    EXPECT_FALSE(menu->Rows()[static_cast<int>(entry)].enabled);
  }
  EXPECT_TRUE(menu->Rows()[static_cast<int>(LibraryEntry::New)].enabled);
  // Escape closes it, and the menu key opens it from the keyboard.
  QTest::keyClick(menu, Qt::Key_Escape);
  EXPECT_FALSE(menu->isVisible());
  View().Library()->setFocus();
  QTest::keyClick(View().Library(), Qt::Key_Menu);
  EXPECT_TRUE(menu->isVisible());
  // Its first entry is lit: Enter chooses it at once.
  QTest::keyClick(menu, Qt::Key_Return);
  EXPECT_FALSE(menu->isVisible());
  ASSERT_NE(Macros().Dialog(), nullptr);
}

TEST_F(MacroPageTest, TheArrowKeysShowTheMacrosOfTheList) {
  LeftClick(View().Library(), 0);
  EXPECT_EQ(Rows(), (std::vector<std::string>{A1, A0}));
  EXPECT_EQ(Lines(View().Rows()), QStringList({"A", "A"}));
  QTest::keyClick(View().Library(), Qt::Key_Down);
  EXPECT_EQ(Editor().Line(), 1);
  EXPECT_TRUE(Rows().empty());
}

TEST_F(MacroPageTest, MacroFilesGoThroughTheFileDialogs) {
  test::TempFolder files("veltrax-macrofiles");
  LeftClick(View().Library(), 0);
  dialogs_->nextFile = QString::fromStdString((files / "one").string());
  Macros().Btn_ExportOneClick();
  EXPECT_EQ(ReadWholeFile(files / "one.bin").value().size(), 256u);
  dialogs_->nextFile = QString::fromStdString((files / "all.bin").string());
  Macros().Btn_ExportClick();
  EXPECT_EQ(ReadWholeFile(files / "all.bin").value().size(), 25600u);
  EXPECT_THAT(dialogs_->filters, ElementsAre("SaveFile(*.bin)", "SaveFile(*.bin)"));

  // Import One appends a macro whose name is not listed, and refuses one
  // that is.
  Macros().Btn_DelPCMacroClick();
  dialogs_->nextFile = QString::fromStdString((files / "one.bin").string());
  Macros().Btn_ImportOneClick();
  EXPECT_EQ(Lines(View().Library()), QStringList({"Beta", "Alpha"}));
  EXPECT_EQ(View().Library()->SelectedLine(), 1);
  EXPECT_EQ(Rows(), (std::vector<std::string>{A1, A0}));
  EXPECT_EQ(dialogs_->filters.back(), "LoadFile(*.bin)");
  Macros().Btn_ImportOneClick();
  EXPECT_EQ(dialogs_->shown.back().text, "This macro already exists");
  EXPECT_EQ(View().Library()->count(), 2);

  // Import All takes the library file back; files of another kind are
  // refused with why, and not overwritten.
  dialogs_->nextFile = QString::fromStdString((files / "all.bin").string());
  Macros().Btn_ImportClick();
  EXPECT_EQ(Lines(View().Library()), QStringList({"Alpha", "Beta"}));
  EXPECT_EQ(Saved().Names(), (std::vector<std::string>{"Alpha", "Beta"}));
  // The library is listed anew: no macro stays selected without its rows.
  EXPECT_EQ(View().Library()->SelectedLine(), -1);
  EXPECT_EQ(Editor().Line(), -1);
  const std::vector<uint8_t> profile(2048, 0x99);
  ASSERT_TRUE(WriteFileAtomically(files / "profile.bin", profile));
  dialogs_->nextFile = QString::fromStdString((files / "profile.bin").string());
  Macros().Btn_ImportOneClick();
  EXPECT_THAT(dialogs_->shown.back().text.toStdString(), HasSubstr("not a macro file"));
  LeftClick(View().Library(), 0);
  Macros().Btn_ExportOneClick();
  EXPECT_THAT(dialogs_->shown.back().text.toStdString(), HasSubstr("it is left as it is"));
  EXPECT_EQ(ReadWholeFile(files / "profile.bin").value(), profile);
  dialogs_->nextFile = QString::fromStdString((files / "missing.bin").string());
  Macros().Btn_ImportClick();
  EXPECT_THAT(dialogs_->shown.back().text.toStdString(), HasSubstr("missing.bin"));
  EXPECT_EQ(Saved().Names(), (std::vector<std::string>{"Alpha", "Beta"}));
}

TEST_F(MacroPageTest, RecordingTakesTheCapturedInputWithEachDelayMode) {
  struct Case {
    DelayMode mode;
    const char* delayText;
    std::vector<std::string> rows;
  };
  const std::string d300 = DelayRow(300), d100 = DelayRow(100);
  const Case cases[] = {
      {DelayMode::Record, "", {B1, d300, B0, d300, C1, d300, C0, d300, Right1, Right0}},
      {DelayMode::Default, "100", {B1, d100, B0, d100, C1, d100, C0, d100, Right1, d100, Right0}},
      {DelayMode::None, "", {B1, B0, C1, C0, Right1, Right0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    LeftClick(View().Library(), 1);
    ClickIn(View().DelayBox(), c.mode == DelayMode::Record    ? "IB_RecDelay"
                               : c.mode == DelayMode::Default ? "IB_DelayTime"
                                                              : "IB_NoDelay");
    EXPECT_EQ(View().DelayField()->isReadOnly(), c.mode != DelayMode::Default);
    if (*c.delayText) {
      View().DelayField()->selectAll();
      QTest::keyClicks(View().DelayField(), c.delayText);
    }
    Click("Btn_Start");
    ASSERT_TRUE(capture_->running);
    EXPECT_EQ(View().StartButton()->Caption(), "Stop");
    EXPECT_EQ(View().StartButton()->PictureName(), "MacroS_04");
    EXPECT_FALSE(View().Library()->isEnabled());
    EXPECT_FALSE(View().NewButton()->isEnabled());
    for (int vk : {kB, kC}) {
      capture_->Key(vk, true);
      now_ += 300;
      capture_->Key(vk, false);
      now_ += 300;
    }
    capture_->Button(mouse_message::kRightDown);
    SettleMouse();
    capture_->Button(mouse_message::kRightUp);
    SettleMouse();
    // Rows are shown while they come in, the mouse's within moments.
    for (int i = 0; i < 100 && View().Rows()->count() < static_cast<int>(c.rows.size()); ++i) {
      QTest::qWait(MacroPage::kRowRefreshMs);
    }
    EXPECT_EQ(View().Rows()->count(), static_cast<int>(c.rows.size()));
    Click("Btn_Start");
    EXPECT_FALSE(capture_->running);
    EXPECT_EQ(View().StartButton()->Caption(), "Record");
    EXPECT_TRUE(View().Library()->isEnabled());
    EXPECT_EQ(Rows(), c.rows);
    EXPECT_EQ(Saved().Record(1).content, EncodeMacroRows({"10", c.rows}, 0).value());
  }
}

TEST_F(MacroPageTest, WhatStartsOrStopsARecordingIsNotRecorded) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  LeftClick(View().Library(), 1);
  ClickIn(View().DelayBox(), "IB_NoDelay");
  View().StartButton()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(View().StartButton(), Qt::Key_Return);
  ASSERT_TRUE(capture_->running);
  capture_->Key(kEnter, false);  // the release of the key that started it
  capture_->Stroke(kA);
  // A click on the Stop button, and Enter on it while it has the focus.
  Hover(View().StartButton(), true);
  capture_->Button(mouse_message::kLeftDown);
  capture_->Button(mouse_message::kLeftUp);
  SettleMouse();
  Hover(View().StartButton(), false);
  View().StartButton()->setFocus(Qt::TabFocusReason);
  capture_->Key(kEnter, true);
  QTest::keyClick(View().StartButton(), Qt::Key_Return);
  capture_->Key(kEnter, false);
  EXPECT_FALSE(capture_->running);
  EXPECT_EQ(Rows(), (std::vector<std::string>{A1, A0}));
}

TEST_F(MacroPageTest, AFullMacroEndsTheRecordingAndTheHintLineSaysWhy) {
  LeftClick(View().Library(), 1);
  ClickIn(View().DelayBox(), "IB_NoDelay");
  Click("Btn_Start");
  for (int i = 0; i < 55; ++i) capture_->Stroke(kA);
  EXPECT_TRUE(capture_->running);
  capture_->Key(kB, true);  // no room
  EXPECT_FALSE(capture_->running);
  EXPECT_EQ(View().StartButton()->Caption(), "Record");
  EXPECT_EQ(View().Rows()->count(), 110);
  EXPECT_EQ(SavedRows(1).size(), 110u);
  EXPECT_THAT(View().Hint()->text().toStdString(), HasSubstr("full"));
  // The next recording starts without the note.
  Click("Btn_Start");
  EXPECT_TRUE(View().Hint()->text().isEmpty());
}

TEST_F(MacroPageTest, WithoutDesktopCaptureTheHintLineSaysSoOnce) {
  auto capture = std::make_unique<FakeCapture>(false);
  FakeCapture* windowOnly = capture.get();
  Macros().SetCapture(std::move(capture));
  LeftClick(View().Library(), 1);
  EXPECT_TRUE(View().Hint()->text().isEmpty());
  for (int round = 0; round < 2; ++round) {
    Click("Btn_Start");
    ASSERT_TRUE(windowOnly->running);
    EXPECT_EQ(View().Hint()->text(),
              "Recording takes only the keys and clicks made in this window: this desktop does not let a program "
              "see the input of others.");
    Click("Btn_Start");
  }
  EXPECT_EQ(windowOnly->starts, 2);
}

TEST_F(MacroPageTest, TheWindowsOwnKeysAreRecordedWhereTheDesktopIsClosed) {
  Macros().SetCapture(MakeWindowCapture());
  LeftClick(View().Library(), 1);
  ClickIn(View().DelayBox(), "IB_NoDelay");
  Click("Btn_Start");
  QTest::keyClick(window_->windowHandle(), Qt::Key_B);
  Click("Btn_Start");  // the pointer is not over it: its click counts
  EXPECT_EQ(Rows(), (std::vector<std::string>{B1, B0, ButtonRow(true, MouseButton::Left), ButtonRow(false, MouseButton::Left)}));
}

TEST_F(MacroPageTest, TheKeyPagesListTheSameLibraryAndARecordedMacroReachesTheMouse) {
  Click("Btn_New");
  Answer("Gamma");
  ClickIn(View().DelayBox(), "IB_NoDelay");
  Click("Btn_Start");
  capture_->Stroke(kB);
  Click("Btn_Start");

  window_->PageButtonClick(Page::ModeA);
  Click("Key3");
  auto* main = window_->findChild<MenuPanelView*>(QStringLiteral("Pnl_Main"));
  constexpr int kBaseMacroRow = 6;
  QMouseEvent move(QEvent::MouseMove, main->EntryRect(kBaseMacroRow).center(),
                   main->mapToGlobal(main->EntryRect(kBaseMacroRow).center()), Qt::NoButton, Qt::NoButton, {});
  QCoreApplication::sendEvent(main, &move);
  auto* list = window_->findChild<MenuPanelView*>(QStringLiteral("LB_Name"));
  ASSERT_TRUE(list->isVisible());
  QStringList names;
  for (const MenuPanelView::Row& row : list->Rows()) names.append(row.caption);
  EXPECT_EQ(names, QStringList({"Alpha", "Beta", "Gamma"}));
  emit list->RowActivated(2);
  EXPECT_EQ(Button("Key3")->Caption(), "Gamma");

  Click("Btn_Apply_1");
  const auto& memory = mouse_.Memory();
  const MacroRecord slot1 = MacroRecord::FromBytes(std::span(memory).subspan(0x100, kMacroRecordSize));
  EXPECT_EQ(MacroNameText(slot1.name), "Gamma");
  EXPECT_EQ(DecodeMacroContent(slot1.content).rows.rows, (std::vector<std::string>{B1, B0}));
  ImageState onMouse;
  std::copy(memory.begin(), memory.end(), onMouse.workingImage.begin());
  ImageToDataBuf(onMouse);
  EXPECT_EQ(CodeText(onMouse.dataBuf.ButtonCode(KeyProfile::ModeA, 3)), "060121");
}

TEST_F(MacroPageTest, CaptionsFollowTheLanguageAndARecordingKeepsItsStop) {
  LeftClick(View().Library(), 0);
  Click("Btn_Start");
  window_->LanguageButtonClick(2);
  EXPECT_EQ(View().StartButton()->Caption(), QString::fromUtf8("停止記錄"));
  EXPECT_EQ(View().NewButton()->Caption(), QString::fromUtf8("新增巨集"));
  EXPECT_EQ(View().Insert()->TypeList()->itemText(0), QString::fromUtf8("在前方插入延遲"));
  EXPECT_EQ(View().Insert()->DelayOption(DelayMode::None)->Label()->Caption(), QString::fromUtf8("       無延遲"));
  EXPECT_EQ(View().RowMenu()->Rows()[0].caption, QString::fromUtf8("編輯"));
  EXPECT_TRUE(capture_->running);
  Click("Btn_Start");
  EXPECT_EQ(View().StartButton()->Caption(), QString::fromUtf8("開始記錄"));
  window_->LanguageButtonClick(3);
  EXPECT_EQ(View().StartButton()->Caption(), "Record");
}

}  // namespace
}  // namespace veltrax::gui
