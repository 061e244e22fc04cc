#include "gui/DialogBackground.h"
#include "gui/MessageDialog.h"

#include <QGuiApplication>
#include <algorithm>
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
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  // A message of several paragraphs, such as what keeps the mouse from
  // being used and the command that mends it, reads from the left; any
  // message can be selected and copied.
  label->setAlignment(text.contains(QLatin1Char('\n')) ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* ok = new SkinButton(QStringLiteral("Btn_OK"), this);
  ok->SetPictureSet(QStringLiteral("BtnS"), pictures);
  ok->SetCaption(QStringLiteral("OK"));
  ok->setFont(font);
  // The dialog grows downwards when the text needs more room than the
  // background leaves it.
  const int textWidth = kWidth - 2 * kMargin;
  const int room = kHeight - kMargin - ok->height() - kHeaderHeight;
  const int height = kHeight + std::max(0, label->heightForWidth(textWidth) + kMargin / 2 - room);
  setFixedSize(kWidth, height);
  ok->move((kWidth - ok->width()) / 2, height - kMargin - ok->height());
  label->setGeometry(kMargin, kHeaderHeight, textWidth, ok->y() - kHeaderHeight);
  connect(ok, &SkinButton::Clicked, this, &QDialog::accept);

  if (parent) move(parent->geometry().center() - rect().center());
}

void MessageDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.isNull()) {
    painter.fillRect(rect(), kDialogFill);
    return;
  }
  if (height() == background_.height()) {
    painter.drawPixmap(0, 0, background_);
    return;
  }
  // A taller dialog keeps the background's header with its rule and its
  // foot, and stretches a plain band just below the rule between them.
  const int top = kHeaderHeight + 4;
  const int band = 8;
  const int foot = background_.height() - top - band;
  painter.drawPixmap(0, 0, background_, 0, 0, -1, top);
  painter.drawPixmap(QRect(0, top, width(), height() - top - foot), background_, QRect(0, top, background_.width(), band));
  painter.drawPixmap(0, height() - foot, background_, 0, top + band, -1, foot);
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
