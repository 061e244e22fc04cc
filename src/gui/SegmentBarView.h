#pragma once
// A step bar: segment pictures 1 to N (named like Img_DPI1_1 .. Img_DPI1_11)
// in a row, lit or unlit, with optional number labels under them. A click
// on a segment asks for its step; with the keyboard focus the arrow keys,
// Home and End ask for the neighbouring, first and last step.

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

#include "settings/SegmentBar.h"

namespace veltrax::gui {

class ClickArea;

class SegmentBarView : public QWidget {
  Q_OBJECT

 public:
  // segmentName and labelName hold "%1" for the segment number; an empty
  // labelName gives no number labels.
  SegmentBarView(const QString& name, const QString& segmentName, const QString& labelName, int segments,
                 QWidget* parent);

  struct Pictures {
    QString litName;
    QPixmap lit;
    QString unlitName;
    QPixmap unlit;
  };
  void SetPictures(const Pictures& pictures);
  // Segment 1 at x, y; segment i at x + (i - 1) * (gap + segment width);
  // number label i at the segment's x + labelOffset.x(), y + labelOffset.y().
  void Place(int x, int y, int gap, QPoint labelOffset = {});
  // The texts under the segments, segment 1 first.
  void SetNumbers(const QStringList& numbers, const QFont& font, const QColor& color);

  // Shows step `shown` (1 to N, 0 for none) in the given look.
  void Show(int shown, BarLook look);
  int Shown() const { return shown_; }
  int Segments() const { return static_cast<int>(segments_.size()); }
  ClickArea* Segment(int k) const { return segments_.at(k - 1); }
  QLabel* Number(int k) const { return labels_.empty() ? nullptr : labels_.at(k - 1); }

 signals:
  void SegmentClicked(int k);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Redraw();

  std::vector<ClickArea*> segments_;
  std::vector<QLabel*> labels_;
  Pictures pictures_;
  int shown_ = 0;
  BarLook look_ = BarLook::Slider;
};

}  // namespace veltrax::gui
