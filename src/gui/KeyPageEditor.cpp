#include "gui/KeyPageEditor.h"

#include "gui/ComboKeyDialog.h"
#include "gui/EngineerPage.h"
#include "gui/FunctionMenuView.h"
#include "gui/MainWindow.h"
#include "gui/SkinFont.h"
#include "gui/SkinnedPage.h"
#include "gui/WindowChrome.h"
#include "macro/BaseMacroBinding.h"
#include "resources/LayoutTable.h"

namespace veltrax::gui {

namespace {

// The option line's caption starts beside its check picture.
constexpr const char* kOptionIndent = "     ";
constexpr int kOptionLineHeight = 20;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

int OptionNumber(ComboKeyOption option) { return option == ComboKeyOption::MiddleKey ? 1 : 2; }

}  // namespace

KeyPageEditor::KeyPageEditor(MainWindow& window)
    : QObject(&window), window_(window), menus_(new FunctionMenuView(&window)) {
  menus_->SetMacroNames([this] { return window_.MacroStore().Library().Names(); });
  connect(menus_, &FunctionMenuView::EntryChosen, this, &KeyPageEditor::ChooseEntry);
  connect(menus_, &FunctionMenuView::CombinationChosen, this, &KeyPageEditor::ChooseCombination);
  connect(menus_, &FunctionMenuView::MacroChosen, this, &KeyPageEditor::ChooseBaseMacro);
  for (ComboKeyOption option : {ComboKeyOption::MiddleKey, ComboKeyOption::CpiKey}) {
    connect(OptionLine(option), &SkinButton::Clicked, this, [this, option] { ComboKeyOptionClick(option); });
    connect(OptionPicture(option), &PictureView::Pressed, this, [this, option] { ComboKeyOptionClick(option); });
  }
}

ComboKeyDialog* KeyPageEditor::Dialog() const { return dialog_.data(); }

KeyProfile KeyPageEditor::ProfileOnScreen() const {
  return window_.CurrentPage() == Page::ModeB ? KeyProfile::ModeB : KeyProfile::ModeA;
}

SkinButton* KeyPageEditor::OptionLine(ComboKeyOption option) const {
  return window_.PageWidget(1)->OptionLine(OptionNumber(option));
}

PictureView* KeyPageEditor::OptionPicture(ComboKeyOption option) const {
  return window_.PageWidget(1)->OptionPicture(OptionNumber(option));
}

ButtonAssigner KeyPageEditor::Assigner() {
  ImageState& state = window_.State();
  return ButtonAssigner(window_.Texts(), state.dataBuf, state.controls.codeTexts);
}

void KeyPageEditor::KeyClick(int label) {
  const std::optional<AssignTarget> target = PageLabelTarget(label, ProfileOnScreen());
  if (!target) return;
  SkinButton* key = window_.PageWidget(1)->KeyLabel(label);
  window_.Chrome().EndKeyLabelHover(key);
  menus_->OpenAtLabel(*target, QRect(key->mapTo(&window_, QPoint(0, 0)), key->size()), key);
}

void KeyPageEditor::EngineerKeyClick(int id) {
  const std::optional<AssignTarget> target = EngineerButtonTarget(id);
  EngineerPage* page = window_.Engineer();
  QPushButton* button = page->KeyButton(id);
  if (!target || !button) return;
  const QWidget* group = page->KeyGroup(id / 100 - 1);
  const QWidget* tabs = page->Parameters();
  const EngineerFrame frame{tabs->width(), tabs->mapTo(&window_, QPoint(0, 0)).y(), group->y()};
  menus_->OpenAtEngineerButton(*target, button->geometry(), frame, button);
}

void KeyPageEditor::HideAllMenu() { menus_->HideAllMenu(); }

void KeyPageEditor::CloseDialog() {
  if (dialog_) dialog_->reject();
}

// The menus close before a choice is carried out; the target stays known.
std::optional<AssignTarget> KeyPageEditor::TakeTarget() {
  const std::optional<AssignTarget> target = menus_->Cascade().Target();
  HideAllMenu();
  return target;
}

void KeyPageEditor::ChooseEntry(int entryId) {
  const std::optional<AssignTarget> target = TakeTarget();
  if (!target) return;
  const auto aimDpiIndex = static_cast<uint8_t>(window_.State().controls.AimDpiIndex);
  auto outcome = Assigner().ChooseEntry(*target, entryId, aimDpiIndex);
  if (outcome) Show(*target, outcome.value());
}

void KeyPageEditor::ChooseCombination() {
  const std::optional<AssignTarget> target = TakeTarget();
  if (!target) return;
  // A dialog opened before for another button goes; the new one edits the
  // button it was opened for, whatever is clicked meanwhile.
  if (dialog_) dialog_->deleteLater();
  Skin& skin = window_.Pictures();
  dialog_ = new ComboKeyDialog(&window_, window_.Layout(), window_.Texts(), window_.FontName(),
                               [&skin](const QString& name) { return skin.Picture(name); });
  connect(dialog_, &ComboKeyDialog::Confirmed, this,
          [this, target = *target](const ComboResult& result) { ApplyCombination(target, result); });
  dialog_->ShowOver(window_.geometry());
}

void KeyPageEditor::ApplyCombination(const AssignTarget& target, const ComboResult& result) {
  auto outcome = Assigner().ChooseCombination(target, result);
  if (outcome) Show(target, outcome.value());
}

void KeyPageEditor::ChooseBaseMacro(int row) {
  const std::optional<AssignTarget> target = TakeTarget();
  if (!target) return;
  // The base macro slots as the macro working buffer holds them; a bind
  // writes the table back into the buffer.
  MacroWorkingBuffer& area = window_.State().macroBuffer;
  BaseMacroTable table = ReadAndRefreshMacro(area);
  LibraryMacroSlots baseSlots(window_.MacroStore().Library(), table, area);
  // No free slot: the button keeps its function, without a word.
  if (auto outcome = Assigner().ChooseBaseMacro(*target, row, baseSlots)) Show(*target, *outcome);
}

void KeyPageEditor::Show(const AssignTarget& target, const AssignOutcome& outcome) {
  // The engineer page's buttons show the codes; a page label shows what
  // the choice gave it.
  window_.ControlsEdited(this);
  if (target.source == AssignSource::PageLabel && target.profile == ProfileOnScreen()) {
    window_.Chrome().SetButtonCaption(window_.PageWidget(1)->KeyLabel(target.button), FromUtf8(outcome.shownName));
  }
  if (!outcome.accepted && !outcome.message.empty()) window_.ShowMessageText(FromUtf8(outcome.message));
}

void KeyPageEditor::ApplyLanguage(const LayoutTable& layout, const QString& fontName, const TextTable& texts) {
  menus_->ApplyLanguage(layout, fontName, texts);
  const Rgb rgb = SplitColor(layout.Color("Color_C").value_or(0xFFFFFF));
  const QFont font = SkinFont(fontName, layout.IntOr("Size_C", 10) - 1);
  const QSize window = window_.BaseSize();
  for (ComboKeyOption option : {ComboKeyOption::MiddleKey, ComboKeyOption::CpiKey}) {
    const int k = OptionNumber(option);
    const Placement place = layout.Place("ComboKey" + std::to_string(k), window.width(), window.height());
    SkinButton* line = OptionLine(option);
    line->setFont(font);
    line->SetTextColor(QColor(rgb.r, rgb.g, rgb.b));
    line->SetCaption(QString::fromLatin1(kOptionIndent) + FromUtf8(texts.Text(k == 1 ? "Str700" : "Str701")));
    line->resize(line->fontMetrics().horizontalAdvance(line->Caption()) + 8, kOptionLineHeight);
    line->Place(place.x, place.y - 2, place.visible);
    OptionPicture(option)->move(place.x, place.y);
    OptionPicture(option)->setVisible(place.visible);
    line->raise();
  }
}

void KeyPageEditor::ShowOptionLines() {
  const EngineerControls& controls = window_.State().controls;
  Skin& skin = window_.Pictures();
  for (ComboKeyOption option : {ComboKeyOption::MiddleKey, ComboKeyOption::CpiKey}) {
    const bool on = option == ComboKeyOption::MiddleKey ? controls.cb_MidPress.checked : controls.cb_CPIPress.checked;
    const QString picture = on ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D");
    OptionPicture(option)->SetPicture(picture, skin.Picture(picture));
  }
}

void KeyPageEditor::ComboKeyOptionClick(ComboKeyOption option) {
  HideAllMenu();
  ToggleComboKeyOption(window_.State().controls, option);
  window_.ControlsEdited(this);
}

}  // namespace veltrax::gui
