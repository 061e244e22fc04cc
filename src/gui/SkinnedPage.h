#pragma once
// One of the four skinned pages (gbPage1 .. gbPage4): its background, its
// content picture, its own copy of the window furniture and its overlay
// Disable_All_<n>, which swallows every click while the pages are locked.

#include <QHash>
#include <QString>
#include <QWidget>
#include <array>

#include "gui/PictureView.h"
#include "gui/SkinButton.h"

namespace veltrax::gui {

class SkinnedPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kKeyLabels = 9;
  static constexpr int kOptionLines = 2;

  // number is 1 to 4; page 1 also carries the nine key labels Key1 .. Key9
  // and the two key-mode option lines.
  SkinnedPage(int number, QWidget* parent);

  int Number() const { return number_; }
  // The copy of a furniture button on this page, by base name ("Main").
  SkinButton* Button(const QString& base) const { return buttons_.value(base); }
  const QHash<QString, SkinButton*>& Buttons() const { return buttons_; }
  PictureView* Background() const { return background_; }
  PictureView* Content() const { return content_; }
  QWidget* Overlay() const { return overlay_; }
  // Key label n (1 to 9) of page 1; null on the other pages.
  SkinButton* KeyLabel(int n) const { return number_ == 1 ? keyLabels_.at(n - 1) : nullptr; }
  // Option line k (1, 2) of page 1: the label IB_ComboKey<k> over its check
  // picture Img_ComboKey<k>; null on the other pages.
  SkinButton* OptionLine(int k) const { return number_ == 1 ? optionLines_.at(k - 1) : nullptr; }
  PictureView* OptionPicture(int k) const { return number_ == 1 ? optionPictures_.at(k - 1) : nullptr; }

  // Page, overlay and background take the background picture's size.
  void SetBackground(const QString& pictureName, const QPixmap& picture);
  void SetLocked(bool locked);
  // The overlay above every control of the page, the window buttons above
  // it; called again after a page adds controls of its own.
  void KeepOverlayOnTop();

 signals:
  // A press on the background or on the locked overlay: drag the window.
  void BackgroundPressed();

 private:
  void BuildFurniture();
  void BuildKeyLabels();

  int number_;
  PictureView* background_;
  PictureView* content_;
  QWidget* overlay_;
  QHash<QString, SkinButton*> buttons_;
  std::array<SkinButton*, kKeyLabels> keyLabels_{};
  std::array<SkinButton*, kOptionLines> optionLines_{};
  std::array<PictureView*, kOptionLines> optionPictures_{};
};

}  // namespace veltrax::gui
