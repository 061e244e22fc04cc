#pragma once
// The macro page's two lists, owner-drawn in the skin's colours: the
// library list LB_PCMacroName (names) and the event list LB_macro (one row
// per macro row, its type's icon at the left and its text 45 pixels in).
// A right press selects the line under the pointer (or clears the selection
// below the last line); its release, the menu key or Shift+F10 asks for the
// context panel.

#include <QColor>
#include <QFont>
#include <QListWidget>

namespace veltrax::gui {

struct MacroListLook {
  QFont font;
  QColor text;
  QColor back;
  QColor border;
  QColor selectedBack;
  QColor hoveredBack;
};

class MacroListView : public QListWidget {
  Q_OBJECT

 public:
  static constexpr int kTextLeftWithIcons = 45;

  MacroListView(const QString& name, bool icons, QWidget* parent);

  void SetLook(const MacroListLook& look, int rowHeight);
  // The lines; with icons, each line's row type (0..8, -1 for none).
  void SetLines(const QStringList& lines, const QList<int>& types = {});
  // The selected line, -1 for none; selecting a line brings it into view.
  int SelectedLine() const;
  void SelectLine(int line);
  int RowHeight() const { return rowHeight_; }

 signals:
  // The user chose a line: a click, or the arrow keys.
  void LineChosen(int line);
  // A right press selected `line` (-1: below the last line).
  void ContextPressed(int line);
  // The context panel is asked for at a point of the screen.
  void ContextRequested(const QPoint& global, bool fromKeyboard);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Restyle();

  bool icons_;
  MacroListLook look_;
  int rowHeight_ = 20;
  bool quiet_ = false;  // selection changes made by the program are no choice
};

}  // namespace veltrax::gui
