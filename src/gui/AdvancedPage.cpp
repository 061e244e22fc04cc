#include "gui/AdvancedPage.h"

#include <QRegularExpressionValidator>

#include "gui/DpiRows.h"
#include "gui/MainWindow.h"
#include "gui/PointerPanel.h"
#include "resources/PictureStore.h"
#include "settings/EditRules.h"

namespace veltrax::gui {

namespace {

constexpr QSize kFireEditSize(70, 24);

std::string Std(const QString& text) { return text.toStdString(); }

}  // namespace

AdvancedPage::AdvancedPage(MainWindow& window, QWidget* page, Skin& skin, std::unique_ptr<PointerStore> pointerStore)
    : QObject(page),
      window_(window),
      dpi_(new DpiRows(window, page, skin)),
      pointer_(new PointerPanel(window, page, skin, std::move(pointerStore))),
      shots_(AddEdit(page, QStringLiteral("Edt_Repeat1"))),
      interval_(AddEdit(page, QStringLiteral("Edt_DelayTime1"))) {
  connect(shots_, &QLineEdit::textEdited, this, [this](const QString& text) {
    ShotsTyped(window_.State().controls, fireKey_, Std(text));
    window_.ControlsEdited(this);
  });
  connect(shots_, &QLineEdit::editingFinished, this, [this] {
    ShotsLeft(window_.State().controls, fireKey_);
    window_.ControlsEdited(this);
  });
  connect(interval_, &QLineEdit::textEdited, this, [this](const QString& text) {
    IntervalTyped(window_.State().controls, fireKey_, Std(text));
    window_.ControlsEdited(this);
  });
}

QLineEdit* AdvancedPage::AddEdit(QWidget* page, const QString& name) {
  auto* edit = new QLineEdit(page);
  edit->setObjectName(name);
  edit->setMaxLength(static_cast<int>(kByteEditLength));
  // Digits only: other keys are dropped.
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  edit->resize(kFireEditSize);
  return edit;
}

void AdvancedPage::ApplyLanguage(const SettingsPageLook& look) {
  const QColor text = ColorFromPacked(look.layout.Color("Color_D_Selected").value_or(0xFFFFFF));
  const QColor back = ColorFromPacked(look.layout.Color("Color_D_Back").value_or(0x000000));
  const QColor border = ColorFromPacked(look.layout.Color("Color_D_Border").value_or(0x404040));
  const QFont font = look.Font("Size_D");
  for (auto [edit, key] : {std::pair{shots_, "FKCnt"}, {interval_, "FKDelay"}}) {
    const Placement at = look.Place(key);
    edit->move(at.x, at.y);
    edit->setVisible(at.visible);
    edit->setFont(font);
    edit->setStyleSheet(QStringLiteral("QLineEdit { color: %1; background: %2; border: 1px solid %3; padding: 0 6px; }"
                                       "QLineEdit:focus { border-color: %1; }")
                            .arg(text.name(), back.name(), border.name()));
  }
  dpi_->ApplyLanguage(look);
  pointer_->ApplyLanguage(look);
}

void AdvancedPage::ShowImage() {
  ShowFireKeyEdits(window_.State().controls, fireKey_);
  Refresh();
}

void AdvancedPage::Refresh() {
  RefreshFireKeyEdits();
  dpi_->Refresh();
}

void AdvancedPage::RefreshFireKeyEdits() {
  // Only a text that changed is set, so the cursor stays where it was.
  for (auto [edit, text] : {std::pair{shots_, &fireKey_.shots}, {interval_, &fireKey_.interval}}) {
    const QString shown = QString::fromStdString(*text);
    if (edit->text() != shown) edit->setText(shown);
  }
}

}  // namespace veltrax::gui
