#include "macro/MacroEditor.h"

#include <algorithm>

#include "macro/MacroCodec.h"
#include "macro/MacroValueRules.h"

namespace veltrax {
namespace {

constexpr std::string_view kLengthOutOfRangeId = "Str103";

bool IsKeyRow(std::string_view row) {
  const int type = RowTypeOf(row);
  return type == RowType::kPress || type == RowType::kRelease;
}

int ClampSelection(int row, const std::vector<std::string>& rows) {
  if (rows.empty()) return -1;
  return std::clamp(row, 0, static_cast<int>(rows.size()) - 1);
}

}  // namespace

MacroEditor::MacroEditor(MacroLibraryStore& store, const TextTable& texts, MacroRecorder::Clock clock)
    : store_(store), texts_(texts), recorder_(std::move(clock)) {}

void MacroEditor::ShowMacro(int line) {
  line_ = line >= 0 && line < store_.Library().Count() ? line : -1;
  DecodeStored();
  selectedRow_ = static_cast<int>(rows_.rows.size()) - 1;
}

void MacroEditor::ClearRows() {
  rows_.clear();
  selectedRow_ = -1;
}

void MacroEditor::DecodeStored() {
  ClearRows();
  if (line_ < 0 || ShowsEmpty(Record().content)) return;
  DecodedMacro decoded = DecodeMacroContent(Record().content);
  if (decoded.playMode) playMode_ = *decoded.playMode;
  rows_ = std::move(decoded.rows);
  delays_.pageMode = decoded.delayMode;
  if (decoded.delayMode == DelayMode::Default) SetDefaultDelayText(std::to_string(decoded.defaultDelayMs));
}

void MacroEditor::SelectRow(int row) {
  selectedRow_ = row >= 0 && row < static_cast<int>(rows_.rows.size()) ? row : -1;
}

void MacroEditor::SetDefaultDelayText(std::string_view text) { defaultDelayText_ = CorrectDelayField(text); }

bool MacroEditor::HasRow() const {
  return line_ >= 0 && selectedRow_ >= 0 && selectedRow_ < static_cast<int>(rows_.rows.size());
}

EditorOutcome MacroEditor::Commit(const MacroRowList& rows, int selected) {
  auto content = EncodeMacroRows(rows, playMode_);
  if (!content) return {false, texts_.Text(kLengthOutOfRangeId)};
  Record().content = *content;
  rows_ = rows;
  selectedRow_ = ClampSelection(selected, rows_.rows);
  recorder_.ClearLimit();
  EditorOutcome outcome{true, {}};
  if (Status saved = store_.Save(); !saved) outcome.message = SaveFailureMessage(saved.error());
  return outcome;
}

std::optional<EditRequest> MacroEditor::BeginEdit() {
  if (!HasRow()) return std::nullopt;
  const int type = RowTypeOf(rows_.rows[selectedRow_]);
  switch (type) {
    case RowType::kDelay: return EditRequest{selectedRow_, 0, EditDialog::Delay};
    case RowType::kPress:
    case RowType::kRelease: return EditRequest{selectedRow_, type, EditDialog::Key};
    case RowType::kXPositive:
    case RowType::kXNegative: return EditRequest{selectedRow_, 3, EditDialog::Value};
    case RowType::kYPositive:
    case RowType::kYNegative: return EditRequest{selectedRow_, 5, EditDialog::Value};
    case RowType::kRepeatStart: return EditRequest{selectedRow_, 7, EditDialog::Value};
    default: return std::nullopt;  // a repeat end has nothing to edit
  }
}

EditorOutcome MacroEditor::ReplaceRow(const EditRequest& request, std::string row) {
  if (line_ < 0 || request.row < 0 || request.row >= static_cast<int>(rows_.rows.size())) return {};
  MacroRowList changed = rows_;
  changed.rows[request.row] = std::move(row);
  return Commit(changed, request.row);
}

EditorOutcome MacroEditor::ConfirmKey(const EditRequest& request, std::string_view keyName, uint8_t usage) {
  if (keyName.empty() || request.dialog != EditDialog::Key) return {};
  return ReplaceRow(request, KeyRow(request.type == RowType::kPress, keyName, usage));
}

EditorOutcome MacroEditor::ConfirmDelay(const EditRequest& request, std::string_view text) {
  if (text.empty() || request.dialog != EditDialog::Delay) return {};
  auto ms = DelayValue(CorrectDelayDialog(text));
  if (!ms) return {};
  return ReplaceRow(request, DelayRow(*ms));
}

EditorOutcome MacroEditor::ConfirmValue(const EditRequest& request, std::string_view text) {
  if (text.empty() || request.dialog != EditDialog::Value) return {};
  if (request.type == RowType::kRepeatStart) {
    auto count = RepeatValue(CorrectRepeatText(text));
    return count ? ReplaceRow(request, RepeatStartRow(*count)) : EditorOutcome{};
  }
  auto value = AxisValue(CorrectAxisText(text));
  if (!value) return {};
  return ReplaceRow(request, request.type == RowType::kXPositive ? XRow(*value) : YRow(*value));
}

EditorOutcome MacroEditor::DeleteRow() {
  if (!HasRow()) return {};
  const int i = selectedRow_;
  MacroRowList changed = rows_;
  auto& rows = changed.rows;
  const std::string row = rows[i];
  int select = i - 1;
  if (RowTypeOf(row) == RowType::kPress) {
    const std::string name = KeyNameOfRow(row);
    auto partner = std::find_if(rows.begin() + i + 1, rows.end(),
                                [&](const std::string& r) { return IsKeyRow(r) && KeyNameOfRow(r) == name; });
    if (partner != rows.end()) rows.erase(partner);
    rows.erase(rows.begin() + i);
  } else if (RowTypeOf(row) == RowType::kRelease) {
    const std::string name = KeyNameOfRow(row);
    int partner = i - 1;
    while (partner >= 0 && !(IsKeyRow(rows[partner]) && KeyNameOfRow(rows[partner]) == name)) --partner;
    rows.erase(rows.begin() + i);
    if (partner >= 0) {
      rows.erase(rows.begin() + partner);
      select = i - 2;
    }
  } else {
    rows.erase(rows.begin() + i);
  }
  return Commit(changed, std::max(select, 0));
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
  return Commit(changed, select);
}

EditorOutcome MacroEditor::InsertOk() {
  if (!insertOpen_) return {};
  StopInsertRecording();
  EditorOutcome outcome;
  if (insertType_ == InsertType::KeyFront || insertType_ == InsertType::KeyBack) {
    outcome = Commit(rows_, selectedRow_);
  } else if (HasRow()) {
    const int i = selectedRow_;
    switch (insertType_) {
      case InsertType::DelayFront:
      case InsertType::DelayBack: {
        const int ms = DelayValue(CorrectDelayDialog(fields_.delay)).value_or(0);
        const int at = insertType_ == InsertType::DelayFront ? i : i + 1;
        outcome = InsertRow(at, DelayRow(ms), at);
        break;
      }
      case InsertType::RepeatStart:
        if (auto count = RepeatValue(CorrectRepeatText(fields_.repeat))) {
          outcome = InsertRow(i, RepeatStartRow(*count), i);
        }
        break;
      case InsertType::RepeatEnd: outcome = InsertRow(i + 1, RepeatEndRow(), i + 1); break;
      case InsertType::XFront:
      case InsertType::XBack:
        if (auto x = AxisValue(CorrectAxisText(fields_.x))) {
          const int at = insertType_ == InsertType::XFront ? i : i + 1;
          outcome = InsertRow(at, XRow(*x), at);
        }
        break;
      case InsertType::YFront:
      case InsertType::YBack:
        if (auto y = AxisValue(CorrectAxisText(fields_.y))) {
          const int at = insertType_ == InsertType::YFront ? i : i + 1;
          outcome = InsertRow(at, YRow(*y), at);
        }
        break;
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
  delays_.pageDelayMs = DelayValue(defaultDelayText_).value_or(0);
  delays_.insertMode = fields_.delayMode;
  recorder_.StartWhole(rows_, selectedRow_, delays_);
  return true;
}

EditorOutcome MacroEditor::StopRecording() {
  if (!recorder_.Recording() || recorder_.Inserting()) return {};
  recorder_.Stop();
  return Commit(rows_, selectedRow_);
}

bool MacroEditor::StartInsertRecording() {
  const bool keyType = insertType_ == InsertType::KeyFront || insertType_ == InsertType::KeyBack;
  if (!insertOpen_ || !keyType || !HasRow() || recorder_.Recording()) return false;
  delays_.insertMode = fields_.delayMode;
  delays_.insertDelayMs = DelayValue(CorrectDelayDialog(fields_.delay)).value_or(0);
  const InsertSide side = insertType_ == InsertType::KeyFront ? InsertSide::Front : InsertSide::Back;
  return recorder_.StartInsert(rows_, selectedRow_, selectedRow_, side, Record().content[1], delays_);
}

void MacroEditor::StopInsertRecording() {
  if (recorder_.Inserting()) recorder_.Stop();
}

EditorOutcome MacroEditor::KeyboardHook1Receive(int virtualKey, KeyEventType type) {
  const bool whole = recorder_.Recording() && !recorder_.Inserting();
  if (recorder_.KeyboardHook1Receive(virtualKey, type) != KeyOutcome::RecordingDone || !whole) return {};
  return Commit(rows_, selectedRow_);
}

}  // namespace veltrax
