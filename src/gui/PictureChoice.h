#pragma once
// One choice of a group drawn with the skin's radio pictures: the picture
// (LED_<X>, RdS_E when chosen, RdS_D otherwise) and its label (IB_<X>) a
// little to its left, a transparent click area or a caption. A click on
// either, or Enter or Space on the label, chooses it.

#include <QColor>
#include <QObject>
#include <QString>

namespace veltrax::gui {

class PictureView;
class Skin;
class SkinButton;

class PictureChoice : public QObject {
  Q_OBJECT

 public:
  // pictureName "LED_RecDelay", labelName "IB_RecDelay".
  PictureChoice(const QString& pictureName, const QString& labelName, QWidget* parent, Skin& skin);

  // The picture at x, y; the label at x + labelOffset, y - 2. A label without
  // caption is a click area of clickWidth; one with a caption is as wide as
  // its text.
  void Place(int x, int y, int labelOffset, int clickWidth);
  void SetCaption(const QString& caption);
  // The caption's colour; a disabled choice shows it grey.
  void SetTextColor(const QColor& color);
  void SetOn(bool on);
  bool On() const { return on_; }
  void SetEnabled(bool enabled);
  void SetVisible(bool visible);
  SkinButton* Label() const { return label_; }
  PictureView* Picture() const { return picture_; }

 signals:
  void Chosen();

 private:
  void Resize();

  Skin& skin_;
  PictureView* picture_;
  SkinButton* label_;
  QColor textColor_ = Qt::white;
  int clickWidth_ = 0;
  bool on_ = false;
};

}  // namespace veltrax::gui
