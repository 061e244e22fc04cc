#include "gui/InsertPanelView.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QSignalBlocker>

#include "gui/FilteredEdit.h"
#include "gui/LayoutLook.h"
#include "gui/PictureChoice.h"
#include "gui/PictureView.h"
#include "gui/Skin.h"
#include "gui/SkinButton.h"
#include "macro/MacroValueRules.h"
#include "resources/LayoutTable.h"

namespace veltrax::gui {
namespace {

constexpr int kFieldWidth = 46;
constexpr int kFieldHeight = 22;
constexpr int kListHeight = 22;
constexpr int kMsGap = 4;
// The options' captions start after the picture.
constexpr const char* kOptionIndent = "       ";

// The list entries in list order.
constexpr const char* kTypeIds[] = {"Str410", "Str411", "Str412", "Str413", "Str446",
                                    "Str447", "Str440", "Str441", "Str442", "Str443"};
constexpr const char* kDelayIds[] = {"Str414", "Str415", "Str416"};
constexpr const char* kOptionNames[] = {"InsertRecDelay", "InsertDelayTime", "InsertNoDelay"};

bool IsKeyType(InsertType type) { return type == InsertType::KeyFront || type == InsertType::KeyBack; }
bool IsDelayType(InsertType type) { return type == InsertType::DelayFront || type == InsertType::DelayBack; }
bool IsXType(InsertType type) { return type == InsertType::XFront || type == InsertType::XBack; }
bool IsYType(InsertType type) { return type == InsertType::YFront || type == InsertType::YBack; }
bool IsRepeatType(InsertType type) { return type == InsertType::RepeatStart || type == InsertType::RepeatEnd; }

QLabel* Caption(const QString& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

SkinButton* Button(const QString& name, QWidget* parent) {
  auto* button = new SkinButton(name, parent);
  button->SetKeyboardActivation(true);
  return button;
}

}  // namespace

InsertPanelView::InsertPanelView(QWidget* parent, Skin& skin) : QWidget(parent), skin_(skin) {
  setObjectName(QStringLiteral("Gb_Insert"));
  resize(kWidth, kHeight);
  base_ = new PictureView(QStringLiteral("Img_InsertBase"), this);
  typeList_ = new QComboBox(this);
  typeList_->setObjectName(QStringLiteral("CB_Insert"));
  typeList_->setView(new QListView(typeList_));
  delayCaption_ = Caption(QStringLiteral("lbl_InsertDelay"), this);
  msCaption_ = Caption(QStringLiteral("lbl_InsertMs"), this);
  delay_ = new FilteredEdit(QStringLiteral("Edt_InsertDelay"), AcceptsDelayKey, CorrectDelayField, this);
  for (int i = 0; i < 3; ++i) {
    const QString name = QString::fromLatin1(kOptionNames[i]);
    options_[i] = new PictureChoice(QStringLiteral("LED_") + name, QStringLiteral("IB_") + name, this, skin);
  }
  xCaption_ = Caption(QStringLiteral("lbl_XAxisValue"), this);
  x_ = new FilteredEdit(QStringLiteral("edt_XAxisValue"), AcceptsValueKey, CorrectAxisText, this);
  yCaption_ = Caption(QStringLiteral("lbl_YAxisValue"), this);
  y_ = new FilteredEdit(QStringLiteral("edt_YAxisValue"), AcceptsValueKey, CorrectAxisText, this);
  repeatCaption_ = Caption(QStringLiteral("lbl_Repeat"), this);
  repeat_ = new FilteredEdit(QStringLiteral("edt_Repeat"), AcceptsValueKey, CorrectRepeatText, this);
  start_ = Button(QStringLiteral("Btn_InsertStart"), this);
  ok_ = Button(QStringLiteral("Btn_OK"), this);
  cancel_ = Button(QStringLiteral("Btn_Cancel"), this);
  start_->SetPicture(QStringLiteral("MacroS_01"), skin.Picture(QStringLiteral("MacroS_01")));
  ok_->SetPicture(QStringLiteral("MacroBtnS_01"), skin.Picture(QStringLiteral("MacroBtnS_01")));
  cancel_->SetPicture(QStringLiteral("MacroBtnS_01"), skin.Picture(QStringLiteral("MacroBtnS_01")));
  setTabOrder(typeList_, delay_);
}

void InsertPanelView::PlaceRow(QLabel* caption, QWidget* field, int x, int y) {
  caption->setGeometry(x, y, field->x() - x - kMsGap, kFieldHeight);
  caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void InsertPanelView::ApplyLayout(const LayoutTable& layout, const QFont& font, const QColor& text,
                                  const QColor& fieldBack) {
  setFont(font);
  const QString css = QStringLiteral("color: %1; background: transparent;").arg(CssColor(text));
  for (QLabel* caption : {delayCaption_, msCaption_, xCaption_, yCaption_, repeatCaption_}) {
    caption->setFont(font);
    caption->setStyleSheet(css);
  }
  for (FilteredEdit* field : {delay_, x_, y_, repeat_}) {
    field->setFont(font);
    field->SetColors(Qt::black, fieldBack);
  }
  for (SkinButton* button : {start_, ok_, cancel_}) {
    button->setFont(font);
    button->SetTextColor(text);
  }
  const QPoint list(layout.IntOr("InsertList_X", 8), layout.IntOr("InsertList_Y", 8));
  typeList_->setGeometry(list.x(), list.y(), kWidth - 2 * list.x(), kListHeight);
  typeList_->setFont(font);
  typeList_->setStyleSheet(QStringLiteral("QComboBox { color: black; background: white; border: 1px solid #7A8699; "
                                          "padding-left: 3px; } QComboBox QAbstractItemView { color: black; "
                                          "background: white; selection-background-color: palette(highlight); }"));

  const QPoint edit(layout.IntOr("InsertDelayEdit_X", 132), layout.IntOr("InsertDelayEdit_Y", 62));
  delay_->setGeometry(edit.x(), edit.y(), kFieldWidth, kFieldHeight);
  msCaption_->setGeometry(edit.x() + kFieldWidth + kMsGap, edit.y(), kWidth - edit.x() - kFieldWidth - kMsGap,
                          kFieldHeight);
  const QPoint option(layout.IntOr("InsertRecDelay_X", 10), layout.IntOr("InsertRecDelay_Y", 40));
  const int step = layout.IntOr("InsertRecDelay_H", 24);
  PlaceRow(delayCaption_, delay_, option.x(), edit.y());
  for (int i = 0; i < 3; ++i) {
    options_[i]->Label()->setFont(font);
    options_[i]->SetTextColor(text);
    options_[i]->Place(option.x(), option.y() + i * step, -2, 0);
  }
  delay_->raise();
  const QPoint axis(layout.IntOr("InsertAxisEdit_X", 10), layout.IntOr("InsertAxisEdit_Y", 44));
  for (auto [caption, field] : {std::pair{xCaption_, x_}, std::pair{yCaption_, y_}, std::pair{repeatCaption_, repeat_}}) {
    field->setGeometry(edit.x(), axis.y(), kFieldWidth, kFieldHeight);
    PlaceRow(caption, field, axis.x(), axis.y());
  }
  start_->move(layout.IntOr("InsertBtnStart_X", 6), layout.IntOr("InsertBtnStart_Y", 128));
  ok_->move(layout.IntOr("InsertBtnOK_X", 118), layout.IntOr("InsertBtnOK_Y", 128));
  cancel_->move(layout.IntOr("InsertBtnCancel_X", 162), layout.IntOr("InsertBtnCancel_Y", 128));
}

void InsertPanelView::SetCaptions(const TextTable& texts) {
  {
    const QSignalBlocker quiet(typeList_);
    const int chosen = typeList_->currentIndex();
    typeList_->clear();
    for (const char* id : kTypeIds) typeList_->addItem(FromUtf8Text(texts.Text(id)));
    typeList_->setCurrentIndex(chosen < 0 ? 0 : chosen);
  }
  delayCaption_->setText(FromUtf8Text(texts.Text("Str417")));
  msCaption_->setText(FromUtf8Text(texts.Text("Str418")));
  xCaption_->setText(FromUtf8Text(texts.Text("Str444")));
  yCaption_->setText(FromUtf8Text(texts.Text("Str445")));
  repeatCaption_->setText(FromUtf8Text(texts.Text("Str448")));
  for (int i = 0; i < 3; ++i) {
    options_[i]->SetCaption(QString::fromLatin1(kOptionIndent) + FromUtf8Text(texts.Text(kDelayIds[i])));
  }
  ok_->SetCaption(FromUtf8Text(texts.Text("Str420")));
  cancel_->SetCaption(FromUtf8Text(texts.Text("Str422")));
}

void InsertPanelView::ShowType(InsertType type) {
  type_ = type;
  {
    const QSignalBlocker quiet(typeList_);
    typeList_->setCurrentIndex(static_cast<int>(type));
  }
  const QString base = IsKeyType(type) ? QStringLiteral("InsertKeyBase") : QStringLiteral("InsertDelayBase");
  base_->SetPicture(base, skin_.Picture(base));
  delayCaption_->setVisible(IsDelayType(type));
  delay_->setVisible(IsDelayType(type) || IsKeyType(type));
  msCaption_->setVisible(IsDelayType(type) || IsKeyType(type));
  for (PictureChoice* option : options_) option->SetVisible(IsKeyType(type));
  start_->setVisible(IsKeyType(type));
  xCaption_->setVisible(IsXType(type));
  x_->setVisible(IsXType(type));
  yCaption_->setVisible(IsYType(type));
  y_->setVisible(IsYType(type));
  repeatCaption_->setVisible(IsRepeatType(type));
  repeat_->setVisible(IsRepeatType(type));
  repeat_->setEnabled(type != InsertType::RepeatEnd);
  if (IsDelayType(type)) delay_->SetGreyed(false);
}

void InsertPanelView::ShowDelayMode(DelayMode mode) {
  for (int i = 0; i < 3; ++i) options_[i]->SetOn(i == static_cast<int>(mode));
  if (IsKeyType(type_)) delay_->SetGreyed(mode != DelayMode::Default);
}

void InsertPanelView::ShowRecording(bool recording) {
  const QString picture = recording ? QStringLiteral("MacroS_04") : QStringLiteral("MacroS_01");
  start_->SetPicture(picture, skin_.Picture(picture));
  typeList_->setEnabled(!recording);
  for (PictureChoice* option : options_) option->SetEnabled(!recording);
  delay_->setEnabled(!recording);
}

void InsertPanelView::ShowFields(const InsertPanel& fields) {
  delay_->setText(FromUtf8Text(fields.delay));
  x_->setText(FromUtf8Text(fields.x));
  y_->setText(FromUtf8Text(fields.y));
  repeat_->setText(FromUtf8Text(fields.repeat));
  ShowDelayMode(fields.delayMode);
}

}  // namespace veltrax::gui
