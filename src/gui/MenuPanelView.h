#pragma once
// One panel of the function menus (Pnl_Main, Pnl_MseKey, ..., LB_Name): a
// column of rows inside a one-pixel border, the row under the pointer (or
// chosen with the arrow keys) in the hovered colours. It reports what the
// user points at and picks; the menus decide what that does.

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

namespace veltrax::gui {

// Group G of the layout: font and colours of every menu.
struct MenuLook {
  QFont font;
  QColor text;
  QColor back;
  QColor border;
  QColor hoveredText;
  QColor hoveredBack;
};

class MenuPanelView : public QWidget {
  Q_OBJECT

 public:
  struct Row {
    QString caption;
    bool marker = false;  // a group entry: ">>" at the right, opens a submenu
    bool enabled = true;
  };
  // The row under a point of the screen (the macro list's own rule); the
  // default counts whole rows from the top of the first shown row.
  using RowAtPointer = std::function<std::optional<int>(const QPoint& global)>;

  MenuPanelView(const QString& name, QWidget* parent);

  void SetLook(const MenuLook& look);
  // Rows of rowHeight pixels; the entries are entryWidth wide from
  // entryLeft. visibleRows rows are shown (the panel's height), the others
  // are reached by scrolling.
  void SetRows(QList<Row> rows);
  void SetRowGeometry(int rowHeight, int entryLeft, int entryWidth, int visibleRows);
  void SetRowAtPointer(RowAtPointer rowAt) { rowAt_ = std::move(rowAt); }

  const QList<Row>& Rows() const { return rows_; }
  int RowHeight() const { return rowHeight_; }
  int FirstVisibleRow() const { return first_; }
  int VisibleRows() const { return visibleRows_; }
  // The entry of row `row` in the panel's coordinates.
  QRect EntryRect(int row) const;
  std::optional<int> HoveredRow() const { return hovered_; }
  void SetHoveredRow(std::optional<int> row);

 signals:
  // The pointer entered a row, or the arrow keys moved onto it.
  void RowEntered(int row);
  // A click on a row, or Enter or Space on the hovered one.
  void RowActivated(int row);
  // Right arrow on the hovered row; Left arrow; Escape.
  void ForwardKey(int row);
  void BackKey();
  void EscapeKey();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  std::optional<int> RowAt(const QPoint& global) const;
  void PointAt(const QPoint& global);
  void MoveHover(int step);
  void ScrollTo(int row);
  bool Reachable(int row) const;

  MenuLook look_;
  QList<Row> rows_;
  RowAtPointer rowAt_;
  int rowHeight_ = 24;
  int entryLeft_ = 0;
  int entryWidth_ = 0;
  int visibleRows_ = 0;
  int first_ = 0;
  std::optional<int> hovered_;
};

}  // namespace veltrax::gui
