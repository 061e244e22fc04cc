#include "gui/FilteredEdit.h"

#include <QKeyEvent>

#include "gui/LayoutLook.h"

namespace veltrax::gui {
namespace {
// The grey of a field that takes no input in the chosen mode.
const QColor kGreyText(0x72, 0x71, 0x71);
}  // namespace

FilteredEdit::FilteredEdit(const QString& name, Accepts accepts, Correct correct, QWidget* parent)
    : QLineEdit(parent), accepts_(accepts), correct_(correct) {
  setObjectName(name);
  setContextMenuPolicy(Qt::NoContextMenu);
  connect(this, &QLineEdit::textEdited, this, &FilteredEdit::OnEdited);
  Restyle();
}

void FilteredEdit::SetGreyed(bool greyed) {
  greyed_ = greyed;
  setReadOnly(greyed);
  Restyle();
}

void FilteredEdit::SetColors(const QColor& text, const QColor& back) {
  text_ = text;
  back_ = back;
  Restyle();
}

void FilteredEdit::Restyle() {
  setStyleSheet(QStringLiteral("QLineEdit { color: %1; background: %2; border: 1px solid #7A8699; padding: 0 2px; }")
                    .arg(CssColor(greyed_ ? kGreyText : text_), CssColor(back_)));
}

void FilteredEdit::keyPressEvent(QKeyEvent* event) {
  // Printable characters pass the rule; editing, moving and the keys of
  // the dialog around (Enter, Escape, Tab) are not characters of the text.
  const QString text = event->text();
  const bool character = text.size() == 1 && text[0].unicode() >= 0x20 && !event->modifiers().testFlag(Qt::ControlModifier);
  if (character && (text[0].unicode() > 0x7F || !accepts_(static_cast<char>(text[0].unicode())))) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void FilteredEdit::OnEdited(const QString& text) {
  const std::string corrected = correct_(text.toStdString());
  const QString shown = FromUtf8Text(corrected);
  if (shown != text) setText(shown);
}

}  // namespace veltrax::gui
