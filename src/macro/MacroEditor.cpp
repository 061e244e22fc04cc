#include "macro/MacroEditor.h"

#include <algorithm>

#include "macro/MacroCodec.h"
#include "macro/MacroValueRules.h"

namespace veltrax {
namespace {

constexpr std::string_view kLengthOutOfRangeId = "Str103";
constexpr const char* kRowGone = "The row this edit was opened for is no longer in the macro; nothing changed";
constexpr const char* kRecordingRuns = "A recording is running; edit the rows once it has stopped";

bool IsKeyRow(std::string_view row) {
  const int type = RowTypeOf(row);
  return type == RowType::kPress || type == RowType::kRelease;
}

int ClampSelection(int row, const std::vector<std::string>& rows) {
  if (rows.empty()) return -1;
  return std::clamp(row, 0, static_cast<int>(rows.size()) - 1);
}

// A field that is empty or no number counts as 0 ms.
int DelayOrZero(std::string_view text) {
  auto ms = DelayValue(text);
  return ms ? ms.value() : 0;
}

}  // namespace

MacroEditor::MacroEditor(MacroLibraryStore& store, const TextTable& texts, MacroRecorder::Clock clock)
    : store_(store), texts_(texts), recorder_(std::move(clock)) {}

bool MacroEditor::ShowMacro(int line) {
  if (recorder_.Recording()) return false;
  insertOpen_ = false;
  line_ = line >= 0 && line < store_.Library().Count() ? line : -1;
  DecodeStored();
  selectedRow_ = static_cast<int>(rows_.rows.size()) - 1;
  return true;
}

void MacroEditor::ClearRows() {
  recorder_.Stop();
  recordedFrom_.reset();
  insertOpen_ = false;
  rows_.clear();
  rowIds_.clear();
  selectedRow_ = -1;
}

MacroRowList MacroEditor::Rows() const { return recorder_.Recording() ? recorder_.Rows().rows : rows_; }

int MacroEditor::SelectedRow() const { return recorder_.Recording() ? recorder_.Rows().selected : selectedRow_; }

std::vector<uint64_t> MacroEditor::NewIds(size_t count) {
  std::vector<uint64_t> ids(count);
  for (uint64_t& id : ids) id = nextRowId_++;
  return ids;
}

void MacroEditor::DecodeStored() {
  ClearRows();
  if (line_ < 0 || ShowsEmpty(Record().content)) return;
  DecodedMacro decoded = DecodeMacroContent(Record().content);
  if (decoded.playMode) playMode_ = *decoded.playMode;
  rows_ = std::move(decoded.rows);
  rowIds_ = NewIds(rows_.rows.size());
  delays_.pageMode = decoded.delayMode;
  if (decoded.delayMode == DelayMode::Default) SetDefaultDelayText(std::to_string(decoded.defaultDelayMs));
}

void MacroEditor::TakeRecordedRows() {
  RecordedRows recorded = recorder_.Rows();
  const size_t added = recorded.rows.rows.size() - std::min(recorded.rows.rows.size(), rows_.rows.size());
  if (recordedFrom_) {
    const auto at = rowIds_.begin() + std::min<size_t>(*recordedFrom_, rowIds_.size());
    const std::vector<uint64_t> ids = NewIds(added);
    rowIds_.insert(at, ids.begin(), ids.end());
  } else {
    rowIds_ = NewIds(recorded.rows.rows.size());
  }
  recordedFrom_.reset();
  rows_ = std::move(recorded.rows);
  selectedRow_ = recorded.selected;
}

void MacroEditor::SelectRow(int row) {
  selectedRow_ = row >= 0 && row < static_cast<int>(rows_.rows.size()) ? row : -1;
}

void MacroEditor::SetDefaultDelayText(std::string_view text) { defaultDelayText_ = CorrectDelayField(text); }

bool MacroEditor::HasRow() const {
  return line_ >= 0 && selectedRow_ >= 0 && selectedRow_ < static_cast<int>(rows_.rows.size());
}

EditorOutcome MacroEditor::Commit(const MacroRowList& rows, std::vector<uint64_t> ids, int selected) {
  auto content = EncodeMacroRows(rows, playMode_);
  if (!content) return {false, texts_.Text(kLengthOutOfRangeId)};
  Record().content = *content;
  rows_ = rows;
  rowIds_ = std::move(ids);
  selectedRow_ = ClampSelection(selected, rows_.rows);
  recorder_.ClearLimit();
  EditorOutcome outcome{true, {}};
  Status saved = store_.Save();
  if (saved) return outcome;
  outcome.message = SaveFailureMessage(saved.error());
  if (saved.error().kind == ErrorKind::ChangedOnDisk) {
    // The library is the file's now: the macro is shown as it stands there.
    outcome.reloaded = true;
    if (line_ >= store_.Library().Count()) line_ = -1;
    DecodeStored();
    selectedRow_ = static_cast<int>(rows_.rows.size()) - 1;
  }
  return outcome;
}

EditorOutcome MacroEditor::ChangePlayMode(uint8_t mode) {
  playMode_ = mode;
  if (line_ < 0 || recorder_.Recording() || insertOpen_ || rows_.rows.empty()) return {};
  return Commit(rows_, rowIds_, selectedRow_);
}

std::optional<EditRequest> MacroEditor::BeginEdit() {
  if (!HasRow() || recorder_.Recording()) return std::nullopt;
  const int type = RowTypeOf(rows_.rows[selectedRow_]);
  const uint64_t id = rowIds_[selectedRow_];
  switch (type) {
    case RowType::kDelay: return EditRequest{selectedRow_, id, 0, EditDialog::Delay};
    case RowType::kPress:
    case RowType::kRelease: return EditRequest{selectedRow_, id, type, EditDialog::Key};
    case RowType::kXPositive:
    case RowType::kXNegative: return EditRequest{selectedRow_, id, 3, EditDialog::Value};
    case RowType::kYPositive:
    case RowType::kYNegative: return EditRequest{selectedRow_, id, 5, EditDialog::Value};
    case RowType::kRepeatStart: return EditRequest{selectedRow_, id, 7, EditDialog::Value};
    default: return std::nullopt;  // a repeat end has nothing to edit
  }
}

EditorOutcome MacroEditor::ReplaceRow(const EditRequest& request, std::string row) {
  if (recorder_.Recording()) return {false, kRecordingRuns};
  const auto found = std::find(rowIds_.begin(), rowIds_.end(), request.rowId);
  if (line_ < 0 || found == rowIds_.end()) return {false, kRowGone};
  const int at = static_cast<int>(found - rowIds_.begin());
  MacroRowList changed = rows_;
  changed.rows[at] = std::move(row);
  return Commit(changed, rowIds_, at);
}

EditorOutcome MacroEditor::ConfirmKey(const EditRequest& request, std::string_view keyName, uint8_t usage) {
  if (keyName.empty() || request.dialog != EditDialog::Key) return {};
  return ReplaceRow(request, KeyRow(request.type == RowType::kPress, keyName, usage));
}

EditorOutcome MacroEditor::ConfirmDelay(const EditRequest& request, std::string_view text) {
  if (text.empty() || request.dialog != EditDialog::Delay) return {};
  auto ms = DelayValue(CorrectDelayDialog(text));
  if (!ms) return {false, ms.error().context};
  return ReplaceRow(request, DelayRow(ms.value()));
}

EditorOutcome MacroEditor::ConfirmValue(const EditRequest& request, std::string_view text) {
  if (text.empty() || request.dialog != EditDialog::Value) return {};
  if (request.type == RowType::kRepeatStart) {
    auto count = RepeatValue(CorrectRepeatText(text));
    if (!count) return {false, count.error().context};
    return ReplaceRow(request, RepeatStartRow(count.value()));
  }
  auto value = AxisValue(CorrectAxisText(text));
  if (!value) return {false, value.error().context};
  return ReplaceRow(request, request.type == RowType::kXPositive ? XRow(value.value()) : YRow(value.value()));
}

EditorOutcome MacroEditor::DeleteRow() {
  if (!HasRow() || recorder_.Recording()) return {};
  const int i = selectedRow_;
  const std::vector<std::string>& rows = rows_.rows;
  const std::string& row = rows[i];
  std::vector<int> gone{i};
  int select = i - 1;
  if (RowTypeOf(row) == RowType::kPress) {
    const std::string name = KeyNameOfRow(row);
    auto partner = std::find_if(rows.begin() + i + 1, rows.end(),
                                [&](const std::string& r) { return IsKeyRow(r) && KeyNameOfRow(r) == name; });
    if (partner != rows.end()) gone.push_back(static_cast<int>(partner - rows.begin()));
  } else if (RowTypeOf(row) == RowType::kRelease) {
    const std::string name = KeyNameOfRow(row);
    int partner = i - 1;
    while (partner >= 0 && !(IsKeyRow(rows[partner]) && KeyNameOfRow(rows[partner]) == name)) --partner;
    if (partner >= 0) {
      gone.push_back(partner);
      select = i - 2;
    }
  }
  std::sort(gone.rbegin(), gone.rend());
  MacroRowList changed = rows_;
  std::vector<uint64_t> ids = rowIds_;
  for (int at : gone) {
    changed.rows.erase(changed.rows.begin() + at);
    ids.erase(ids.begin() + at);
  }
  return Commit(changed, std::move(ids), std::max(select, 0));
}

bool MacroEditor::OpenInsertPanel(int topLine) {
  if (!HasRow() || recorder_.Recording()) return false;
  rememberedTop_ = topLine;
  rememberedRow_ = selectedRow_;
  insertOpen_ = true;
  SetInsertType(InsertType::DelayFront);
  return true;
}

void MacroEditor::SetInsertType(InsertType type) {
  insertType_ = type;
  if (type == InsertType::KeyFront || type == InsertType::KeyBack) fields_.delayMode = DelayMode::Record;
}

EditorOutcome MacroEditor::InsertRow(int at, std::string row, int select) {
  MacroRowList changed = rows_;
  changed.rows.insert(changed.rows.begin() + at, std::move(row));
  std::vector<uint64_t> ids = rowIds_;
  ids.insert(ids.begin() + at, NewIds(1).front());
  return Commit(changed, std::move(ids), select);
}

EditorOutcome MacroEditor::InsertOk() {
  if (!insertOpen_) return {};
  StopInsertRecording();
  EditorOutcome outcome;
  if (insertType_ == InsertType::KeyFront || insertType_ == InsertType::KeyBack) {
    outcome = Commit(rows_, rowIds_, selectedRow_);
  } else if (HasRow()) {
    const int i = selectedRow_;
    const bool front = insertType_ == InsertType::DelayFront || insertType_ == InsertType::XFront ||
                       insertType_ == InsertType::YFront;
    const int at = front ? i : i + 1;
    switch (insertType_) {
      case InsertType::DelayFront:
      case InsertType::DelayBack: outcome = InsertRow(at, DelayRow(DelayOrZero(CorrectDelayDialog(fields_.delay))), at); break;
      case InsertType::RepeatStart: {
        auto count = RepeatValue(CorrectRepeatText(fields_.repeat));
        outcome = count ? InsertRow(i, RepeatStartRow(count.value()), i) : EditorOutcome{false, count.error().context};
        break;
      }
      case InsertType::RepeatEnd: outcome = InsertRow(i + 1, RepeatEndRow(), i + 1); break;
      case InsertType::XFront:
      case InsertType::XBack:
      case InsertType::YFront:
      case InsertType::YBack: {
        const bool x = insertType_ == InsertType::XFront || insertType_ == InsertType::XBack;
        auto value = AxisValue(CorrectAxisText(x ? fields_.x : fields_.y));
        if (!value) {
          outcome = {false, value.error().context};
        } else {
          outcome = InsertRow(at, x ? XRow(value.value()) : YRow(value.value()), at);
        }
        break;
      }
      default: break;
    }
  }
  if (outcome.changed) insertOpen_ = false;
  return outcome;
}

int MacroEditor::InsertCancel() {
  StopInsertRecording();
  insertOpen_ = false;
  DecodeStored();
  selectedRow_ = ClampSelection(rememberedRow_, rows_.rows);
  recorder_.ClearLimit();
  return rememberedTop_;
}

bool MacroEditor::StartRecording() {
  if (line_ < 0 || recorder_.Recording()) return false;
  Record().content = {};
  delays_.pageDelayMs = DelayOrZero(defaultDelayText_);
  delays_.insertMode = fields_.delayMode;
  rows_.clear();
  rowIds_.clear();
  selectedRow_ = -1;
  recordedFrom_.reset();
  recorder_.StartWhole(delays_);
  return true;
}

EditorOutcome MacroEditor::StopRecording() {
  if (!recorder_.Recording() || recorder_.Inserting()) return {};
  recorder_.Stop();
  TakeRecordedRows();
  return Commit(rows_, rowIds_, selectedRow_);
}

bool MacroEditor::StartInsertRecording() {
  const bool keyType = insertType_ == InsertType::KeyFront || insertType_ == InsertType::KeyBack;
  if (!insertOpen_ || !keyType || !HasRow() || recorder_.Recording()) return false;
  delays_.insertMode = fields_.delayMode;
  delays_.insertDelayMs = DelayOrZero(CorrectDelayDialog(fields_.delay));
  const InsertSide side = insertType_ == InsertType::KeyFront ? InsertSide::Front : InsertSide::Back;
  if (!recorder_.StartInsert(rows_, selectedRow_, side, delays_)) return false;
  recordedFrom_ = side == InsertSide::Front ? selectedRow_ : selectedRow_ + 1;
  return true;
}

void MacroEditor::StopInsertRecording() {
  if (!recorder_.Inserting()) return;
  recorder_.Stop();
  TakeRecordedRows();
}

std::optional<EditorOutcome> MacroEditor::EndIfFull() {
  if (!recorder_.Recording() || !recorder_.LimitReached()) return std::nullopt;
  if (recorder_.Inserting()) {
    StopInsertRecording();
    return EditorOutcome{};
  }
  return StopRecording();
}

EditorOutcome MacroEditor::KeyboardHook1Receive(int virtualKey, KeyEventType type) {
  const bool whole = recorder_.Recording() && !recorder_.Inserting();
  if (recorder_.KeyboardHook1Receive(virtualKey, type) != KeyOutcome::RecordingDone) return {};
  TakeRecordedRows();
  if (!whole) return {};  // the rows of an insert recording wait for OK
  return Commit(rows_, rowIds_, selectedRow_);
}

}  // namespace veltrax
