#pragma once
// The furniture of the four skinned pages behaving as one: placing and
// captioning every copy, the pictures of each state (normal, hovered,
// pressed, selected), and the rolling caption of a hovered button.

#include <QFont>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <span>

#include "gui/RollingCaption.h"
#include "gui/SkinButton.h"
#include "gui/SkinnedPage.h"

namespace veltrax {
class LayoutTable;
struct GlobalOptions;
}  // namespace veltrax

namespace veltrax::gui {

class Skin;

class WindowChrome : public QObject {
  Q_OBJECT

 public:
  static constexpr int kLabelRunMs = 200;
  using Pages = std::array<SkinnedPage*, 4>;

  WindowChrome(const Pages& pages, Skin& skin, QObject* parent);

  // The four copies of a furniture button ("Main" gives Btn_Main_1 .. _4).
  std::array<SkinButton*, 4> Copies(const QString& base) const;
  void SetPicture(const QString& base, const QString& pictureName);
  void SetCaption(const QString& base, const QString& caption);
  // One button's caption; a hovered button keeps rolling the new one.
  void SetButtonCaption(SkinButton* button, const QString& caption);
  // A key label whose menu opens: normal picture, its caption back.
  void EndKeyLabelHover(SkinButton* key);

  // Load start pictures: every button's first state.
  void ShowStartPictures(int language);
  // Groups A and B of a layout, and the web button from the global options.
  void ApplyLayout(const LayoutTable& layout, const QSize& window);
  void PlaceWebButton(const GlobalOptions& options, const QSize& window);
  void SetFontFamily(const QString& family);

  // SetS_01 on every page, Save and Load button.
  void ResetNavigationPictures();
  // The selected look SetS_03 on the four copies of a page or language button.
  void SelectPageButton(const QString& base);
  void SelectLanguage(int language);
  QString SelectedPageButton() const { return selectedPage_; }

  // The pressed look of a button's four copies.
  void ShowPressed(const QString& base);

  void SetRollingEnabled(bool enabled) { rollingEnabled_ = enabled; }
  // Web hover pictures change only while a mouse is connected.
  void SetDeviceConnected(std::function<bool()> connected) { deviceConnected_ = std::move(connected); }
  // Restarts the rolling caption on a button (after a language switch, or a
  // page's own button entered).
  void RestartRolling(SkinButton* button);
  // A page's own button left: its caption stops rolling and is whole again.
  void EndRolling(SkinButton* button);
  const RollingCaption& Rolling() const { return rolling_; }
  QTimer& LabelRun() { return labelRun_; }
  // Every 200 ms while a button is hovered: one step of its caption.
  void LabelRunTimer();

 signals:
  // A click on any copy of a furniture button, by base name.
  void Clicked(const QString& base);
  // A click on key label n (1 to 9).
  void KeyLabelClicked(int n);

 private:
  void Connect(SkinButton* button, const QString& base);
  void OnEntered(SkinButton* button, const QString& base);
  void OnLeft(SkinButton* button, const QString& base);
  void OnPressed(const QString& base);
  void StopRolling();
  QString NormalPicture(const QString& base) const;
  QString HoverPicture(const QString& base) const;

  Pages pages_;
  Skin& skin_;
  QString selectedPage_ = QStringLiteral("Main");
  QString selectedLanguage_ = QStringLiteral("Lang1");
  bool rollingEnabled_ = true;
  std::function<bool()> deviceConnected_ = [] { return false; };
  SkinButton* hovered_ = nullptr;
  RollingCaption rolling_;
  QTimer labelRun_;
};

}  // namespace veltrax::gui
