#pragma once
// The plain controls of the engineer page and how they mirror the engineer
// controls. Every control redraws itself from them (checked side, items and
// selection, text, enabled, shown); what the user changes goes through the
// settings rule the control was built with, and then `edited` lets every
// view redraw. Captions come from the engineer caption table in its column.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "image/EngineerControls.h"
#include "image/ImageState.h"

namespace veltrax::gui {

// Where a control finds its value in the engineer controls.
template <class Part>
using PartOf = std::function<const Part&(const EngineerControls&)>;
template <class Part>
PartOf<Part> Member(Part EngineerControls::*member) {
  return [member](const EngineerControls& c) -> const Part& { return c.*member; };
}
// A condition on the controls, such as the LED type shown.
using ControlsTest = std::function<bool(const EngineerControls&)>;

// A caption: a row of the engineer caption table, or a fixed text.
struct Caption {
  int row = -1;
  QString fixed;
  // Implicit, so that a row number or a text reads as a caption.
  Caption(int captionRow) : row(captionRow) {}
  Caption(const char* text) : fixed(QString::fromUtf8(text)) {}
  Caption(QString text) : fixed(std::move(text)) {}
};

class EngineerForm : public QObject {
  Q_OBJECT

 public:
  // The item texts a selector shows: its items as the controls hold them,
  // or texts of the caption table's column.
  using ItemTexts = std::function<QString(int index, const std::string& item, int column)>;

  // state: the window's; edited: every view redraws; say: a message for
  // the user in the window's message dialog.
  EngineerForm(std::function<ImageState&()> state, std::function<void()> edited,
               std::function<void(const QString&)> say, QObject* parent);

  ImageState& State() const { return state_(); }
  // A rule's message, shown once the views have redrawn.
  void Say(const QString& text) { pending_.push_back(text); }

  // A frame with a caption, shown while `shown` holds (always without it).
  QGroupBox* Group(QWidget* parent, const char* name, const QRect& at, Caption caption, ControlsTest shown = {});
  // A frameless part of a group, shown while `shown` holds.
  QWidget* Area(QWidget* parent, const char* name, const QRect& at, ControlsTest shown);
  // A caption beside a control: shown and enabled with it.
  QLabel* LabelFor(QWidget* control, const char* name, const QRect& at, Caption caption);
  // A plain caption or note.
  QLabel* Label(QWidget* parent, const char* name, const QRect& at, Caption caption);
  QRadioButton* Radio(QWidget* parent, const char* name, const QRect& at, Caption caption, PartOf<RadioButton> part,
                      std::function<void(EngineerControls&)> choose);
  QCheckBox* Check(QWidget* parent, const char* name, const QRect& at, Caption caption, PartOf<CheckBox> part,
                   std::function<void(EngineerControls&, bool)> set);
  QComboBox* Combo(QWidget* parent, const char* name, const QRect& at, PartOf<Selector> part,
                   std::function<void(EngineerControls&, int)> choose, ItemTexts texts = {});
  // A numeric edit: `typed` gets every change the user makes, `left` runs
  // when the edit is left. Without `typed` the edit is read-only.
  QLineEdit* NumberEdit(QWidget* parent, const char* name, const QRect& at, PartOf<Edit> part, int maxLength,
                        std::function<void(EngineerControls&, std::string_view)> typed,
                        std::function<void(EngineerControls&)> left = {});
  QPushButton* Button(QWidget* parent, const char* name, const QRect& at, Caption caption);

  // Every control from the engineer controls.
  void Redraw();
  // Every caption, and the item texts, from the table's column.
  void SetCaptions(int column);
  int CaptionColumn() const { return column_; }
  // The caption of a table row in the current column.
  QString CaptionText(int row) const;

 private:
  void AddCaption(const Caption& caption, std::function<void(const QString&)> set);
  // Runs a rule on the controls for a user's change, then every view redraws.
  void Change(const std::function<void(EngineerControls&)>& rule);

  std::function<ImageState&()> state_;
  std::function<void()> edited_;
  std::function<void(const QString&)> say_;
  std::vector<QString> pending_;
  std::vector<std::function<void(const EngineerControls&)>> redraws_;
  std::vector<std::pair<Caption, std::function<void(const QString&)>>> captions_;
  int column_ = 0;
};

}  // namespace veltrax::gui
