#pragma once
// The colour choice dialog of the smart LED levels (TForm4): modeless,
// borderless, above the main window and centred on it, on the skin's
// message background. The seven named colours as swatches cs_DPI1Col ..
// cs_DPI7Col, each with its mark Img_Mark1 .. Img_Mark7; OK takes the marked
// colour, Cancel unmarks all, the cross closes without taking anything.
// Keyboard: Tab to a swatch and Space marks it; Enter is OK, Escape closes.

#include <QLabel>
#include <QWidget>
#include <array>

#include "resources/LayoutTable.h"
#include "settings/ColorChoice.h"

namespace veltrax::gui {

class ClickArea;
class Skin;
class SkinButton;

class ColorChoiceDialog : public QWidget {
  Q_OBJECT

 public:
  // The texts and the font are the current language's, layout its layout
  // for the keys of group M.
  struct Texts {
    QString title;
    QString ok;
    QString cancel;
    QString fontName;
  };
  ColorChoiceDialog(QWidget* mainWindow, int level, Skin& skin, const LayoutTable& layout, const Texts& texts);

  const ColorChoice& Choice() const { return choice_; }
  void MarkSwatch(int swatch);
  void ClearMarks();
  void Confirm();

 signals:
  void Confirmed(const ColorChoice& choice);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  SkinButton* AddButton(const QString& name, const QString& picture, const QString& caption, const Placement& at);
  void RefreshMarks();

  Skin& skin_;
  ColorChoice choice_;
  QPixmap background_;
  std::array<ClickArea*, 7> swatches_{};
  std::array<ClickArea*, 7> marks_{};
};

}  // namespace veltrax::gui
