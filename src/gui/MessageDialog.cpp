#include "gui/MessageDialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "gui/SkinButton.h"

namespace veltrax::gui {

namespace {
constexpr int kWidth = 530;
constexpr int kHeight = 200;
constexpr int kMargin = 24;
// The background's header strip ends with its rule at y 56.
constexpr int kHeaderHeight = 56;
constexpr int kTitleLeft = 18;

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: #E8ECF2; background: transparent;"));
  return label;
}

}  // namespace

MessageDialog::MessageDialog(QWidget* parent, const QString& text, const QString& fontName,
                             const PictureSource& pictures)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), text_(text), background_(pictures("Msg")) {
  setObjectName(QStringLiteral("MessageDialog"));
  setModal(true);
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_TranslucentBackground, false);

  QFont font = this->font();
  if (!fontName.isEmpty()) font.setFamily(fontName);
  font.setPointSize(12);
  // The header strip carries the application's title, as a message box's
  // caption would; the message sits below its rule.
  QFont titleFont = font;
  titleFont.setPointSize(13);
  titleFont.setBold(true);
  QLabel* title =
      AddLabel(this, QStringLiteral("lbl_MessageTitle"), QGuiApplication::applicationDisplayName(), titleFont);
  title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  title->setGeometry(kTitleLeft, 0, kWidth - 2 * kTitleLeft, kHeaderHeight);

  QLabel* label = AddLabel(this, QStringLiteral("lbl_Message"), text, font);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);

  auto* ok = new SkinButton(QStringLiteral("Btn_OK"), this);
  ok->SetPicture(QStringLiteral("BtnS_01"), pictures("BtnS_01"));
  ok->SetCaption(QStringLiteral("OK"));
  ok->setFont(font);
  ok->move((kWidth - ok->width()) / 2, kHeight - kMargin - ok->height());
  label->setGeometry(kMargin, kHeaderHeight, kWidth - 2 * kMargin, ok->y() - kHeaderHeight);
  connect(ok, &SkinButton::Entered, this, [ok, pictures] { ok->SetPicture("BtnS_02", pictures("BtnS_02")); });
  connect(ok, &SkinButton::Left, this, [ok, pictures] { ok->SetPicture("BtnS_01", pictures("BtnS_01")); });
  connect(ok, &SkinButton::Pressed, this, [ok, pictures] { ok->SetPicture("BtnS_03", pictures("BtnS_03")); });
  connect(ok, &SkinButton::Clicked, this, &QDialog::accept);

  if (parent) move(parent->geometry().center() - rect().center());
}

void MessageDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.isNull()) {
    painter.fillRect(rect(), QColor(0x1B, 0x1E, 0x24));
    return;
  }
  painter.drawPixmap(0, 0, background_);
}

}  // namespace veltrax::gui

namespace veltrax::gui {

void MessageDialog::keyPressEvent(QKeyEvent* event) {
  // The one button is the default: Enter answers it like Escape does.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace veltrax::gui
