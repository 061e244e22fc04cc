#include "gui/EngineerForm.h"

#include "resources/EngineerCaptionTable.h"

namespace veltrax::gui {

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

template <class Widget>
Widget* Make(QWidget* parent, const char* name, const QRect& at) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(at);
  return widget;
}

}  // namespace

EngineerForm::EngineerForm(std::function<ImageState&()> state, std::function<void()> edited,
                           std::function<void(const QString&)> say, QObject* parent)
    : QObject(parent), state_(std::move(state)), edited_(std::move(edited)), say_(std::move(say)) {}

void EngineerForm::Change(const std::function<void(EngineerControls&)>& rule) {
  rule(state_().controls);
  edited_();
  std::vector<QString> messages;
  messages.swap(pending_);
  for (const QString& text : messages) say_(text);
}

void EngineerForm::AddCaption(const Caption& caption, std::function<void(const QString&)> set) {
  set(caption.row >= 0 ? CaptionText(caption.row) : caption.fixed);
  captions_.emplace_back(caption, std::move(set));
}

QString EngineerForm::CaptionText(int row) const {
  const std::optional<std::string> text = EngineerCaption(row, column_);
  return text ? FromUtf8(*text) : QString();
}

QGroupBox* EngineerForm::Group(QWidget* parent, const char* name, const QRect& at, Caption caption,
                               ControlsTest shown) {
  auto* group = Make<QGroupBox>(parent, name, at);
  AddCaption(caption, [group](const QString& text) { group->setTitle(text); });
  if (shown) redraws_.push_back([group, shown](const EngineerControls& c) { group->setVisible(shown(c)); });
  return group;
}

QWidget* EngineerForm::Area(QWidget* parent, const char* name, const QRect& at, ControlsTest shown) {
  auto* area = Make<QWidget>(parent, name, at);
  redraws_.push_back([area, shown](const EngineerControls& c) { area->setVisible(shown(c)); });
  return area;
}

QLabel* EngineerForm::LabelFor(QWidget* control, const char* name, const QRect& at, Caption caption) {
  QLabel* label = Label(control->parentWidget(), name, at, std::move(caption));
  label->setBuddy(control);
  redraws_.push_back([label, control](const EngineerControls&) {
    label->setVisible(!control->isHidden());
    label->setEnabled(control->isEnabled());
  });
  return label;
}

QLabel* EngineerForm::Label(QWidget* parent, const char* name, const QRect& at, Caption caption) {
  auto* label = Make<QLabel>(parent, name, at);
  AddCaption(caption, [label](const QString& text) { label->setText(text); });
  return label;
}

QRadioButton* EngineerForm::Radio(QWidget* parent, const char* name, const QRect& at, Caption caption,
                                  PartOf<RadioButton> part, std::function<void(EngineerControls&)> choose) {
  auto* radio = Make<QRadioButton>(parent, name, at);
  // The controls decide which side is checked; neither may be.
  radio->setAutoExclusive(false);
  AddCaption(caption, [radio](const QString& text) { radio->setText(text); });
  redraws_.push_back([radio, part](const EngineerControls& c) {
    const RadioButton& r = part(c);
    radio->setChecked(r.checked);
    radio->setEnabled(r.enabled);
    radio->setVisible(r.visible);
  });
  connect(radio, &QRadioButton::clicked, this, [this, choose] { Change(choose); });
  return radio;
}

QCheckBox* EngineerForm::Check(QWidget* parent, const char* name, const QRect& at, Caption caption,
                               PartOf<CheckBox> part, std::function<void(EngineerControls&, bool)> set) {
  auto* check = Make<QCheckBox>(parent, name, at);
  AddCaption(caption, [check](const QString& text) { check->setText(text); });
  redraws_.push_back([check, part](const EngineerControls& c) {
    const CheckBox& box = part(c);
    check->setChecked(box.checked);
    check->setEnabled(box.enabled);
    check->setVisible(box.visible);
  });
  connect(check, &QCheckBox::clicked, this,
          [this, set](bool checked) { Change([&](EngineerControls& c) { set(c, checked); }); });
  return check;
}

QComboBox* EngineerForm::Combo(QWidget* parent, const char* name, const QRect& at, PartOf<Selector> part,
                               std::function<void(EngineerControls&, int)> choose, ItemTexts texts) {
  auto* combo = Make<QComboBox>(parent, name, at);
  combo->setMaxVisibleItems(12);
  redraws_.push_back([this, combo, part, texts](const EngineerControls& c) {
    const Selector& s = part(c);
    QStringList items;
    for (int i = 0; i < static_cast<int>(s.items.size()); ++i) {
      items << (texts ? texts(i, s.items[i], column_) : FromUtf8(s.items[i]));
    }
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (shown != items) {
      combo->clear();
      combo->addItems(items);
    }
    // An index outside the list shows no item.
    combo->setCurrentIndex(s.itemIndex);
    combo->setEnabled(s.enabled);
    combo->setVisible(s.visible);
  });
  connect(combo, &QComboBox::activated, this,
          [this, choose](int index) { Change([&](EngineerControls& c) { choose(c, index); }); });
  return combo;
}

QLineEdit* EngineerForm::NumberEdit(QWidget* parent, const char* name, const QRect& at, PartOf<Edit> part,
                                    int maxLength, std::function<void(EngineerControls&, std::string_view)> typed,
                                    std::function<void(EngineerControls&)> left) {
  auto* edit = Make<QLineEdit>(parent, name, at);
  edit->setMaxLength(maxLength);
  edit->setAlignment(Qt::AlignCenter);
  edit->setReadOnly(!typed);
  redraws_.push_back([edit, part](const EngineerControls& c) {
    const Edit& e = part(c);
    const QString text = FromUtf8(e.text);
    // The text a rule left as it was keeps the cursor where the user is.
    if (edit->text() != text) edit->setText(text);
    edit->setEnabled(e.enabled);
    edit->setVisible(e.visible);
  });
  if (typed) {
    connect(edit, &QLineEdit::textEdited, this, [this, typed](const QString& text) {
      const std::string utf8 = text.toStdString();
      Change([&](EngineerControls& c) { typed(c, utf8); });
    });
  }
  if (left) connect(edit, &QLineEdit::editingFinished, this, [this, left] { Change(left); });
  return edit;
}

QPushButton* EngineerForm::Button(QWidget* parent, const char* name, const QRect& at, Caption caption) {
  auto* button = Make<QPushButton>(parent, name, at);
  AddCaption(caption, [button](const QString& text) { button->setText(text); });
  return button;
}

void EngineerForm::Redraw() {
  const EngineerControls& c = state_().controls;
  for (const auto& redraw : redraws_) redraw(c);
}

void EngineerForm::SetCaptions(int column) {
  column_ = column;
  for (const auto& [caption, set] : captions_) {
    if (caption.row >= 0) set(CaptionText(caption.row));
  }
}

}  // namespace veltrax::gui
