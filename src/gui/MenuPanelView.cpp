#include "gui/MenuPanelView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "keys/FunctionMenus.h"

namespace veltrax::gui {

namespace {
constexpr int kBorder = 1;
constexpr int kTextInset = 2;
}  // namespace

MenuPanelView::MenuPanelView(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  hide();
}

void MenuPanelView::SetLook(const MenuLook& look) {
  look_ = look;
  setFont(look.font);
  update();
}

void MenuPanelView::SetRows(QList<Row> rows) {
  rows_ = std::move(rows);
  first_ = 0;
  hovered_.reset();
  update();
}

void MenuPanelView::SetRowGeometry(int rowHeight, int entryLeft, int entryWidth, int visibleRows) {
  rowHeight_ = rowHeight;
  entryLeft_ = entryLeft;
  entryWidth_ = entryWidth;
  visibleRows_ = visibleRows;
  update();
}

QRect MenuPanelView::EntryRect(int row) const {
  return {entryLeft_, kBorder + (row - first_) * rowHeight_, entryWidth_, rowHeight_};
}

void MenuPanelView::SetHoveredRow(std::optional<int> row) {
  if (row == hovered_) return;
  hovered_ = row;
  if (row) ScrollTo(*row);
  update();
}

bool MenuPanelView::Reachable(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) && rows_[row].enabled;
}

std::optional<int> MenuPanelView::RowAt(const QPoint& global) const {
  if (rowAt_) return rowAt_(global);
  const int y = mapFromGlobal(global).y() - kBorder;
  if (y < 0 || rowHeight_ <= 0) return std::nullopt;
  const int shown = y / rowHeight_;
  if (shown >= visibleRows_) return std::nullopt;
  return first_ + shown;
}

void MenuPanelView::PointAt(const QPoint& global) {
  const std::optional<int> row = RowAt(global);
  if (!row || !Reachable(*row) || row == hovered_) return;
  hovered_ = row;
  update();
  emit RowEntered(*row);
}

void MenuPanelView::MoveHover(int step) {
  const int count = static_cast<int>(rows_.size());
  if (count == 0) return;
  int row = hovered_.value_or(step > 0 ? -1 : count);
  for (int tried = 0; tried < count; ++tried) {
    row = (row + step + count) % count;
    if (!Reachable(row)) continue;
    SetHoveredRow(row);
    emit RowEntered(row);
    return;
  }
}

void MenuPanelView::ScrollTo(int row) {
  const int count = static_cast<int>(rows_.size());
  if (visibleRows_ <= 0 || count <= visibleRows_) return;
  if (row < first_) first_ = row;
  if (row >= first_ + visibleRows_) first_ = row - visibleRows_ + 1;
  first_ = std::clamp(first_, 0, count - visibleRows_);
}

void MenuPanelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), look_.back);
  painter.setFont(font());
  const int last = std::min(static_cast<int>(rows_.size()), first_ + visibleRows_);
  for (int row = first_; row < last; ++row) {
    const Row& entry = rows_[row];
    const QRect area = EntryRect(row);
    const bool hovered = hovered_ == row;
    if (hovered) painter.fillRect(area, look_.hoveredBack);
    QColor pen = hovered ? look_.hoveredText : look_.text;
    if (!entry.enabled) pen.setAlpha(110);
    painter.setPen(pen);
    const int textRight = entry.marker ? MarkerLeft(area.width()) : area.width();
    painter.drawText(QRect(area.left() + kTextInset, area.top(), textRight - kTextInset, area.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, entry.caption);
    if (entry.marker) {
      painter.drawText(QRect(area.left() + textRight, area.top(), area.width() - textRight, area.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kGroupMarker.data(), 2));
    }
  }
  painter.setPen(look_.border);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MenuPanelView::mouseMoveEvent(QMouseEvent* event) { PointAt(event->globalPosition().toPoint()); }

void MenuPanelView::mousePressEvent(QMouseEvent* event) {
  // A press on a menu is no press on the page behind it.
  event->accept();
}

void MenuPanelView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const std::optional<int> row = RowAt(event->globalPosition().toPoint());
  if (row && Reachable(*row)) emit RowActivated(*row);
}

void MenuPanelView::leaveEvent(QEvent*) {
  // A leaf turns back; a group entry stays lit while its submenu is open.
  if (hovered_ && !rows_.value(*hovered_).marker) {
    hovered_.reset();
    update();
  }
}

void MenuPanelView::wheelEvent(QWheelEvent* event) {
  event->accept();
  const int count = static_cast<int>(rows_.size());
  if (count <= visibleRows_) return;
  const int steps = event->angleDelta().y() / 120;
  first_ = std::clamp(first_ - steps, 0, count - visibleRows_);
  update();
  PointAt(event->globalPosition().toPoint());
}

void MenuPanelView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up: MoveHover(-1); break;
    case Qt::Key_Down: MoveHover(1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (hovered_) emit RowActivated(*hovered_);
      break;
    case Qt::Key_Right:
      if (hovered_) emit ForwardKey(*hovered_);
      break;
    case Qt::Key_Left: emit BackKey(); break;
    case Qt::Key_Escape: emit EscapeKey(); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void MenuPanelView::hideEvent(QHideEvent*) {
  hovered_.reset();
  first_ = 0;
}

}  // namespace veltrax::gui
