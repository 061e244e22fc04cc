#pragma once
// The controls of the macro page (gbPage4), placed, coloured and captioned
// from group F of the layout and the language: the library list, the event
// list, the New and Record buttons, the delay box with the delay and play
// mode options, the insert box, the hint line and the two context panels.
// It holds no rules; the page controller (MacroPage) drives it.

#include <QObject>
#include <QSize>
#include <array>

#include "base/TextTable.h"
#include "macro/MacroRow.h"

class QLabel;

namespace veltrax {
class LayoutTable;
}

namespace veltrax::gui {

class FilteredEdit;
class InsertPanelView;
class MacroListView;
class MenuPanelView;
class PictureChoice;
class Skin;
class SkinButton;
class SkinnedPage;

// The entries of the two context panels, in panel order.
enum class LibraryEntry { New, Rename, Delete, ImportOne, ImportAll, ExportOne, ExportAll };
enum class RowEntry { Edit, Delete, Insert };

class MacroPageView : public QObject {
  Q_OBJECT

 public:
  // The controls go on `page`; the context panels on `window`, above all.
  MacroPageView(SkinnedPage* page, QWidget* window, Skin& skin);

  void ApplyLayout(const LayoutTable& layout, const QSize& window, const QString& fontName);
  void SetCaptions(const TextTable& texts, bool recording);

  MacroListView* Library() const { return library_; }
  MacroListView* Rows() const { return rows_; }
  SkinButton* NewButton() const { return new_; }
  SkinButton* StartButton() const { return start_; }
  QWidget* DelayBox() const { return delayBox_; }
  PictureChoice* DelayOption(DelayMode mode) const { return delayOptions_[static_cast<int>(mode)]; }
  FilteredEdit* DelayField() const { return delayField_; }
  PictureChoice* ReleaseStop() const { return releaseStop_; }
  PictureChoice* ReleaseContinue() const { return releaseContinue_; }
  InsertPanelView* Insert() const { return insert_; }
  QLabel* Hint() const { return hint_; }
  MenuPanelView* LibraryMenu() const { return libraryMenu_; }
  MenuPanelView* RowMenu() const { return rowMenu_; }

  // The chosen delay option; the default delay field takes input only with
  // Default Delay.
  void ShowDelayMode(DelayMode mode);
  void ShowPlayMode(uint8_t mode);
  // The delay box or, while an insertion is prepared, the insert box.
  void ShowInsertBox(bool shown);
  // The normal, hovered, pressed or recording picture of a page button.
  void ShowButtonPicture(SkinButton* button, int state);
  // Opens a context panel at a point of the screen, kept inside the window.
  // Opened from the keyboard, its first entry that can be chosen is lit,
  // so that Enter chooses it as the arrow keys move on.
  void OpenMenu(MenuPanelView* menu, const QPoint& global, bool fromKeyboard);
  void CloseMenus();

 private:
  void BuildDelayBox(Skin& skin);
  void SizeMenu(MenuPanelView* menu);

  SkinnedPage* page_;
  QWidget* window_;
  Skin& skin_;
  MacroListView* library_;
  MacroListView* rows_;
  SkinButton* new_;
  SkinButton* start_;
  QWidget* delayBox_;
  std::array<PictureChoice*, 3> delayOptions_{};
  FilteredEdit* delayField_;
  PictureChoice* releaseStop_;
  PictureChoice* releaseContinue_;
  InsertPanelView* insert_;
  QLabel* hint_;
  MenuPanelView* libraryMenu_;
  MenuPanelView* rowMenu_;
};

}  // namespace veltrax::gui
