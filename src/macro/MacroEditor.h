#pragma once
// The macro page's model: the library macro shown, its rows, the edits,
// deletions and insertions of rows, the insert panel and the recordings.
// Every change is encoded into the selected library record and the library
// file is saved at once; a change that would not fit a macro content is
// refused with "Macro bin length out of range" and changes nothing. While
// a recording runs, the recorder owns the rows; the editor takes them back
// when it stops.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/TextTable.h"
#include "macro/MacroLibraryStore.h"
#include "macro/MacroRecorder.h"
#include "macro/MacroRow.h"

namespace veltrax {

// The insert panel's ten types, in list order.
enum class InsertType {
  DelayFront, DelayBack, KeyFront, KeyBack, RepeatStart, RepeatEnd, XFront, XBack, YFront, YBack,
};

// The dialog a row edit opens, and the row it applies to when confirmed:
// the same row wherever it has moved meanwhile, or none when it is gone.
enum class EditDialog { Delay, Key, Value };
struct EditRequest {
  int row = -1;        // where the row was when the dialog opened
  uint64_t rowId = 0;  // which row it is
  int type = 0;        // 0 delay, 1 press, 2 release, 3 X, 5 Y, 7 repeat start
  EditDialog dialog = EditDialog::Delay;
};

// The insert panel's fields, as text the widgets hold, and its delay option.
struct InsertPanel {
  std::string delay = "50";
  std::string x = "12";
  std::string y = "12";
  std::string repeat = "10";
  DelayMode delayMode = DelayMode::Record;
};

struct EditorOutcome {
  bool changed = false;   // encoded and saved
  std::string message;    // for the message dialog, empty when there is nothing to say
  bool reloaded = false;  // another program had changed the library file: it was reloaded, the change not saved
};

class MacroEditor {
 public:
  MacroEditor(MacroLibraryStore& store, const TextTable& texts, MacroRecorder::Clock clock);

  // LB_PCMacroNameClick: shows library line `line` (or nothing for -1) and
  // closes the insert panel; refused while a recording runs.
  bool ShowMacro(int line);
  // The rows were cleared by a library operation: a recording still running
  // is dropped, since its macro may have moved.
  void ClearRows();

  int Line() const { return line_; }
  // The rows shown and the selected one; while a recording runs, a copy of
  // the recorder's.
  MacroRowList Rows() const;
  int SelectedRow() const;
  void SelectRow(int row);
  uint8_t PlayMode() const { return playMode_; }
  void SetPlayMode(uint8_t mode) { playMode_ = mode; }
  // IB_ReleaseStopClick, IB_ReleaseContiueClick: the play mode of the next
  // encoding. A stored macro shown takes it at once, so that the choice is
  // not lost; rows a recording or the insert panel has pending take it
  // when they are stored.
  EditorOutcome ChangePlayMode(uint8_t mode);
  DelayMode PageDelayMode() const { return delays_.pageMode; }
  void SetPageDelayMode(DelayMode mode) { delays_.pageMode = mode; }
  // The default delay field's text, corrected as typed.
  const std::string& DefaultDelayText() const { return defaultDelayText_; }
  void SetDefaultDelayText(std::string_view text);

  // Btn_EditClick: nothing without a selected row, for a repeat end or
  // while a recording runs.
  std::optional<EditRequest> BeginEdit();
  EditorOutcome ConfirmKey(const EditRequest& request, std::string_view keyName, uint8_t usage);
  EditorOutcome ConfirmDelay(const EditRequest& request, std::string_view text);
  EditorOutcome ConfirmValue(const EditRequest& request, std::string_view text);

  // Btn_DelClick: a press or release row takes its partner of the same
  // name with it. Nothing while a recording runs.
  EditorOutcome DeleteRow();

  // Btn_InsertClick, CB_InsertChange, Btn_OKClick, Btn_CancelClick.
  bool OpenInsertPanel(int topLine);
  bool InsertPanelOpen() const { return insertOpen_; }
  void SetInsertType(InsertType type);
  InsertType CurrentInsertType() const { return insertType_; }
  InsertPanel& Fields() { return fields_; }
  EditorOutcome InsertOk();
  // Rebuilds the rows from the stored content; the remembered top line is
  // for the list view to restore.
  int InsertCancel();

  // Btn_StartClick (whole) and Btn_InsertStartClick (insert recording).
  bool StartRecording();
  EditorOutcome StopRecording();
  bool StartInsertRecording();
  void StopInsertRecording();
  // KeyboardHook1Receive; a release at the limit ends the recording here.
  EditorOutcome KeyboardHook1Receive(int virtualKey, KeyEventType type);
  // A recording whose budget is used up (a key or button press did not
  // fit) records nothing more, so it ends: a whole recording is stored, the
  // rows of an insert recording wait for OK. Nothing when no recording
  // ended.
  std::optional<EditorOutcome> EndIfFull();
  MacroRecorder& Recorder() { return recorder_; }

 private:
  MacroRecord& Record() { return store_.Library().Record(line_); }
  bool HasRow() const;
  // Encodes rows into the record and saves; refused when they do not fit.
  // ids name the rows, one each.
  EditorOutcome Commit(const MacroRowList& rows, std::vector<uint64_t> ids, int selected);
  EditorOutcome ReplaceRow(const EditRequest& request, std::string row);
  EditorOutcome InsertRow(int at, std::string row, int select);
  void DecodeStored();
  std::vector<uint64_t> NewIds(size_t count);
  // Takes the rows back from the recorder once it has stopped.
  void TakeRecordedRows();

  MacroLibraryStore& store_;
  const TextTable& texts_;
  MacroRecorder recorder_;
  int line_ = -1;
  MacroRowList rows_;
  std::vector<uint64_t> rowIds_;  // one per row, kept through edits, insertions and deletions
  uint64_t nextRowId_ = 1;
  int selectedRow_ = -1;
  std::optional<int> recordedFrom_;  // where an insert recording puts its first row
  uint8_t playMode_ = kReleaseForContinue;
  RecorderDelays delays_;
  std::string defaultDelayText_ = "2";

  bool insertOpen_ = false;
  InsertType insertType_ = InsertType::DelayFront;
  InsertPanel fields_;
  int rememberedTop_ = 0;
  int rememberedRow_ = -1;
};

}  // namespace veltrax
