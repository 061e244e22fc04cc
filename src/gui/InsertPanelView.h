#pragma once
// The insert box of the macro page (Gb_Insert): the insert type list
// CB_Insert, the delay, X, Y and repeat count fields with their captions,
// the three insert delay options, the insert Record button and OK and
// Cancel, over the box's background picture. It shows what the insert
// type and the recording state call for; the page decides what they do.

#include <QWidget>
#include <array>

#include "base/TextTable.h"
#include "macro/MacroEditor.h"

class QComboBox;
class QLabel;

namespace veltrax {
class LayoutTable;
}

namespace veltrax::gui {

class FilteredEdit;
class PictureChoice;
class PictureView;
class Skin;
class SkinButton;

class InsertPanelView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 207;
  static constexpr int kHeight = 162;

  InsertPanelView(QWidget* parent, Skin& skin);

  // Group F of the layout (positions relative to the box), font and colour.
  void ApplyLayout(const LayoutTable& layout, const QFont& font, const QColor& text, const QColor& fieldBack);
  // The list entries, captions and buttons in a language; the Record
  // button's caption is the page's to set.
  void SetCaptions(const TextTable& texts);
  // The fields, options and background of an insert type.
  void ShowType(InsertType type);
  // The chosen insert delay option; the delay field takes input only with
  // Default Delay.
  void ShowDelayMode(DelayMode mode);
  // While an insert recording runs: the recording look of its button, the
  // type list and the delay options disabled, their texts grey.
  void ShowRecording(bool recording);
  // The fields show the panel's values.
  void ShowFields(const InsertPanel& fields);

  QComboBox* TypeList() const { return typeList_; }
  FilteredEdit* DelayField() const { return delay_; }
  FilteredEdit* XField() const { return x_; }
  FilteredEdit* YField() const { return y_; }
  FilteredEdit* RepeatField() const { return repeat_; }
  PictureChoice* DelayOption(DelayMode mode) const { return options_[static_cast<int>(mode)]; }
  SkinButton* StartButton() const { return start_; }
  SkinButton* OkButton() const { return ok_; }
  SkinButton* CancelButton() const { return cancel_; }

 private:
  void PlaceRow(QLabel* caption, QWidget* field, int x, int y);

  Skin& skin_;
  PictureView* base_;
  QComboBox* typeList_;
  QLabel* delayCaption_;
  QLabel* msCaption_;
  FilteredEdit* delay_;
  std::array<PictureChoice*, 3> options_{};
  QLabel* xCaption_;
  FilteredEdit* x_;
  QLabel* yCaption_;
  FilteredEdit* y_;
  QLabel* repeatCaption_;
  FilteredEdit* repeat_;
  SkinButton* start_;
  SkinButton* ok_;
  SkinButton* cancel_;
  InsertType type_ = InsertType::DelayFront;
};

}  // namespace veltrax::gui
