#include "gui/MacroPageView.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <algorithm>

#include "gui/FilteredEdit.h"
#include "gui/InsertPanelView.h"
#include "gui/LayoutLook.h"
#include "gui/MacroListView.h"
#include "gui/MenuPanelView.h"
#include "gui/PictureChoice.h"
#include "gui/Skin.h"
#include "gui/SkinButton.h"
#include "gui/SkinFont.h"
#include "gui/SkinnedPage.h"
#include "macro/MacroValueRules.h"
#include "resources/LayoutTable.h"

namespace veltrax::gui {
namespace {

// Sizes the layout does not give.
constexpr int kBoxWidth = 207;
constexpr int kBoxHeight = 162;
constexpr int kLibraryWidth = 244;
constexpr int kRowsWidth = 272;
constexpr int kRowHeight = 20;
constexpr int kDelayEditWidth = 42;
constexpr int kDelayEditHeight = 22;
constexpr int kOptionClickWidth = 190;
constexpr int kMenuRowHeight = 24;
constexpr int kMenuPadding = 24;
// The hint line lies in the recording column, below the box and its note.
constexpr int kHintTop = 310;
constexpr int kHintHeight = 120;
constexpr int kHintInset = 8;

constexpr const char* kLibraryEntryIds[] = {"Str432", "Str402", "Str433", "Str406", "Str407", "Str404", "Str405"};
constexpr const char* kRowEntryIds[] = {"Str435", "Str408", "Str409"};
constexpr const char* kDelayNames[] = {"RecDelay", "DelayTime", "NoDelay"};

SkinButton* PageButton(const QString& name, QWidget* parent) {
  auto* button = new SkinButton(name, parent);
  button->SetKeyboardActivation(true);
  return button;
}

QList<MenuPanelView::Row> Entries(const TextTable& texts, std::span<const char* const> ids) {
  QList<MenuPanelView::Row> rows;
  for (const char* id : ids) rows.append({FromUtf8Text(texts.Text(id))});
  return rows;
}

}  // namespace

MacroPageView::MacroPageView(SkinnedPage* page, QWidget* window, Skin& skin)
    : QObject(page), page_(page), window_(window), skin_(skin) {
  library_ = new MacroListView(QStringLiteral("LB_PCMacroName"), false, page);
  rows_ = new MacroListView(QStringLiteral("LB_macro"), true, page);
  new_ = PageButton(QStringLiteral("Btn_New"), page);
  start_ = PageButton(QStringLiteral("Btn_Start"), page);
  for (SkinButton* button : {new_, start_}) ShowButtonPicture(button, 1);
  BuildDelayBox(skin);
  insert_ = new InsertPanelView(page, skin);
  insert_->hide();
  hint_ = new QLabel(page);
  hint_->setObjectName(QStringLiteral("lbl_MacroHint"));
  hint_->setWordWrap(true);
  hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  libraryMenu_ = new MenuPanelView(QStringLiteral("Pnl_PCMacroName"), window);
  rowMenu_ = new MenuPanelView(QStringLiteral("Pnl_Macro"), window);
  page->setTabOrder(library_, rows_);
  page->setTabOrder(rows_, new_);
  page->setTabOrder(new_, start_);
}

void MacroPageView::BuildDelayBox(Skin& skin) {
  // Transparent: the page picture carries the box and its captions.
  delayBox_ = new QWidget(page_);
  delayBox_->setObjectName(QStringLiteral("Gb_Delay"));
  for (int i = 0; i < 3; ++i) {
    const QString name = QString::fromLatin1(kDelayNames[i]);
    delayOptions_[i] = new PictureChoice(QStringLiteral("LED_") + name, QStringLiteral("IB_") + name, delayBox_, skin);
  }
  delayField_ = new FilteredEdit(QStringLiteral("Edt_Delay"), AcceptsDelayKey, CorrectDelayField, delayBox_);
  releaseStop_ = new PictureChoice(QStringLiteral("Img_ReleaseStop"), QStringLiteral("IB_ReleaseStop"), delayBox_, skin);
  releaseContinue_ =
      new PictureChoice(QStringLiteral("Img_ReleaseContiue"), QStringLiteral("IB_ReleaseContiue"), delayBox_, skin);
}

void MacroPageView::ApplyLayout(const LayoutTable& layout, const QSize& window, const QString& fontName) {
  const QFont font = SkinFont(fontName, layout.IntOr("Size_F", 9));
  const QColor text = LayoutColor(layout, "Color_F", 0xEEE6E0);
  const QColor fieldBack = Qt::white;
  const MacroListLook look{font,
                           LayoutColor(layout, "Color_F_Font", 0xEEE6E0),
                           LayoutColor(layout, "Color_F_LBack", 0x191310),
                           LayoutColor(layout, "Color_F_LBorder", 0x4A3C34),
                           LayoutColor(layout, "Color_M_IBG", 0x8A780E),
                           QColor(LayoutColor(layout, "Color_M_IBG", 0x8A780E).lighter(60))};
  const int nameHeight = layout.IntOr("MacroNameHeight", 28);
  const int listHeight = layout.IntOr("PCMacroName_H", 376);
  library_->SetLook(look, nameHeight);
  rows_->SetLook(look, kRowHeight);
  const Placement libraryAt = layout.Place("PCMacroName", window.width(), window.height());
  library_->setGeometry(libraryAt.x, libraryAt.y, kLibraryWidth, listHeight);
  library_->setVisible(libraryAt.visible);
  const Placement rowsAt = layout.Place("MacroContent", window.width(), window.height());
  rows_->setGeometry(rowsAt.x, rowsAt.y, kRowsWidth, listHeight);
  rows_->setVisible(rowsAt.visible);
  for (auto [button, key] : {std::pair{new_, "BtnNew"}, std::pair{start_, "BtnStart"}}) {
    const Placement at = layout.Place(key, window.width(), window.height());
    button->Place(at.x, at.y, at.visible);
    button->setFont(font);
    button->SetTextColor(text);
  }

  const Placement box = layout.Place("DelayTime", window.width(), window.height());
  delayBox_->setGeometry(box.x, box.y, kBoxWidth, kBoxHeight);
  delayBox_->setFont(font);
  const QPoint option(layout.IntOr("RecDelay_X", 14), layout.IntOr("RecDelay_Y", 18));
  const int step = layout.IntOr("RecDelay_H", 26);
  for (int i = 0; i < 3; ++i) delayOptions_[i]->Place(option.x(), option.y() + i * step, -2, kOptionClickWidth);
  delayField_->setGeometry(layout.IntOr("DelayEdit_X", 124), layout.IntOr("DelayEdit_Y", 40), kDelayEditWidth,
                           kDelayEditHeight);
  delayField_->setFont(font);
  delayField_->SetColors(Qt::black, fieldBack);
  // The Default Delay choice's click area reaches under the field.
  delayField_->raise();
  releaseStop_->Place(layout.IntOr("ReleaseStop_X", 14), layout.IntOr("ReleaseStop_Y", 106), -2, kOptionClickWidth);
  releaseContinue_->Place(layout.IntOr("ReleaseContinue_X", 14), layout.IntOr("ReleaseContinue_Y", 130), -2,
                          kOptionClickWidth);

  const Placement insert = layout.Place("Insert", window.width(), window.height());
  insert_->move(insert.x, insert.y);
  insert_->ApplyLayout(layout, font, text, fieldBack);

  hint_->setGeometry(box.x + kHintInset, box.y + kHintTop, kBoxWidth - kHintInset, kHintHeight);
  hint_->setFont(font);
  hint_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(CssColor(text)));

  const MenuLook menuLook{font,
                          text,
                          LayoutColor(layout, "Color_F_Back", 0x241C18),
                          LayoutColor(layout, "Color_F_LBorder", 0x4A3C34),
                          Qt::white,
                          QApplication::palette().color(QPalette::Highlight)};
  for (MenuPanelView* menu : {libraryMenu_, rowMenu_}) menu->SetLook(menuLook);
}

void MacroPageView::SetCaptions(const TextTable& texts, bool recording) {
  new_->SetCaption(FromUtf8Text(texts.Text("Str432")));
  start_->SetCaption(FromUtf8Text(texts.Text(recording ? "Str401" : "Str400")));
  libraryMenu_->SetRows(Entries(texts, kLibraryEntryIds));
  rowMenu_->SetRows(Entries(texts, kRowEntryIds));
  SizeMenu(libraryMenu_);
  SizeMenu(rowMenu_);
  insert_->SetCaptions(texts);
}

void MacroPageView::SizeMenu(MenuPanelView* menu) {
  int width = 0;
  const QFontMetrics metrics(menu->font());
  for (const MenuPanelView::Row& row : menu->Rows()) width = std::max(width, metrics.horizontalAdvance(row.caption));
  width += kMenuPadding;
  const int rows = static_cast<int>(menu->Rows().size());
  menu->SetRowGeometry(kMenuRowHeight, 1, width, rows);
  menu->resize(width + 2, rows * kMenuRowHeight + 2);
}

void MacroPageView::ShowDelayMode(DelayMode mode) {
  for (int i = 0; i < 3; ++i) delayOptions_[i]->SetOn(i == static_cast<int>(mode));
  delayField_->SetGreyed(mode != DelayMode::Default);
}

void MacroPageView::ShowPlayMode(uint8_t mode) {
  releaseStop_->SetOn(mode == 1);
  releaseContinue_->SetOn(mode != 1);
}

void MacroPageView::ShowInsertBox(bool shown) {
  insert_->setVisible(shown);
  delayBox_->setVisible(!shown);
}

void MacroPageView::ShowButtonPicture(SkinButton* button, int state) {
  const QString name = QStringLiteral("MacroS_0%1").arg(state);
  button->SetPicture(name, skin_.Picture(name));
}

void MacroPageView::OpenMenu(MenuPanelView* menu, const QPoint& global, bool fromKeyboard) {
  CloseMenus();
  QPoint at = window_->mapFromGlobal(global);
  at.setX(std::clamp(at.x(), 0, std::max(0, window_->width() - menu->width())));
  at.setY(std::clamp(at.y(), 0, std::max(0, window_->height() - menu->height())));
  menu->move(at);
  menu->show();
  menu->raise();
  menu->setFocus(Qt::PopupFocusReason);
  if (!fromKeyboard) return;
  const QList<MenuPanelView::Row>& rows = menu->Rows();
  for (int row = 0; row < rows.size(); ++row) {
    if (rows[row].enabled) {
      menu->SetHoveredRow(row);
      return;
    }
  }
}

void MacroPageView::CloseMenus() {
  for (MenuPanelView* menu : {libraryMenu_, rowMenu_}) menu->hide();
}

}  // namespace veltrax::gui
