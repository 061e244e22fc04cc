#include "gui/MacroListView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "gui/LayoutLook.h"
#include "gui/MacroRowIcons.h"

namespace veltrax::gui {
namespace {

constexpr int kTypeRole = Qt::UserRole;
constexpr int kTextLeftPlain = 6;

class LineDelegate : public QStyledItemDelegate {
 public:
  LineDelegate(const MacroListLook& look, const int& rowHeight, bool icons, QObject* parent)
      : QStyledItemDelegate(parent), look_(look), rowHeight_(rowHeight), icons_(icons) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {option.rect.width(), rowHeight_};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    const QRect area = option.rect;
    const bool enabled = option.state.testFlag(QStyle::State_Enabled);
    if (option.state.testFlag(QStyle::State_Selected)) {
      painter->fillRect(area, look_.selectedBack);
    } else if (option.state.testFlag(QStyle::State_MouseOver) && enabled) {
      painter->fillRect(area, look_.hoveredBack);
    }
    int left = kTextLeftPlain;
    if (icons_) {
      PaintRowIcon(*painter, QRect(area.left(), area.top(), area.height(), area.height()),
                   index.data(kTypeRole).toInt(), look_.text);
      left = MacroListView::kTextLeftWithIcons;
    }
    QColor pen = look_.text;
    if (!enabled) pen.setAlpha(120);
    painter->setPen(pen);
    painter->setFont(look_.font);
    painter->drawText(area.adjusted(left, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
  }

 private:
  const MacroListLook& look_;
  const int& rowHeight_;
  bool icons_;
};

}  // namespace

MacroListView::MacroListView(const QString& name, bool icons, QWidget* parent) : QListWidget(parent), icons_(icons) {
  setObjectName(name);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setMouseTracking(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setItemDelegate(new LineDelegate(look_, rowHeight_, icons, this));
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!quiet_ && row >= 0) emit LineChosen(row);
  });
  Restyle();
}

void MacroListView::SetLook(const MacroListLook& look, int rowHeight) {
  look_ = look;
  rowHeight_ = rowHeight;
  setFont(look.font);
  Restyle();
  doItemsLayout();
}

void MacroListView::Restyle() {
  const QString back = CssColor(look_.back);
  setStyleSheet(QStringLiteral("QListWidget { background: %1; border: 1px solid %2; outline: none; }"
                               "QScrollBar:vertical { background: %1; width: 10px; margin: 0; }"
                               "QScrollBar::handle:vertical { background: %2; min-height: 20px; border-radius: 4px; }"
                               "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }"
                               "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
                    .arg(back, CssColor(look_.border)));
}

void MacroListView::SetLines(const QStringList& lines, const QList<int>& types) {
  const bool wasQuiet = quiet_;
  quiet_ = true;
  clear();
  for (int i = 0; i < lines.size(); ++i) {
    auto* item = new QListWidgetItem(lines[i], this);
    item->setData(kTypeRole, i < types.size() ? types[i] : -1);
  }
  quiet_ = wasQuiet;
}

int MacroListView::SelectedLine() const {
  const QList<QListWidgetItem*> chosen = selectedItems();
  return chosen.isEmpty() ? -1 : row(chosen.front());
}

void MacroListView::SelectLine(int line) {
  const bool wasQuiet = quiet_;
  quiet_ = true;
  if (line >= 0 && line < count()) {
    setCurrentRow(line);
    scrollToItem(item(line));
  } else {
    setCurrentRow(-1);
    clearSelection();
  }
  quiet_ = wasQuiet;
}

void MacroListView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) {
    QListWidget::mousePressEvent(event);
    return;
  }
  event->accept();
  setFocus(Qt::MouseFocusReason);
  QListWidgetItem* under = itemAt(event->position().toPoint());
  if (under) {
    SelectLine(row(under));
  } else {
    SelectLine(-1);
  }
  emit ContextPressed(under ? row(under) : -1);
}

void MacroListView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) {
    QListWidget::mouseReleaseEvent(event);
    return;
  }
  event->accept();
  emit ContextRequested(event->globalPosition().toPoint(), false);
}

void MacroListView::keyPressEvent(QKeyEvent* event) {
  const bool menuKey =
      event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  if (!menuKey) {
    QListWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  const int line = SelectedLine();
  const QRect at = line >= 0 ? visualItemRect(item(line)) : QRect(0, 0, width() / 2, 0);
  emit ContextRequested(viewport()->mapToGlobal(QPoint(at.left() + width() / 3, at.bottom())), true);
}

void MacroListView::changeEvent(QEvent* event) {
  QListWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) viewport()->update();
}

}  // namespace veltrax::gui
