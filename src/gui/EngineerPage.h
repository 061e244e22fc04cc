#pragma once
// The engineer page (gbPage6): its banner Img_Logo4, the tab control
// Pg_Parameter with the operator tab, the status line lbl_Content and its
// own close, write, save, load and default buttons. The parameter controls
// on its tabs belong to the pages that edit them.

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

namespace veltrax::gui {

class EngineerPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 1076;
  static constexpr int kHeight = 640;

  explicit EngineerPage(QWidget* parent);

  // Captions from the engineer caption table in its column.
  void SetCaptions(int captionColumn);
  // The status line that shows the application's hints.
  QLabel* Content() const { return content_; }
  QWidget* Banner() const { return banner_; }
  QTabWidget* Parameters() const { return parameters_; }
  QWidget* OperatorTab() const { return operatorTab_; }

 signals:
  void CloseClicked();
  void WriteClicked();
  void SaveClicked();
  void LoadClicked();
  void DefaultClicked();

 private:
  QPushButton* AddButton(const QString& name, int x, int y);

  QLabel* banner_;
  QTabWidget* parameters_;
  QWidget* operatorTab_;
  QWidget* engineerTab_;
  QLabel* content_;
  QPushButton* close_;
  QPushButton* write_;
  QPushButton* save_;
  QPushButton* load_;
  QPushButton* default_;
};

}  // namespace veltrax::gui
