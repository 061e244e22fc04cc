#include "gui/DialogBackground.h"
#include "gui/MacroInputDialog.h"

#include <QKeyEvent>
#include <QLabel>

#include "gui/FilteredEdit.h"
#include "gui/LayoutLook.h"
#include "gui/SkinButton.h"
#include "gui/SkinFont.h"
#include "gui/VirtualKeys.h"
#include "gui/WindowShape.h"
#include "keys/KeyCatalogue.h"
#include "macro/MacroName.h"
#include "macro/MacroValueRules.h"
#include "resources/LayoutTable.h"

namespace veltrax::gui {

namespace {

constexpr int kFieldHeight = 24;

struct KindText {
  const char* objectName;
  const char* titleId;
};

KindText TextOf(MacroInputKind kind) {
  switch (kind) {
    case MacroInputKind::Name: return {"Form3", "Str510"};
    case MacroInputKind::Key: return {"Form5", "Str520"};
    case MacroInputKind::Delay: return {"Form6", "Str521"};
    case MacroInputKind::Axis:
    case MacroInputKind::Repeat: break;
  }
  return {"Form7", "Str523"};
}

QPoint At(const LayoutTable& layout, const std::string& key) {
  return {layout.IntOr(key + "_X", 0), layout.IntOr(key + "_Y", 0)};
}

}  // namespace

KeyInputField::KeyInputField(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void KeyInputField::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->ignore();
    return;
  }
  event->accept();
  emit KeyPressed(VirtualKeyOf(*event));
}

void KeyInputField::keyReleaseEvent(QKeyEvent* event) { event->accept(); }

MacroInputDialog::MacroInputDialog(QWidget* parent, MacroInputKind kind, const LayoutTable& layout,
                                   const TextTable& texts, const QString& fontName, PictureSource pictures)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      kind_(kind),
      pictures_(std::move(pictures)),
      background_(pictures_(QStringLiteral("Msg"))) {
  setObjectName(QString::fromLatin1(TextOf(kind).objectName));
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(FromUtf8Text(texts.Text(TextOf(kind).titleId)));
  resize(background_.isNull() ? QSize(530, 200) : background_.deviceIndependentSize().toSize());
  if (!background_.isNull()) setMask(OutlineOf(background_.toImage()));
  BuildControls(layout, texts, fontName);
}

QLineEdit* MacroInputDialog::MakeField() {
  switch (kind_) {
    case MacroInputKind::Name: {
      auto* name = new QLineEdit(this);
      name->setMaxLength(kMaxMacroNameUnits);
      return name;
    }
    case MacroInputKind::Key: {
      auto* key = new KeyInputField(this);
      connect(key, &KeyInputField::KeyPressed, this, [this, key](int vk) {
        virtualKey_ = vk;
        key->setText(FromUtf8Text(KeyNameOfVirtualKey(vk)));
      });
      return key;
    }
    case MacroInputKind::Delay: return new FilteredEdit({}, AcceptsDelayKey, CorrectDelayDialog, this);
    case MacroInputKind::Axis: return new FilteredEdit({}, AcceptsValueKey, CorrectAxisText, this);
    case MacroInputKind::Repeat: return new FilteredEdit({}, AcceptsValueKey, CorrectRepeatText, this);
  }
  return new QLineEdit(this);
}

void MacroInputDialog::BuildControls(const LayoutTable& layout, const TextTable& texts, const QString& fontName) {
  const int size = layout.IntOr("Size_L", 9);
  const QColor text = LayoutColor(layout, "Color_L", 0xFFFFFF);
  const QColor fieldText = LayoutColor(layout, "Color_L_MN", 0x000000);

  auto* title = new QLabel(windowTitle(), this);
  title->setObjectName(QStringLiteral("lbl_Title"));
  title->setFont(SkinFont(fontName, size + 5));
  title->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(CssColor(text)));
  title->move(At(layout, "MNT"));
  title->adjustSize();

  field_ = MakeField();
  field_->setObjectName(QStringLiteral("edt_Input"));
  field_->setAlignment(Qt::AlignCenter);
  field_->setFont(SkinFont(fontName, size + 3));
  if (auto* filtered = qobject_cast<FilteredEdit*>(field_)) {
    filtered->SetColors(fieldText, Qt::white);
  } else {
    field_->setStyleSheet(QStringLiteral("color: %1; background: white; border: 1px solid #7A8699;").arg(CssColor(fieldText)));
  }
  field_->setGeometry(QRect(At(layout, "MNC"), QSize(layout.IntOr("MNC_W", 270), kFieldHeight)));
  connect(field_, &QLineEdit::returnPressed, this, &MacroInputDialog::Confirm);

  SkinButton* ok = AddButton(QStringLiteral("IB_OK"), QStringLiteral("BtnS"));
  SkinButton* cancel = AddButton(QStringLiteral("IB_Cancel"), QStringLiteral("BtnS"));
  SkinButton* close = AddButton(QStringLiteral("IB_Close"), QStringLiteral("ExitS"));
  ok->move(At(layout, "MN_Cfm"));
  cancel->move(At(layout, "MN_Clear"));
  close->move(At(layout, "MN_Close"));
  ok->SetCaption(FromUtf8Text(texts.Text("Str511")));
  cancel->SetCaption(FromUtf8Text(texts.Text("Str512")));
  for (SkinButton* button : {ok, cancel}) {
    button->SetTextColor(text);
    button->setFont(SkinFont(fontName, size + 1));
  }
  connect(ok, &SkinButton::Clicked, this, &MacroInputDialog::Confirm);
  connect(cancel, &SkinButton::Clicked, this, &MacroInputDialog::Clear);
  connect(close, &SkinButton::Clicked, this, &QDialog::reject);
  setTabOrder(field_, ok);
  setTabOrder(ok, cancel);
  setTabOrder(cancel, close);
}

SkinButton* MacroInputDialog::AddButton(const QString& name, const QString& pictures) {
  auto* button = new SkinButton(name, this);
  button->SetPictureSet(pictures, pictures_);
  button->SetKeyboardActivation(true);
  return button;
}

void MacroInputDialog::ShowOver(const QRect& mainWindow) {
  move(mainWindow.center() - rect().center());
  show();
  raise();
  activateWindow();
  field_->setFocus();
}

void MacroInputDialog::Confirm() {
  // Nothing to hand on yet: the dialog stays for the input.
  if (field_->text().isEmpty()) {
    field_->setFocus();
    return;
  }
  const QString text = field_->text();
  accept();
  emit Confirmed(text);
}

void MacroInputDialog::Clear() {
  field_->clear();
  virtualKey_ = -1;
  field_->setFocus();
}

void MacroInputDialog::paintEvent(QPaintEvent*) { PaintDialogBackground(*this, background_); }

}  // namespace veltrax::gui
