#include "gui/EngineerPage.h"

#include <QMouseEvent>

#include "gui/EngineerForm.h"
#include "gui/EngineerTab.h"
#include "gui/KeyTestMode.h"
#include "gui/MainWindow.h"
#include "gui/UserDialogs.h"
#include "keys/ButtonAssigner.h"
#include "macro/BaseMacroTable.h"
#include "settings/EngineerOptions.h"

namespace veltrax::gui {

namespace {

constexpr int kBannerHeight = 56;
constexpr QRect kParameters(8, 62, EngineerPage::kWidth - 16, 520);
constexpr int kButtonRowY = 590;

// Rows of the engineer caption table.
constexpr int kRowEngineerMode = 0x05;
constexpr int kRowLoad = 0x06;
constexpr int kRowSave = 0x07;
constexpr int kRowDefault = 0x09;
constexpr int kRowApply = 0x0A;
constexpr int kRowOperation = 0x0D;
constexpr int kRowEngineer = 0x0E;

// The page buttons in the banner and the caption rows they carry.
struct PageButton {
  const char* name;
  int row;
  Page page;
};
constexpr PageButton kPageButtons[] = {{"Btn_Main_6", 0x00, Page::ModeA},    {"Btn_Switch_6", 0x01, Page::ModeB},
                                       {"Btn_Adv_6", 0x02, Page::Advanced},  {"Btn_Breath_6", 0x03, Page::Light},
                                       {"Btn_Macro_6", 0x04, Page::Macro},   {"Btn_Engineer_6", 0x05, Page::Engineer}};

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

// What the notes under lbl_Notes say, and the key test button's hint.
QString KeyTestNote(int column) {
  if (column == 2) {
    return QStringLiteral(
        "按下“测试按键位置”后，5秒内按下鼠标的任意按键，下方模式A中对应的硬件按键位置会闪烁，"
        "以便工厂确认每个按键的硬件位置。");
  }
  return QStringLiteral(
      "After Test Keys Position, press any button of the mouse within 5 seconds: its place among the Mode A "
      "keys blinks, so the factory sees which hardware position each button has.");
}

}  // namespace

EngineerPage::EngineerPage(MainWindow& window) : QWidget(&window), window_(window) {
  setObjectName(QStringLiteral("gbPage6"));
  resize(kWidth, kHeight);
  setAttribute(Qt::WA_StyledBackground);
  // The page's controls use the font of the form they come from.
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  setStyleSheet(QStringLiteral(
      "#gbPage6 { background: #15171C; } QLabel { color: #D8DEE8; } QLabel:disabled { color: #5C6470; } "
      "#Img_Logo4 { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #0E7C93, stop:1 #15171C); "
      "color: white; font-size: 22px; font-weight: bold; padding-left: 18px; } "
      "#lbl_Content { color: #9AA4B2; } "
      "QTabWidget::pane { border: 1px solid #2C313A; background: #1B1E24; } "
      "QTabBar::tab { background: #22262E; color: #B8C0CC; padding: 6px 16px; border: 1px solid #2C313A; } "
      "QTabBar::tab:selected { background: #1B1E24; color: #FFFFFF; border-bottom-color: #1B1E24; } "
      "QGroupBox { color: #8FD3E0; border: 1px solid #2C313A; border-radius: 3px; margin-top: 7px; } "
      "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; } "
      "QRadioButton, QCheckBox { color: #D8DEE8; } QRadioButton:disabled, QCheckBox:disabled { color: #5C6470; } "
      "QLineEdit, QComboBox { background: #0F1116; color: #E8ECF2; border: 1px solid #3A414D; border-radius: 2px; "
      "padding: 0 3px; } QLineEdit:focus, QComboBox:focus { border-color: #27C4E0; } "
      "QLineEdit:read-only { background: #1B1E24; color: #9AA4B2; } "
      "QLineEdit:disabled, QComboBox:disabled { color: #5C6470; border-color: #262B34; } "
      "QComboBox QAbstractItemView { background: #0F1116; color: #E8ECF2; selection-background-color: #0E7C93; } "
      "QPushButton { background: #262B34; color: #E8ECF2; border: 1px solid #3A414D; border-radius: 3px; } "
      "QPushButton:hover { background: #2F3642; border-color: #27C4E0; } "
      "QPushButton:focus { border-color: #27C4E0; } QPushButton:pressed { background: #1E2229; } "
      "QPushButton:disabled { color: #7A8290; } #Btn_Engineer_6 { border-color: #27C4E0; color: #8FD3E0; }"));

  form_ = new EngineerForm([this]() -> ImageState& { return window_.State(); },
                           [this] { window_.ControlsEdited(this); },
                           [this](const QString& text) { window_.ShowMessageText(text); }, this);
  BuildFrame();
  tab_ = BuildOperatorTab(*form_, operatorTab_, shared_);
  BuildEngineerTab(*form_, engineerTab_);
  for (size_t i = 0; i < tab_.keys.size(); ++i) {
    const int id = (i < kButtonsPerProfile ? 101 : 192) + static_cast<int>(i);
    connect(tab_.keys[i], &QPushButton::clicked, this, [this, id] { emit KeyClicked(id); });
  }
  keyTest_ = new KeyTestMode(window_, tab_.testKeys, tab_.keys, [this] { return form_->CaptionText(0x08); });
  SetCaptions(0);
}

EngineerPage::~EngineerPage() = default;

void EngineerPage::BuildFrame() {
  banner_ = new QLabel(this);
  banner_->setObjectName(QStringLiteral("Img_Logo4"));
  banner_->setGeometry(0, 0, kWidth, kBannerHeight);
  banner_->installEventFilter(this);

  parameters_ = new QTabWidget(this);
  parameters_->setObjectName(QStringLiteral("Pg_Parameter"));
  parameters_->setGeometry(kParameters);
  operatorTab_ = new QWidget;
  operatorTab_->setObjectName(QStringLiteral("ts_Operator"));
  engineerTab_ = new QWidget;
  engineerTab_->setObjectName(QStringLiteral("ts_Engineer"));
  parameters_->addTab(operatorTab_, QString());
  parameters_->addTab(engineerTab_, QString());
  parameters_->setTabVisible(1, false);

  content_ = new QLabel(this);
  content_->setObjectName(QStringLiteral("lbl_Content"));
  content_->setGeometry(12, kHeight - 22, kWidth - 24, 18);

  BuildNavigation();
  const struct {
    const char* name;
    int x;
    int row;
    void (EngineerPage::*clicked)();
  } buttons[] = {{"Btn_Default", 8, kRowDefault, &EngineerPage::DefaultClicked},
                 {"Btn_Load_6", kWidth - 332, kRowLoad, &EngineerPage::LoadClicked},
                 {"Btn_Save_6", kWidth - 220, kRowSave, &EngineerPage::SaveClicked},
                 {"btn_Write", kWidth - 108, kRowApply, &EngineerPage::WriteClicked}};
  for (const auto& b : buttons) {
    QPushButton* button = form_->Button(this, b.name, {b.x, kButtonRowY, 100, 26}, b.row);
    connect(button, &QPushButton::clicked, this, b.clicked);
    if (b.row == kRowDefault) default_ = button;
  }
  default_->hide();  // shown only while engineer access is unlocked
  result_ = new QLabel(QStringLiteral("\u2714"), this);
  result_->setObjectName(QStringLiteral("Img_Result"));
  result_->setGeometry(112, kButtonRowY, 24, 26);
  result_->setStyleSheet(QStringLiteral("color: #27C4E0; font-size: 18px;"));
  result_->hide();
}

void EngineerPage::BuildNavigation() {
  int x = kWidth - 44 - 6 * 100;
  for (const PageButton& b : kPageButtons) {
    QPushButton* button = form_->Button(this, b.name, {x, 14, 96, 28}, b.row);
    connect(button, &QPushButton::clicked, this, [this, page = b.page] { emit PageClicked(page); });
    x += 100;
  }
  QPushButton* close = form_->Button(this, "Btn_Close", {kWidth - 40, 14, 30, 28}, "X");
  connect(close, &QPushButton::clicked, this, &EngineerPage::CloseClicked);
}

void EngineerPage::SetCaptions(int column) {
  form_->SetCaptions(column);
  banner_->setText(form_->CaptionText(kRowEngineerMode));
  parameters_->setTabText(0, form_->CaptionText(kRowOperation));
  parameters_->setTabText(1, form_->CaptionText(kRowEngineer));
  const QString note = KeyTestNote(column);
  tab_.notes->setText(note);
  tab_.testKeys->setStatusTip(note);
  if (!keyTest_->Running()) tab_.testKeys->setText(form_->CaptionText(0x08));
}

QPushButton* EngineerPage::KeyButton(int id) const {
  const int profile = id / 100 - 1;
  const int button = id % 100;
  if (profile < 0 || profile > 1 || button < 1 || button > kButtonsPerProfile) return nullptr;
  return tab_.keys[static_cast<size_t>(profile * kButtonsPerProfile + button - 1)];
}

void EngineerPage::Refresh() {
  form_->Redraw();
  const ImageState& state = window_.State();
  const auto names = ButtonNamesOf(state.controls.codeTexts, window_.Texts(), BaseMacroNamesOf(state.macroBuffer));
  for (size_t i = 0; i < names.size(); ++i) tab_.keys[i]->setText(FromUtf8(names[i]));
  parameters_->setTabVisible(1, access_.Unlocked());
  default_->setVisible(access_.Unlocked());
  if (!access_.Unlocked()) result_->hide();
}

void EngineerPage::ApplyAccess() {
  ApplyEngineerAccess(window_.State().controls, access_.Unlocked());
  Refresh();
}

void EngineerPage::Img_Logo4DblClick() {
  const bool changed = access_.DoubleClick([this]() -> std::optional<std::string> {
    const std::optional<QString> code = window_.Dialogs().AskPassword();
    if (!code) return std::nullopt;
    return code->toStdString();
  });
  if (changed) ApplyAccess();
}

bool EngineerPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == banner_ && event->type() == QEvent::MouseButtonDblClick &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Img_Logo4DblClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void EngineerPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
}

}  // namespace veltrax::gui
