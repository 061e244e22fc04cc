#include "gui/RollingCaption.h"

namespace veltrax::gui {

void RollingCaption::Start(const QString& name, const QString& caption) {
  name_ = name;
  original_ = caption;
  working_ = caption;
  counter_ = 0;
}

QString RollingCaption::Step() {
  ++counter_;
  if (counter_ > 20) counter_ = 2;
  if (working_.isEmpty()) return working_;
  const QChar first = working_.front();
  working_.remove(0, 1);
  // The gap goes in once, on the first step after entering; it then rolls
  // along with the text.
  if (counter_ == 1) working_ += QStringLiteral("    ");
  working_ += first;
  return working_;
}

}  // namespace veltrax::gui
