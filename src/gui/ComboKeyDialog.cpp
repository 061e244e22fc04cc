#include "gui/DialogBackground.h"
#include "gui/ComboKeyDialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>

#include "gui/SkinButton.h"
#include "gui/SkinFont.h"
#include "gui/VirtualKeys.h"
#include "gui/WindowShape.h"
#include "keys/MenuGeometry.h"
#include "resources/LayoutTable.h"

namespace veltrax::gui {

namespace {

constexpr int kFieldHeight = 24;

struct BoxPlace {
  ComboModifier modifier;
  const char* name;     // CB_Ctrl
  const char* caption;  // "Ctrl"
  const char* key;      // MK_C: MK_C_X, MK_C_Y
};
constexpr std::array<BoxPlace, 4> kBoxes{{{ComboModifier::Ctrl, "CB_Ctrl", "Ctrl", "MK_C"},
                                          {ComboModifier::Shift, "CB_Shift", "Shift", "MK_S"},
                                          {ComboModifier::Alt, "CB_Alt", "Alt", "MK_A"},
                                          {ComboModifier::Win, "CB_Win", "Win", "MK_W"}}};

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

QString CssColor(const LayoutTable& layout, const char* prefix, uint32_t fallback) {
  const Rgb rgb = SplitColor(layout.Color(prefix).value_or(fallback));
  return QStringLiteral("rgb(%1, %2, %3)").arg(rgb.r).arg(rgb.g).arg(rgb.b);
}

QColor ColorOf(const LayoutTable& layout, const char* prefix, uint32_t fallback) {
  const Rgb rgb = SplitColor(layout.Color(prefix).value_or(fallback));
  return {rgb.r, rgb.g, rgb.b};
}

QPoint At(const LayoutTable& layout, const std::string& key) {
  return {layout.IntOr(key + "_X", 0), layout.IntOr(key + "_Y", 0)};
}

// A modifier box drawn with the skin's check pictures (CbS_D off, CbS_E on)
// and its caption beside it; the whole of it takes the click.
class PictureCheckBox : public QCheckBox {
 public:
  PictureCheckBox(const QString& caption, QPixmap off, QPixmap on, QColor text, QWidget* parent)
      : QCheckBox(caption, parent), off_(std::move(off)), on_(std::move(on)), text_(std::move(text)) {}

  QSize sizeHint() const override {
    return {kPicture + kGap + fontMetrics().horizontalAdvance(text()) + 2, std::max(kPicture, fontMetrics().height())};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int top = (height() - kPicture) / 2;
    const QPixmap& picture = isChecked() ? on_ : off_;
    painter.setPen(text_);
    if (picture.isNull()) {
      painter.drawRect(0, top, kPicture - 1, kPicture - 1);
      if (isChecked()) painter.fillRect(3, top + 3, kPicture - 6, kPicture - 6, text_);
    } else {
      painter.drawPixmap(0, top, picture);
    }
    const QRect caption(kPicture + kGap, 0, width() - kPicture - kGap, height());
    painter.setFont(font());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
      painter.setPen(QPen(text_, 1, Qt::DotLine));
      painter.drawRect(caption.adjusted(-2, 0, -1, -1));
    }
  }
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

 private:
  static constexpr int kPicture = 16;
  static constexpr int kGap = 4;
  QPixmap off_;
  QPixmap on_;
  QColor text_;
};

}  // namespace

ComboKeyField::ComboKeyField(QWidget* parent) : QLineEdit(parent) {
  setObjectName(QStringLiteral("Edt_Assembly"));
  setReadOnly(true);
  setAlignment(Qt::AlignCenter);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void ComboKeyField::keyPressEvent(QKeyEvent* event) {
  // Escape goes to the dialog, which closes.
  if (event->key() == Qt::Key_Escape) {
    event->ignore();
    return;
  }
  event->accept();
  const Qt::KeyboardModifiers held = event->modifiers();
  emit KeyPressed(VirtualKeyOf(*event), {held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::ControlModifier),
                                         held.testFlag(Qt::AltModifier)});
}

void ComboKeyField::keyReleaseEvent(QKeyEvent* event) { event->accept(); }

ComboKeyDialog::ComboKeyDialog(QWidget* parent, const LayoutTable& layout, const TextTable& texts,
                               const QString& fontName, PictureSource pictures)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      pictures_(std::move(pictures)),
      background_(pictures_(QStringLiteral("Msg"))) {
  setObjectName(QStringLiteral("Form2"));
  setModal(false);
  setWindowTitle(FromUtf8(texts.Text("Str500")));
  resize(background_.isNull() ? QSize(530, 200) : background_.deviceIndependentSize().toSize());
  // The maroon of the background picture is see-through.
  if (!background_.isNull()) setMask(OutlineOf(background_.toImage()));
  BuildControls(layout, texts, fontName);
}

void ComboKeyDialog::BuildControls(const LayoutTable& layout, const TextTable& texts, const QString& fontName) {
  const int size = layout.IntOr("Size_K", 9);
  const QColor text = ColorOf(layout, "Color_K", 0xFFFFFF);

  auto* title = new QLabel(FromUtf8(texts.Text("Str500")), this);
  title->setObjectName(QStringLiteral("lbl_Assembly"));
  title->setFont(SkinFont(fontName, size + 5));
  const QString titleColor = CssColor(layout, "Color_K", 0xFFFFFF);
  title->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(titleColor));
  title->move(At(layout, "AKT"));
  title->adjustSize();

  field_ = new ComboKeyField(this);
  field_->setFont(SkinFont(fontName, size + 3));
  field_->setStyleSheet(QStringLiteral("color: %1; background: white; border: 1px solid #7A8699;")
                            .arg(CssColor(layout, "Color_K_AK", 0x000000)));
  field_->setGeometry(QRect(At(layout, "AKC"), QSize(layout.IntOr("AKC_W", 240), kFieldHeight)));
  connect(field_, &ComboKeyField::KeyPressed, this, &ComboKeyDialog::OnKey);

  for (size_t i = 0; i < kBoxes.size(); ++i) {
    const BoxPlace& place = kBoxes[i];
    auto* box = new PictureCheckBox(QString::fromLatin1(place.caption), pictures_(QStringLiteral("CbS_D")),
                                    pictures_(QStringLiteral("CbS_E")), text, this);
    box->setObjectName(QString::fromLatin1(place.name));
    box->setFont(SkinFont(fontName, size));
    box->move(At(layout, place.key));
    box->adjustSize();
    connect(box, &QCheckBox::toggled, this, [this, place](bool ticked) { OnBox(place.modifier, ticked); });
    boxes_[i] = box;
  }

  const QFont buttonFont = SkinFont(fontName, size + 1);
  const QPoint confirmAt = At(layout, "AK_Cfm");
  const QPoint clearAt = At(layout, "AK_Clear");
  const QPoint closeAt = At(layout, "AK_Close");
  SkinButton* confirm = AddButton(QStringLiteral("IB_Confirm"), QStringLiteral("BtnS"), confirmAt.x(), confirmAt.y());
  SkinButton* clear = AddButton(QStringLiteral("IB_Cancel"), QStringLiteral("BtnS"), clearAt.x(), clearAt.y());
  SkinButton* close = AddButton(QStringLiteral("IB_Close"), QStringLiteral("ExitS"), closeAt.x(), closeAt.y());
  confirm->SetCaption(FromUtf8(texts.Text("Str501")));
  clear->SetCaption(FromUtf8(texts.Text("Str502")));
  for (SkinButton* button : {confirm, clear}) {
    button->SetTextColor(text);
    button->setFont(buttonFont);
  }
  connect(confirm, &SkinButton::Clicked, this, &ComboKeyDialog::Confirm);
  connect(clear, &SkinButton::Clicked, this, &ComboKeyDialog::Clear);
  connect(close, &SkinButton::Clicked, this, &QDialog::reject);

  // Tab runs from the field through the boxes to the buttons.
  QWidget* previous = field_;
  for (QWidget* next : std::initializer_list<QWidget*>{boxes_[0], boxes_[1], boxes_[2], boxes_[3], confirm, clear,
                                                       close}) {
    setTabOrder(previous, next);
    previous = next;
  }
}

SkinButton* ComboKeyDialog::AddButton(const QString& name, const QString& pictures, int x, int y) {
  auto* button = new SkinButton(name, this);
  button->SetPictureSet(pictures, pictures_);
  button->move(x, y);
  button->SetKeyboardActivation(true);
  return button;
}

void ComboKeyDialog::ShowOver(const QRect& mainWindow) {
  const Point at = ComboDialogPosition({mainWindow.x(), mainWindow.y(), mainWindow.width(), mainWindow.height()},
                                       {width(), height()});
  move(at.x, at.y);
  show();
  raise();
  activateWindow();
  field_->setFocus();
}

void ComboKeyDialog::OnKey(int vk, HeldModifiers held) {
  state_.KeyPress(vk, held);
  ShowState();
}

void ComboKeyDialog::OnBox(ComboModifier modifier, bool ticked) {
  state_.SetModifier(modifier, ticked);
  ShowState();
  field_->setFocus();
}

void ComboKeyDialog::Confirm() {
  const ComboResult result = state_.Confirm();
  emit Confirmed(result);
  accept();
}

void ComboKeyDialog::Clear() {
  state_.Clear();
  for (QCheckBox* box : boxes_) {
    const QSignalBlocker quiet(box);
    box->setChecked(false);
  }
  ShowState();
  field_->setFocus();
}

void ComboKeyDialog::ShowState() { field_->setText(FromUtf8(state_.FieldText())); }

void ComboKeyDialog::paintEvent(QPaintEvent*) { PaintDialogBackground(*this, background_); }

}  // namespace veltrax::gui
