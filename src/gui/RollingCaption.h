#pragma once
// The rolling caption of a hovered button: every step moves the first
// character to the end, with a gap of four blanks between repetitions.

#include <QString>

namespace veltrax::gui {

class RollingCaption {
 public:
  // Remembers the caption as it was on entering and restarts the steps.
  void Start(const QString& name, const QString& caption);
  // One 200 ms step; gives the text the label shows now.
  QString Step();
  // The caption to give back on leaving.
  const QString& Original() const { return original_; }
  const QString& Name() const { return name_; }
  int Counter() const { return counter_; }

 private:
  QString name_;
  QString original_;
  QString working_;
  int counter_ = 0;
};

}  // namespace veltrax::gui
