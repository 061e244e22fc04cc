#include "macro/MacroEditor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "base/FileIo.h"
#include "common/TempFolder.h"
#include "macro/MacroCodec.h"

namespace veltrax {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

MATCHER_P2(StartsWith2, first, second, "") { return arg.size() >= 2 && arg[0] == first && arg[1] == second; }

std::vector<uint8_t> Events(const MacroContent& c) {
  if (c[1] == 0) return {};
  return std::vector<uint8_t>(c.begin() + 2, c.begin() + 1 + c[1]);
}

class MacroEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto store = MacroLibraryStore::Open(folder_ / "VELTRAX-Macro.bin", folder_);
    ASSERT_TRUE(store);
    store_.emplace(std::move(store).value());
    ASSERT_TRUE(store_->ApplyMacroName(PendingName::NewMacro, -1, "M", texts_).changed);
    editor_.emplace(*store_, texts_, [this] { return now_.load(); });
  }

  // Stores rows as macro 0 and shows it with row `select` selected.
  void Show(std::vector<std::string> rows, int select) {
    store_->Library().Record(0).content = EncodeMacroRows({"10", std::move(rows)}, 0).value();
    editor_->ShowMacro(0);
    editor_->SelectRow(select);
  }
  std::vector<std::string> Rows() const { return editor_->Rows().rows; }
  std::vector<uint8_t> Stored() const { return Events(store_->Library().Record(0).content); }
  // What the library file holds for macro 0.
  std::vector<uint8_t> Saved() const {
    auto bytes = ReadWholeFile(folder_ / "VELTRAX-Macro.bin").value();
    return Events(MacroRecord::FromBytes(bytes).content);
  }

  const std::string A1 = KeyRow(true, "A", 0x04), A0 = KeyRow(false, "A", 0x04);
  const std::string B1 = KeyRow(true, "B", 0x05), B0 = KeyRow(false, "B", 0x05);
  MapTextTable texts_{{{"Str103", "Macro bin length out of range"}, {"Str106", "This macro already exists"}}};
  test::TempFolder temp_{"veltrax-editor"};  // goes last, after the editor and the store
  const std::filesystem::path folder_ = temp_.path();
  std::optional<MacroLibraryStore> store_;
  std::atomic<int64_t> now_ = 1000;
  std::optional<MacroEditor> editor_;
};

TEST_F(MacroEditorTest, ShowingAMacroSelectsItsLastRowAndItsDelayMode) {
  Show({A1, DelayRow(48), A0, DelayRow(48), B1, DelayRow(48), B0, DelayRow(48)}, 0);
  editor_->ShowMacro(0);
  EXPECT_EQ(editor_->SelectedRow(), 7);
  EXPECT_EQ(editor_->PageDelayMode(), DelayMode::Default);
  EXPECT_EQ(editor_->DefaultDelayText(), "48");
  store_->Library().Record(0).content[1] = 0xFF;
  editor_->ShowMacro(0);
  EXPECT_TRUE(editor_->Rows().empty());
}

TEST_F(MacroEditorTest, DeletingAKeyRowTakesItsPartnerOfTheSameName) {
  struct Case {
    std::vector<std::string> rows;
    int selected;
    std::vector<std::string> after;
    int selectedAfter;
  };
  const Case cases[] = {
      {{DelayRow(8), A1, B1, A0, B0}, 1, {DelayRow(8), B1, B0}, 0},  // press: its release goes too
      {{A1, B1, B0}, 0, {B1, B0}, 0},                                // a press with no later A stays alone
      {{A1, A0, B1}, 1, {B1}, 0},                                    // release at 1 with its press at 0
      {{B1, B0, A0}, 2, {B1, B0}, 1},                                // a release with no earlier A
      {{RepeatStartRow(3), A1, RepeatEndRow()}, 0, {A1, RepeatEndRow()}, 0},
  };
  for (const Case& c : cases) {
    Show(c.rows, c.selected);
    EXPECT_TRUE(editor_->DeleteRow().changed);
    EXPECT_EQ(Rows(), c.after);
    EXPECT_EQ(editor_->SelectedRow(), c.selectedAfter);
    EXPECT_EQ(Saved(), EncodeRowEvents(c.after));
  }
}

TEST_F(MacroEditorTest, InsertedRowsGoBeforeOrAfterTheSelectedRow) {
  Show({A1, A0, B1, B0}, 2);
  ASSERT_TRUE(editor_->OpenInsertPanel(0));
  editor_->SetInsertType(InsertType::DelayBack);
  editor_->Fields().delay = "300";
  EXPECT_TRUE(editor_->InsertOk().changed);
  EXPECT_FALSE(editor_->InsertPanelOpen());
  EXPECT_EQ(Rows()[3], DelayRow(300));
  EXPECT_EQ(editor_->SelectedRow(), 3);
  EXPECT_THAT(Saved(), ElementsAre(0x82, 0x04, 0x02, 0x04, 0x82, 0x05, 0xFE, 0x25, 0x02, 0x05));

  editor_->SelectRow(0);
  ASSERT_TRUE(editor_->OpenInsertPanel(0));
  editor_->SetInsertType(InsertType::XFront);
  editor_->Fields().x = "-5";
  EXPECT_TRUE(editor_->InsertOk().changed);
  EXPECT_EQ(Rows()[0], "4 FBFB");
  EXPECT_EQ(ShownText(Rows()[0]), "X-Axis  -5");
  EXPECT_THAT(Stored(), StartsWith2(0xFB, 0xFB));
}

TEST_F(MacroEditorTest, RepeatBlocksAreInsertedAroundTheSelectedRow) {
  Show({A1, A0}, 1);
  ASSERT_TRUE(editor_->OpenInsertPanel(0));
  editor_->SetInsertType(InsertType::RepeatStart);
  EXPECT_TRUE(editor_->InsertOk().changed);  // the count field starts at 10
  EXPECT_EQ(editor_->SelectedRow(), 1);
  ASSERT_TRUE(editor_->OpenInsertPanel(0));
  editor_->SetInsertType(InsertType::RepeatEnd);
  EXPECT_TRUE(editor_->InsertOk().changed);
  EXPECT_EQ(editor_->SelectedRow(), 2);
  EXPECT_THAT(Stored(), ElementsAre(0x82, 0x04, 0xFD, 0x09, 0xFC, 0x02, 0x04));
}

TEST_F(MacroEditorTest, ValuesThatCannotBeStoredLeaveThePanelOpenAndTheMacroUnchanged) {
  Show({A1, A0}, 0);
  const auto before = Stored();
  ASSERT_TRUE(editor_->OpenInsertPanel(0));
  editor_->SetInsertType(InsertType::RepeatStart);
  editor_->Fields().repeat = "0";
  EditorOutcome zero = editor_->InsertOk();
  EXPECT_FALSE(zero.changed);
  EXPECT_THAT(zero.message, HasSubstr("repeat count of 0"));
  editor_->SetInsertType(InsertType::YBack);
  editor_->Fields().y = "-";
  EditorOutcome minus = editor_->InsertOk();
  EXPECT_FALSE(minus.changed);
  EXPECT_THAT(minus.message, HasSubstr("\"-\" alone is no number"));
  EXPECT_TRUE(editor_->InsertPanelOpen());
  EXPECT_EQ(Stored(), before);

  editor_->InsertCancel();
  auto repeat = (Show({RepeatStartRow(4), A1, RepeatEndRow()}, 0), editor_->BeginEdit());
  ASSERT_TRUE(repeat);
  EditorOutcome editZero = editor_->ConfirmValue(*repeat, "0");
  EXPECT_FALSE(editZero.changed);
  EXPECT_THAT(editZero.message, HasSubstr("repeat count of 0"));
  EXPECT_EQ(Rows()[0], RepeatStartRow(4));
  Show({XRow(3)}, 0);
  auto x = editor_->BeginEdit();
  ASSERT_TRUE(x);
  EditorOutcome editMinus = editor_->ConfirmValue(*x, "-");
  EXPECT_FALSE(editMinus.changed);
  EXPECT_THAT(editMinus.message, HasSubstr("\"-\" alone is no number"));
  EXPECT_EQ(Rows()[0], XRow(3));
}

// A dialog confirmed after the rows changed edits the row it was opened
// for, wherever that row is now, and nothing when the row is gone.
TEST_F(MacroEditorTest, ALateEditAppliesToItsRowOrIsRefusedWhenItIsGone) {
  Show({A1, DelayRow(8), A0}, 0);
  auto key = editor_->BeginEdit();
  ASSERT_TRUE(key);
  ASSERT_TRUE(editor_->OpenInsertPanel(0));
  editor_->Fields().delay = "16";
  ASSERT_TRUE(editor_->InsertOk().changed);  // a delay row now takes row 0
  EXPECT_TRUE(editor_->ConfirmKey(*key, "B", 0x05).changed);
  EXPECT_EQ(Rows(), (std::vector<std::string>{DelayRow(16), B1, DelayRow(8), A0}));

  editor_->SelectRow(1);
  ASSERT_TRUE(editor_->DeleteRow().changed);
  const auto before = Stored();
  EditorOutcome gone = editor_->ConfirmKey(*key, "C", 0x06);
  EXPECT_FALSE(gone.changed);
  EXPECT_THAT(gone.message, HasSubstr("no longer in the macro"));
  EXPECT_EQ(Rows(), (std::vector<std::string>{DelayRow(16), DelayRow(8), A0}));
  EXPECT_EQ(Stored(), before);
}

// OK of a second insert recording stores what both recorded: the budget of
// the second counts the rows the first added and that are not stored yet.
TEST_F(MacroEditorTest, ASecondInsertRecordingCountsTheRowsNotYetStored) {
  std::vector<std::string> rows;
  for (int i = 0; i < 45; ++i) rows.insert(rows.end(), {A1, A0});  // 180 bytes
  Show(rows, 0);
  ASSERT_TRUE(editor_->OpenInsertPanel(0));
  editor_->SetInsertType(InsertType::KeyBack);
  editor_->Fields().delayMode = DelayMode::None;
  for (int recording = 0; recording < 2; ++recording) {
    ASSERT_TRUE(editor_->StartInsertRecording());
    for (int i = 0; i < 9; ++i) {
      editor_->KeyboardHook1Receive('B', KeyEventType::Pressed);
      editor_->KeyboardHook1Receive('B', KeyEventType::Released);
    }
    editor_->StopInsertRecording();
  }
  EditorOutcome ok = editor_->InsertOk();
  EXPECT_TRUE(ok.changed) << ok.message;
  EXPECT_EQ(Saved().size(), 216u);
  EXPECT_EQ(Rows().size(), 108u);
}

// The worker appends rows while the page reads them: the editor hands out
// copies taken under the recorder's lock.
TEST_F(MacroEditorTest, TheRowsCanBeReadWhileARecordingAppendsToThem) {
  editor_->ShowMacro(0);
  editor_->SetPageDelayMode(DelayMode::None);
  ASSERT_TRUE(editor_->StartRecording());
  std::atomic<bool> done = false;
  std::thread mouse([&] {
    for (int i = 0; i < 40; ++i) {
      for (auto [message, flag] : {std::pair(mouse_message::kRightDown, MouseFlag::RightDown),
                                   std::pair(mouse_message::kRightUp, MouseFlag::RightUp)}) {
        editor_->Recorder().MouseHookProc(message);
        while (editor_->Recorder().MouseEventPending(flag)) std::this_thread::yield();
      }
    }
    done = true;
  });
  size_t seen = 0;
  while (!done) {
    const MacroRowList shown = editor_->Rows();
    EXPECT_GE(shown.rows.size(), seen);
    seen = shown.rows.size();
    EXPECT_LE(editor_->SelectedRow(), 79);
  }
  mouse.join();
  EXPECT_TRUE(editor_->StopRecording().changed);
  EXPECT_EQ(Rows().size(), 80u);
  EXPECT_EQ(Saved().size(), 80u);
}

TEST_F(MacroEditorTest, AContentIsNeverFilledPastTwoHundredTwentyOneEventBytes) {
  std::vector<std::string> rows;
  for (int i = 0; i < 55; ++i) rows.insert(rows.end(), {A1, A0});
  rows.push_back(ButtonRow(true, MouseButton::Left));  // 221 bytes
  Show(rows, 0);
  const auto before = Stored();
  ASSERT_TRUE(editor_->OpenInsertPanel(0));
  EditorOutcome refused = editor_->InsertOk();  // a delay row of two more bytes
  EXPECT_FALSE(refused.changed);
  EXPECT_EQ(refused.message, "Macro bin length out of range");
  EXPECT_EQ(Rows(), rows);
  EXPECT_EQ(Stored(), before);
  editor_->InsertCancel();

  editor_->SelectRow(110);  // the one-byte button row, edited into a two-byte key row
  auto edit = editor_->BeginEdit();
  ASSERT_TRUE(edit);
  EditorOutcome grown = editor_->ConfirmKey(*edit, "B", 0x05);
  EXPECT_FALSE(grown.changed);
  EXPECT_EQ(grown.message, "Macro bin length out of range");
  EXPECT_EQ(Rows(), rows);
  EXPECT_EQ(Stored(), before);
}

TEST_F(MacroEditorTest, EditsReplaceTheRowInPlace) {
  Show({DelayRow(8), ModifierRow(true, "Ctrl", 0x01), XRow(1), RepeatStartRow(2)}, 0);
  auto delay = editor_->BeginEdit();
  ASSERT_TRUE(delay);
  EXPECT_EQ(delay->dialog, EditDialog::Delay);
  EXPECT_TRUE(editor_->ConfirmDelay(*delay, "2041").changed);
  EXPECT_EQ(Rows()[0], DelayRow(2040));
  EXPECT_TRUE(editor_->ConfirmDelay(*delay, "0").changed);
  EXPECT_THAT(Stored(), StartsWith2(0xFE, 0x00));

  editor_->SelectRow(1);
  auto key = editor_->BeginEdit();
  ASSERT_TRUE(key);
  EXPECT_EQ(key->type, 1);
  EXPECT_TRUE(editor_->ConfirmKey(*key, "A", 0x04).changed);
  EXPECT_EQ(Rows()[1], A1);
  EXPECT_EQ(editor_->SelectedRow(), 1);

  editor_->SelectRow(3);
  auto repeat = editor_->BeginEdit();
  ASSERT_TRUE(repeat);
  EXPECT_TRUE(editor_->ConfirmValue(*repeat, "10").changed);
  EXPECT_THAT(Stored(), ElementsAre(0xFE, 0x00, 0x82, 0x04, 0xFB, 0x01, 0xFD, 0x09));
}

TEST_F(MacroEditorTest, CancelAfterAnInsertRecordingShowsTheMacroAsItWas) {
  Show({A1, A0, B1, B0, DelayRow(8)}, 3);
  ASSERT_TRUE(editor_->OpenInsertPanel(2));
  editor_->SetInsertType(InsertType::KeyFront);
  editor_->Fields().delayMode = DelayMode::None;
  ASSERT_TRUE(editor_->StartInsertRecording());
  editor_->KeyboardHook1Receive('A', KeyEventType::Pressed);
  editor_->KeyboardHook1Receive('A', KeyEventType::Released);
  editor_->StopInsertRecording();
  EXPECT_EQ(Rows(), (std::vector<std::string>{A1, A0, B1, A1, A0, B0, DelayRow(8)}));
  EXPECT_EQ(editor_->InsertCancel(), 2);
  EXPECT_EQ(Rows(), (std::vector<std::string>{A1, A0, B1, B0, DelayRow(8)}));
  EXPECT_EQ(editor_->SelectedRow(), 3);
}

TEST_F(MacroEditorTest, InsertOkStopsARecordingAndStoresItsRows) {
  Show({A1, A0}, 1);
  ASSERT_TRUE(editor_->OpenInsertPanel(0));
  editor_->SetInsertType(InsertType::KeyBack);
  ASSERT_TRUE(editor_->StartInsertRecording());
  editor_->KeyboardHook1Receive('B', KeyEventType::Pressed);
  now_ += 100;
  editor_->KeyboardHook1Receive('B', KeyEventType::Released);
  EXPECT_TRUE(editor_->InsertOk().changed);
  EXPECT_FALSE(editor_->Recorder().Recording());
  EXPECT_THAT(Saved(), ElementsAre(0x82, 0x04, 0x02, 0x04, 0x82, 0x05, 0xFE, 0x0C, 0x02, 0x05));
}

TEST_F(MacroEditorTest, AWholeRecordingReplacesTheRowsAndIsSavedWhenStopped) {
  Show({A1, A0}, 1);
  editor_->SetPageDelayMode(DelayMode::Default);
  editor_->SetDefaultDelayText("50");
  ASSERT_TRUE(editor_->StartRecording());
  editor_->KeyboardHook1Receive('B', KeyEventType::Pressed);
  editor_->KeyboardHook1Receive('B', KeyEventType::Released);
  EXPECT_TRUE(editor_->StopRecording().changed);
  EXPECT_EQ(editor_->Rows().header, "0150");
  EXPECT_EQ(Rows(), (std::vector<std::string>{B1, DelayRow(50), B0}));
  EXPECT_THAT(Saved(), ElementsAre(0x82, 0x05, 0xFE, 0x06, 0x02, 0x05));
}

TEST_F(MacroEditorTest, AReleaseAtTheLimitEndsAWholeRecordingAndSavesIt) {
  editor_->ShowMacro(0);
  editor_->SetPageDelayMode(DelayMode::None);
  ASSERT_TRUE(editor_->StartRecording());
  editor_->KeyboardHook1Receive('B', KeyEventType::Pressed);
  for (int i = 0; i < 54; ++i) {
    editor_->KeyboardHook1Receive('A', KeyEventType::Pressed);
    editor_->KeyboardHook1Receive('A', KeyEventType::Released);
  }
  editor_->KeyboardHook1Receive('B', KeyEventType::Released);
  EXPECT_TRUE(editor_->KeyboardHook1Receive('A', KeyEventType::Released).changed);
  EXPECT_FALSE(editor_->Recorder().Recording());
  EXPECT_EQ(Saved().size(), 220u);
}

TEST_F(MacroEditorTest, ARecordingWhoseBudgetIsUsedUpEndsAndIsStored) {
  editor_->ShowMacro(0);
  editor_->SetPageDelayMode(DelayMode::None);
  ASSERT_TRUE(editor_->StartRecording());
  for (int i = 0; i < 55; ++i) {
    editor_->KeyboardHook1Receive('A', KeyEventType::Pressed);
    editor_->KeyboardHook1Receive('A', KeyEventType::Released);
  }
  EXPECT_FALSE(editor_->EndIfFull());  // full, but nothing was refused yet
  editor_->KeyboardHook1Receive('B', KeyEventType::Pressed);
  const std::optional<EditorOutcome> ended = editor_->EndIfFull();
  ASSERT_TRUE(ended);
  EXPECT_TRUE(ended->changed);
  EXPECT_FALSE(editor_->Recorder().Recording());
  EXPECT_EQ(Saved().size(), 220u);
  EXPECT_FALSE(editor_->EndIfFull());

  // An insert recording keeps its rows for OK.
  Show({A1, A0}, 1);
  editor_->OpenInsertPanel(0);
  editor_->SetInsertType(InsertType::KeyBack);
  editor_->Fields().delayMode = DelayMode::None;
  ASSERT_TRUE(editor_->StartInsertRecording());
  while (!editor_->Recorder().LimitReached()) {
    editor_->KeyboardHook1Receive('B', KeyEventType::Pressed);
    editor_->KeyboardHook1Receive('B', KeyEventType::Released);
  }
  const std::optional<EditorOutcome> insertEnded = editor_->EndIfFull();
  ASSERT_TRUE(insertEnded);
  EXPECT_FALSE(insertEnded->changed);
  EXPECT_FALSE(editor_->Recorder().Recording());
  EXPECT_THAT(Stored(), ElementsAre(0x82, 0x04, 0x02, 0x04));
  EXPECT_TRUE(editor_->InsertOk().changed);
  // The budget started at the length byte 5: 53 strokes of B were taken.
  EXPECT_EQ(Stored().size(), 4u + 53 * 4);
}

TEST_F(MacroEditorTest, AnEditAfterAnotherProgramSavedTheLibraryShowsTheFilesMacro) {
  Show({A1, A0}, 0);
  MacroLibrary other = store_->Library();
  other.Record(0).content = EncodeMacroRows({"10", {B1, B0, A1, A0}}, 0).value();
  ASSERT_TRUE(WriteFileAtomically(folder_ / "VELTRAX-Macro.bin", other.ToBytes()));
  const EditorOutcome outcome = editor_->DeleteRow();
  EXPECT_TRUE(outcome.reloaded);
  EXPECT_THAT(outcome.message, HasSubstr("changed on disk"));
  EXPECT_EQ(Rows(), (std::vector<std::string>{B1, B0, A1, A0}));
  EXPECT_EQ(editor_->SelectedRow(), 3);
  EXPECT_THAT(Saved(), ElementsAre(0x82, 0x05, 0x02, 0x05, 0x82, 0x04, 0x02, 0x04));
}

TEST_F(MacroEditorTest, APlayModeChoiceIsStoredWithTheMacroShown) {
  Show({A1, A0}, 0);
  EXPECT_TRUE(editor_->ChangePlayMode(kReleaseForStop).changed);
  EXPECT_EQ(store_->Library().Record(0).content[0], kReleaseForStop);
  EXPECT_EQ(ReadWholeFile(folder_ / "VELTRAX-Macro.bin").value()[32], kReleaseForStop);
  // With the insert panel open, the pending rows are not stored by it.
  ASSERT_TRUE(editor_->OpenInsertPanel(0));
  EXPECT_FALSE(editor_->ChangePlayMode(kReleaseForContinue).changed);
  EXPECT_EQ(store_->Library().Record(0).content[0], kReleaseForStop);
  // An empty macro has no play mode byte to store.
  editor_->InsertCancel();
  store_->Library().Record(0).content = {};
  editor_->ShowMacro(0);
  EXPECT_FALSE(editor_->ChangePlayMode(kReleaseForStop).changed);
  EXPECT_EQ(store_->Library().Record(0).content, MacroContent{});
}

TEST(MacroLibraryStoreTest, ChangesThatCannotBeSavedAreReported) {
  MacroLibraryStore store(MacroLibrary{}, "/nonexistent-veltrax-folder/VELTRAX-Macro.bin");
  const MapTextTable texts{{{"Str106", "This macro already exists"}}};
  LibraryOutcome added = store.ApplyMacroName(PendingName::NewMacro, -1, "One", texts);
  EXPECT_TRUE(added.changed);
  EXPECT_THAT(added.message, ::testing::HasSubstr("could not be saved"));
  LibraryOutcome again = store.ApplyMacroName(PendingName::Rename, 0, "One", texts);
  EXPECT_FALSE(again.changed);
  EXPECT_EQ(again.message, "This macro already exists");
  EXPECT_FALSE(store.ApplyMacroName(PendingName::NewMacro, -1, "", texts).changed);
  EXPECT_EQ(store.Delete(0, texts).line, -1);
}

// The macro page's file dialogs go through the same checks as veltraxctl.
TEST(MacroLibraryStoreTest, ImportsTakeOnlyFilesOfTheirKind) {
  MacroLibrary library;
  ASSERT_EQ(library.AddNew("Keep"), LibraryRefusal::None);
  MacroLibraryStore store(library, "/nonexistent-veltrax-folder/VELTRAX-Macro.bin");
  const MapTextTable texts{{{"Str106", "This macro already exists"}}};
  const std::vector<uint8_t> profile(2048, 0x99);
  const LibraryOutcome one = store.ImportOne(profile, texts);
  EXPECT_FALSE(one.changed);
  EXPECT_THAT(one.message, ::testing::HasSubstr("not a macro file"));
  const LibraryOutcome all = store.ImportAll(profile);
  EXPECT_FALSE(all.changed);
  EXPECT_THAT(all.message, ::testing::HasSubstr("not a macro library"));
  EXPECT_EQ(store.Library().ToBytes(), library.ToBytes());
}

TEST(MacroLibraryStoreTest, ExportsReplaceOnlyFilesOfTheirKind) {
  const test::TempFolder temp("veltrax-export");
  const std::filesystem::path& folder = temp.path();
  MacroLibrary library;
  ASSERT_EQ(library.AddNew("Keep"), LibraryRefusal::None);
  MacroLibraryStore store(library, folder / "VELTRAX-Macro.bin");
  const std::vector<uint8_t> profile(2048, 0x99);
  ASSERT_TRUE(WriteFileAtomically(folder / "profile.bin", profile));
  auto one = store.ExportOne(0, folder / "profile");
  ASSERT_FALSE(one);
  EXPECT_THAT(one.error().context, ::testing::HasSubstr("exists and is not a macro file"));
  EXPECT_FALSE(store.ExportAll(folder / "profile.bin"));
  EXPECT_EQ(ReadWholeFile(folder / "profile.bin").value(), profile);
  // A file of the kind written is replaced.
  ASSERT_TRUE(store.ExportOne(0, folder / "keep"));
  ASSERT_TRUE(store.ExportOne(0, folder / "keep.bin"));
  EXPECT_EQ(ReadWholeFile(folder / "keep.bin").value().size(), 256u);
}

}  // namespace
}  // namespace veltrax
