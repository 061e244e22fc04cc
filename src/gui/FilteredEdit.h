#pragma once
// A text field that refuses the characters its rule does not accept and
// corrects its text as the user types (the numeric fields of the macro
// page and its dialogs). The rules are the domain's text functions.

#include <QLineEdit>
#include <functional>
#include <string>
#include <string_view>

namespace veltrax::gui {

class FilteredEdit : public QLineEdit {
  Q_OBJECT

 public:
  using Accepts = bool (*)(char);
  using Correct = std::string (*)(std::string_view);
  FilteredEdit(const QString& name, Accepts accepts, Correct correct, QWidget* parent);

  // The look of a read-only field: grey text.
  void SetGreyed(bool greyed);
  void SetColors(const QColor& text, const QColor& back);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OnEdited(const QString& text);
  void Restyle();

  Accepts accepts_;
  Correct correct_;
  QColor text_ = Qt::black;
  QColor back_ = Qt::white;
  bool greyed_ = false;
};

}  // namespace veltrax::gui
