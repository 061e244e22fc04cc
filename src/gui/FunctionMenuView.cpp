#include "gui/FunctionMenuView.h"

#include <algorithm>

#include "gui/SkinFont.h"
#include "resources/LayoutTable.h"

namespace veltrax::gui {

namespace {

// The macro list shows this many rows at most and scrolls through the rest.
constexpr int kMacroListRows = 10;
// The main menu's entries are 4 pixels narrower than it, centred.
constexpr int kMainEntryLeft = 2;

constexpr std::array<const char*, kMenuPanelCount> kPanelNames{
    "Pnl_Main", "Pnl_MseKey", "Pnl_Special", "Pnl_Media", "Pnl_WWW", "Pnl_MyPC", "Pnl_CPIKey", "LB_Name"};

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

QColor ColorOf(const LayoutTable& layout, const char* prefix, uint32_t fallback) {
  const Rgb rgb = SplitColor(layout.Color(prefix).value_or(fallback));
  return {rgb.r, rgb.g, rgb.b};
}

Rect RectOf(const QWidget* widget) { return {widget->x(), widget->y(), widget->width(), widget->height()}; }

Rect RectOf(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

Size SizeOf(const QSize& size) { return {size.width(), size.height()}; }

}  // namespace

FunctionMenuView::FunctionMenuView(QWidget* window) : QObject(window), window_(window) {
  for (int i = 0; i < kMenuPanelCount; ++i) {
    const auto id = static_cast<MenuPanel>(i);
    auto* panel = new MenuPanelView(QString::fromLatin1(kPanelNames[i]), window);
    panels_[i] = panel;
    connect(panel, &MenuPanelView::RowEntered, this, [this, id](int row) { OnRowEntered(id, row); });
    connect(panel, &MenuPanelView::RowActivated, this, [this, id](int row) { OnRowActivated(id, row); });
    connect(panel, &MenuPanelView::ForwardKey, this, [this, id](int row) { OnForward(id, row); });
    connect(panel, &MenuPanelView::BackKey, this, [this, id] { OnBack(id); });
    connect(panel, &MenuPanelView::EscapeKey, this, &FunctionMenuView::OnEscape);
  }
  Panel(MenuPanel::MacroList)->SetRowAtPointer([this](const QPoint& global) { return MacroRowAt(global); });
}

void FunctionMenuView::ApplyLanguage(const LayoutTable& layout, const QString& fontName, const TextTable& texts) {
  HideAllMenu();
  const MenuLook look{SkinFont(fontName, layout.IntOr("Size_G", 9)),  ColorOf(layout, "Color_G", 0xFFFFFF),
                      ColorOf(layout, "Color_G_Back", 0x241C18),       ColorOf(layout, "Color_G_Border", 0x4A3C34),
                      ColorOf(layout, "Color_G_SF", 0xFFFFFF),         ColorOf(layout, "Color_G_SP", 0x8A780E)};
  widths_ = {layout.IntOr("M_L_W", 176), layout.IntOr("SP_L_W", 160), layout.IntOr("O_L_W", 160)};
  macroPageShown_ = layout.IntOr("Btn_B11_Enable", 1) == 1;
  macroRowHeight_ = layout.IntOr("MacroNameHeight", kMenuRowHeight);
  for (int i = 0; i < kMenuPanelCount; ++i) {
    const auto id = static_cast<MenuPanel>(i);
    MenuPanelView* panel = panels_[i];
    panel->SetLook(look);
    if (id == MenuPanel::MacroList) continue;
    QList<MenuPanelView::Row> rows;
    for (const MenuEntry& entry : MenuEntries(id)) {
      if (entry.visible) rows.append({FromUtf8(EntryCaption(entry, texts)), entry.kind == MenuEntryKind::Group});
    }
    const int shown = VisibleRowCount(id, macroPageShown_);
    rows = rows.mid(0, shown);
    panel->SetRows(rows);
    panel->SetRowGeometry(kMenuRowHeight, id == MenuPanel::Main ? kMainEntryLeft : 0, EntryWidth(id, widths_), shown);
    panel->resize(PanelSize(id));
  }
}

QSize FunctionMenuView::PanelSize(MenuPanel panel) const {
  if (panel != MenuPanel::MacroList) return {PanelWidth(panel, widths_), PanelHeight(panel, macroPageShown_)};
  return {widths_.other, Panel(panel)->VisibleRows() * macroRowHeight_ + 2};
}

void FunctionMenuView::OpenAtLabel(const AssignTarget& target, const QRect& label, QWidget* returnFocus) {
  const Point at = MainMenuAtLabel(RectOf(label), SizeOf(PanelSize(MenuPanel::Main)), SizeOf(window_->size()));
  OpenAt(target, at.x, at.y, returnFocus);
}

void FunctionMenuView::OpenAtEngineerButton(const AssignTarget& target, const QRect& button,
                                            const EngineerFrame& frame, QWidget* returnFocus) {
  const Point at = MainMenuAtEngineerButton(RectOf(button), SizeOf(PanelSize(MenuPanel::Main)), frame);
  OpenAt(target, at.x, at.y, returnFocus);
}

void FunctionMenuView::OpenAt(const AssignTarget& target, int x, int y, QWidget* returnFocus) {
  cascade_.Open(target);
  Panel(MenuPanel::Main)->move(x, y);
  Sync();
  Panel(MenuPanel::Main)->setFocus();
  returnFocus_ = returnFocus;
}

void FunctionMenuView::HideAllMenu() {
  const bool hadFocus = std::any_of(panels_.begin(), panels_.end(), [](QWidget* panel) { return panel->hasFocus(); });
  cascade_.CloseAll();
  Sync();
  // The keyboard goes on from the key label the menus were opened for.
  if (hadFocus && returnFocus_) returnFocus_->setFocus(Qt::OtherFocusReason);
}

void FunctionMenuView::OnRowEntered(MenuPanel panel, int row) {
  if (panel == MenuPanel::MacroList) {
    cascade_.HoverMacroRow(row);
    return;
  }
  const MenuEntry& entry = MenuEntries(panel)[row];
  if (entry.kind == MenuEntryKind::Group) {
    // The macro list reads the library anew each time it opens.
    if (entry.opens == MenuPanel::MacroList && !cascade_.IsOpen(MenuPanel::MacroList)) FillMacroList();
    PlaceSubmenu(panel, row, entry.opens);
  }
  cascade_.HoverEntry(panel, row);
  Sync();
}

void FunctionMenuView::OnRowActivated(MenuPanel panel, int row) {
  if (panel == MenuPanel::MacroList) {
    emit MacroChosen(row);
    return;
  }
  const MenuEntry& entry = MenuEntries(panel)[row];
  switch (entry.kind) {
    case MenuEntryKind::Function: emit EntryChosen(entry.entryId); break;
    case MenuEntryKind::Combination: emit CombinationChosen(); break;
    case MenuEntryKind::Group: OnForward(panel, row); break;
  }
}

void FunctionMenuView::OnForward(MenuPanel panel, int row) {
  if (panel == MenuPanel::MacroList) return;
  const MenuEntry& entry = MenuEntries(panel)[row];
  if (entry.kind != MenuEntryKind::Group) return;
  if (!cascade_.IsOpen(entry.opens)) OnRowEntered(panel, row);
  MenuPanelView* submenu = Panel(entry.opens);
  submenu->setFocus();
  if (!submenu->Rows().isEmpty() && submenu->Rows().front().enabled) {
    submenu->SetHoveredRow(0);
    OnRowEntered(entry.opens, 0);
  }
}

void FunctionMenuView::OnBack(MenuPanel panel) {
  if (panel == MenuPanel::Main) return;
  Panel(ParentOf(panel))->setFocus();
}

void FunctionMenuView::OnEscape() {
  HideAllMenu();
  if (returnFocus_) returnFocus_->setFocus(Qt::ShortcutFocusReason);
}

MenuPanel FunctionMenuView::ParentOf(MenuPanel panel) const {
  return panel == MenuPanel::DpiKey ? MenuPanel::Special : MenuPanel::Main;
}

void FunctionMenuView::PlaceSubmenu(MenuPanel parent, int row, MenuPanel submenu) {
  const QSize size = PanelSize(submenu);
  const Size window = SizeOf(window_->size());
  const Rect entry = RectOf(Panel(parent)->EntryRect(row));
  const Rect main = RectOf(Panel(MenuPanel::Main));
  const Point at = submenu == MenuPanel::DpiKey
                       ? DpiSubmenuAt(main, RectOf(Panel(MenuPanel::Special)), entry, SizeOf(size), window)
                       : SubmenuAt(main, entry, SizeOf(size), widths_.special, window);
  Panel(submenu)->setGeometry(at.x, at.y, size.width(), size.height());
}

void FunctionMenuView::FillMacroList() {
  QList<MenuPanelView::Row> rows;
  const std::vector<std::string> names = macroNames_ ? macroNames_() : std::vector<std::string>{};
  for (const std::string& name : names) rows.append({FromUtf8(name)});
  // An empty library shows one row that cannot be chosen.
  if (rows.isEmpty()) rows.append({QStringLiteral(" \u2014"), false, false});
  MenuPanelView* list = Panel(MenuPanel::MacroList);
  const int shown = std::min(static_cast<int>(rows.size()), kMacroListRows);
  list->SetRows(rows);
  list->SetRowGeometry(macroRowHeight_, 0, widths_.other, shown);
}

std::optional<int> FunctionMenuView::MacroRowAt(const QPoint& global) const {
  const MenuPanelView* list = Panel(MenuPanel::MacroList);
  const int windowTop = window_->mapToGlobal(QPoint(0, 0)).y();
  const int count = static_cast<int>(list->Rows().size());
  const std::optional<int> row =
      MacroRowUnderPointer(list->FirstVisibleRow(), global.y(), windowTop, list->y() + 1, macroRowHeight_, count);
  if (!row || *row >= list->FirstVisibleRow() + list->VisibleRows()) return std::nullopt;
  return row;
}

void FunctionMenuView::Sync() {
  for (int i = 0; i < kMenuPanelCount; ++i) {
    const bool open = cascade_.IsOpen(static_cast<MenuPanel>(i));
    if (open == panels_[i]->isVisibleTo(window_)) continue;
    panels_[i]->setVisible(open);
    if (open) panels_[i]->raise();
  }
}

}  // namespace veltrax::gui
