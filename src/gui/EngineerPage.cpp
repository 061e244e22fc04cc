#include "gui/EngineerPage.h"

#include "resources/EngineerCaptionTable.h"

namespace veltrax::gui {

namespace {

constexpr int kBannerHeight = 56;

// Caption table rows of the page's own controls.
constexpr int kRowEngineerMode = 0x05;
constexpr int kRowLoad = 0x06;
constexpr int kRowSave = 0x07;
constexpr int kRowDefault = 0x09;
constexpr int kRowApply = 0x0A;
constexpr int kRowOperation = 0x0D;
constexpr int kRowEngineer = 0x0E;

QString Caption(int row, int column, const QString& fallback) {
  const auto text = EngineerCaption(row, column);
  return text ? QString::fromStdString(*text) : fallback;
}

}  // namespace

EngineerPage::EngineerPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("gbPage6"));
  resize(kWidth, kHeight);
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet(QStringLiteral(
      "#gbPage6 { background: #15171C; } QLabel { color: #D8DEE8; } "
      "#Img_Logo4 { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #0E7C93, stop:1 #15171C); "
      "color: white; font-size: 22px; font-weight: bold; padding-left: 18px; } "
      "#lbl_Content { color: #9AA4B2; } "
      "QTabWidget::pane { border: 1px solid #2C313A; background: #1B1E24; } "
      "QTabBar::tab { background: #22262E; color: #B8C0CC; padding: 6px 16px; border: 1px solid #2C313A; } "
      "QTabBar::tab:selected { background: #1B1E24; color: #FFFFFF; border-bottom-color: #1B1E24; } "
      "QPushButton { background: #262B34; color: #E8ECF2; border: 1px solid #3A414D; border-radius: 3px; } "
      "QPushButton:hover { background: #2F3642; border-color: #27C4E0; } "
      "QPushButton:pressed { background: #1E2229; }"));

  banner_ = new QLabel(this);
  banner_->setObjectName(QStringLiteral("Img_Logo4"));
  banner_->setGeometry(0, 0, kWidth, kBannerHeight);

  parameters_ = new QTabWidget(this);
  parameters_->setObjectName(QStringLiteral("Pg_Parameter"));
  parameters_->setGeometry(8, kBannerHeight + 8, kWidth - 16, kHeight - kBannerHeight - 60);
  operatorTab_ = new QWidget;
  operatorTab_->setObjectName(QStringLiteral("ts_Operator"));
  engineerTab_ = new QWidget;
  engineerTab_->setObjectName(QStringLiteral("ts_Engineer"));
  parameters_->addTab(operatorTab_, QString());
  parameters_->addTab(engineerTab_, QString());
  parameters_->setTabVisible(1, false);

  content_ = new QLabel(this);
  content_->setObjectName(QStringLiteral("lbl_Content"));
  content_->setGeometry(12, kHeight - 26, kWidth - 24, 20);

  close_ = AddButton(QStringLiteral("Btn_Close"), kWidth - 44, 14);
  close_->setText(QStringLiteral("X"));
  close_->resize(30, 28);
  write_ = AddButton(QStringLiteral("btn_Write"), kWidth - 130, kHeight - 50);
  save_ = AddButton(QStringLiteral("Btn_Save_6"), kWidth - 240, kHeight - 50);
  load_ = AddButton(QStringLiteral("Btn_Load_6"), kWidth - 350, kHeight - 50);
  default_ = AddButton(QStringLiteral("Btn_Default"), kWidth - 460, kHeight - 50);
  default_->hide();  // shown only when the engineer access is unlocked

  connect(close_, &QPushButton::clicked, this, &EngineerPage::CloseClicked);
  connect(write_, &QPushButton::clicked, this, &EngineerPage::WriteClicked);
  connect(save_, &QPushButton::clicked, this, &EngineerPage::SaveClicked);
  connect(load_, &QPushButton::clicked, this, &EngineerPage::LoadClicked);
  connect(default_, &QPushButton::clicked, this, &EngineerPage::DefaultClicked);
  SetCaptions(0);
}

QPushButton* EngineerPage::AddButton(const QString& name, int x, int y) {
  auto* button = new QPushButton(this);
  button->setObjectName(name);
  button->setGeometry(x, y, 100, 26);
  return button;
}

void EngineerPage::SetCaptions(int column) {
  banner_->setText(Caption(kRowEngineerMode, column, QStringLiteral("Engineer Mode")));
  parameters_->setTabText(0, Caption(kRowOperation, column, QStringLiteral("Operation")));
  parameters_->setTabText(1, Caption(kRowEngineer, column, QStringLiteral("Engineer")));
  write_->setText(Caption(kRowApply, column, QStringLiteral("Apply")));
  save_->setText(Caption(kRowSave, column, QStringLiteral("Save")));
  load_->setText(Caption(kRowLoad, column, QStringLiteral("Load")));
  default_->setText(Caption(kRowDefault, column, QStringLiteral("Default")));
}

}  // namespace veltrax::gui
