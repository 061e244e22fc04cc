#include "gui/MainWindow.h"

#include <QApplication>
#include <cstdlib>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QUrl>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QStatusTipEvent>

#include "gui/AdvancedPage.h"
#include "gui/DpiRows.h"
#include "gui/EngineerPage.h"
#include "gui/Furniture.h"
#include "gui/InputBlocker.h"
#include "gui/KeyPageEditor.h"
#include "gui/LightPage.h"
#include "gui/PointerPanel.h"
#include "gui/LoadingWindow.h"
#include "gui/MacroPage.h"
#include "gui/SkinnedPage.h"
#include "gui/UserDialogs.h"
#include "gui/WindowChrome.h"
#include "gui/WindowDragger.h"
#include "gui/WindowShape.h"
#include "gui/FlowRunner.h"
#include "gui/WindowFlowSide.h"
#include "device/DeviceLink.h"
#include "keys/KeyFunctionName.h"
#include "macro/BaseMacroTable.h"
#include "macro/MacroLibraryFile.h"
#include "resources/EngineerCaptionTable.h"
#include "resources/BuiltInTexts.h"
#include "resources/SkinPictures.h"
#include "settings/FilePointerStore.h"
#include "settings/GnomePointerStore.h"
#include "settings/KeyModeOptions.h"

namespace veltrax::gui {

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

}  // namespace

MainWindow::MainWindow(DeviceLink& link, Sleeper& sleeper, bool simulated)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      link_(link),
      sleeper_(sleeper),
      simulated_(simulated),
      skin_([this](const QString& name) { return pictures_.Picture(name.toStdString()); }) {
  FormCreate();
}

MainWindow::~MainWindow() {
  // The device thread stops before the flows and pages its jobs refer to.
  runner_.reset();
}

void MainWindow::FormCreate() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(simulated_ ? QStringLiteral("%1 (simulated mouse)").arg(QLatin1String(kCaption))
                            : QString::fromLatin1(kCaption));
  dialogs_ = std::make_unique<WidgetDialogs>(this, [this](const QString& name) { return skin_.Picture(name); });
  flowSide_ = std::make_unique<WindowFlowSide>(*this);
  runner_ = std::make_unique<FlowRunner>(link_, sleeper_);
  blocker_ = new InputBlocker(this);
  blocker_->Lock(this);
  BuildPages();

  LoadBasePicture();
  SetBaseWindowSize();
  CentreOnScreen();
  // Maroon parts of the background are see-through: the window takes the
  // background's outline.
  setAttribute(Qt::WA_TranslucentBackground, false);
  UpdateShape();

  programFolder_ = QCoreApplication::applicationDirPath() + QLatin1Char('/');
  ShowContainer(1);

  chrome_->ShowStartPictures(1);
  if (auto options = LoadGlobalOptions()) options_ = options.value();
  chrome_->PlaceWebButton(options_, baseSize_);
  chrome_->SetRollingEnabled(options_.RollingCaptions());
  OpenMacroLibrary();
  macroPage_ = new MacroPage(*this);

  engineer_->SetCaptions(EngineerCaptionColumnForLocale(QLocale::system().name().toStdString()));

  currentLanguage_ = 1;
  ApplyLanguage();

  flows_ = std::make_unique<ImageFlows>(*runner_, *flowSide_, *flowSide_, texts_);
  flows_->SetReserveIds(options_.revManuId, options_.revProId);
  engineer_->ApplyAccess();
  ShowApplicationTitle();
  watch_ = std::make_unique<ConnectionWatch>(link_, sleeper_, *flows_);
  ConnectFlows();
  flows_->RefreshErrorAP();
  advanced_->Pointer().RefreshPointerSettings();

  LanguageButtonClick(currentLanguage_);

  devTimer_.setObjectName(QStringLiteral("DevTimer"));
  devTimer_.setInterval(ConnectionWatch::kIntervalMs);
  connect(&devTimer_, &QTimer::timeout, this, &MainWindow::DevTimerTimer);
  devTimer_.start();
  update();
}

void MainWindow::OpenMacroLibrary() {
  const std::filesystem::path ownFolder = DefaultMacroFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  const std::filesystem::path file = MacroLibraryPath(options_.path, ownFolder);
  auto store = MacroLibraryStore::Open(file, ownFolder);
  if (store) {
    macroStore_ = std::make_unique<MacroLibraryStore>(std::move(store).value());
    return;
  }
  // The window still starts, with an empty library bound to no file (the
  // file it could not take stays as it is), and says why.
  macroStore_ = std::make_unique<MacroLibraryStore>(MacroLibrary{}, std::filesystem::path());
  const QString why = QStringLiteral("The macro library could not be opened: %1").arg(FromUtf8(store.error().context));
  QTimer::singleShot(0, this, [this, why] { ShowMessageText(why); });
}

void MainWindow::BuildPages() {
  for (int n = 1; n <= 4; ++n) pages_[n - 1] = new SkinnedPage(n, this);
  advanced_ = new AdvancedPage(*this, pages_[1], skin_,
                               OpenPointerStore(DefaultConfigFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"))));
  light_ = new LightPage(*this, pages_[2], skin_);
  engineer_ = new EngineerPage(*this);
  chrome_ = new WindowChrome(pages_, skin_, this);
  chrome_->SetDeviceConnected([this] { return deviceOpen_; });
  dragger_ = new WindowDragger(this);
  for (SkinnedPage* page : pages_) {
    dragger_->Watch(page->Background());
    dragger_->Watch(page->Overlay());
    connect(page, &SkinnedPage::BackgroundPressed, this, [this] { HideAllMenu(); });
  }
  dragger_->Watch(engineer_->Banner());
  dragger_->Watch(engineer_->Parameters());
  keyEditor_ = new KeyPageEditor(*this);
  for (SkinnedPage* page : pages_) page->KeepOverlayOnTop();
  ConnectChrome();
}

void MainWindow::ConnectChrome() {
  connect(chrome_, &WindowChrome::KeyLabelClicked, keyEditor_, &KeyPageEditor::KeyClick);
  connect(chrome_, &WindowChrome::Clicked, this, [this](const QString& base) {
    // A click on any other control closes the menus.
    HideAllMenu();
    static const std::array<std::pair<const char*, Page>, 6> kPages{{{"Main", Page::ModeA},
                                                                      {"Second", Page::ModeB},
                                                                      {"Adv", Page::Advanced},
                                                                      {"Breath", Page::Light},
                                                                      {"Macro", Page::Macro},
                                                                      {"Engineer", Page::Engineer}}};
    for (const auto& [name, page] : kPages) {
      if (base == QLatin1String(name)) return PageButtonClick(page);
    }
    if (base.startsWith(QLatin1String("Lang"))) return LanguageButtonClick(base.mid(4).toInt());
    if (base == QLatin1String("Exit")) return Btn_Exit_0Click();
    if (base == QLatin1String("Mini")) return Btn_Mini_0Click();
    if (base == QLatin1String("Web")) return Btn_Web_0Click();
  });
  connect(engineer_, &EngineerPage::CloseClicked, this, &MainWindow::Btn_Exit_0Click);
  connect(engineer_, &EngineerPage::PageClicked, this, &MainWindow::PageButtonClick);
  connect(engineer_, &EngineerPage::KeyClicked, keyEditor_, &KeyPageEditor::EngineerKeyClick);
  connect(this, &MainWindow::ControlsChanged, this, [this](QObject* by) {
    // A page's own edits keep what is being typed into it; the other pages
    // take the controls anew, as after an image.
    if (by == advanced_ || by == &advanced_->Dpi()) {
      advanced_->Refresh();
    } else {
      advanced_->ShowImage();
    }
    if (by == light_) {
      light_->Refresh();
    } else {
      light_->ShowImage();
    }
    engineer_->Refresh();
    RefreshKeyLabels();
    keyEditor_->ShowOptionLines();
  });
}

void MainWindow::ShowEngineerButtons() {
  for (SkinButton* copy : chrome_->Copies(QStringLiteral("Engineer"))) copy->Place(10, 10, true);
}

void MainWindow::SetLoadingWindow(LoadingWindow* loading) {
  loading_ = loading;
  if (!loading_) return;
  blocker_->Lock(loading_);
  loading_->PlaceBelowCentreOf(geometry());
}

void MainWindow::SetDialogs(std::unique_ptr<UserDialogs> dialogs) { dialogs_ = std::move(dialogs); }

QString MainWindow::Text(const char* id) const { return FromUtf8(texts_.Text(id)); }

QString MainWindow::LanguagePicture(const char* suffix) const {
  return QString::fromStdString(LanguagePictureName(currentLanguage_, suffix));
}

void MainWindow::LoadBasePicture() {
  const QString name = QStringLiteral("L1_BackGround");
  pages_[0]->SetBackground(name, skin_.Picture(name));
  baseSize_ = pages_[0]->size();
  if (baseSize_.isEmpty()) baseSize_ = QSize(1030, 662);
  for (SkinnedPage* page : pages_) page->Overlay()->setGeometry(QRect(QPoint(0, 0), baseSize_));
}

void MainWindow::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void MainWindow::UpdateShape() {
  if (engineer_->isVisibleTo(this)) {
    clearMask();
    return;
  }
  const QImage& background = skin_.Image(LanguagePicture("BackGround"));
  if (background.isNull()) {
    clearMask();
    return;
  }
  setMask(OutlineOf(background));
}

void MainWindow::SetBaseWindowSize() {
  setFixedSize(baseSize_);
  for (SkinnedPage* page : pages_) page->resize(baseSize_);
  engineer_->resize(EngineerPage::kWidth, EngineerPage::kHeight);
}

void MainWindow::SetEngineerWindowSize() {
  setFixedSize(EngineerPage::kWidth, EngineerPage::kHeight);
  for (SkinnedPage* page : pages_) page->resize(baseSize_);
  engineer_->resize(EngineerPage::kWidth, EngineerPage::kHeight);
}

bool MainWindow::PagesLocked() const { return pages_[0]->Overlay()->isVisibleTo(pages_[0]); }

void MainWindow::LockPages() {
  // Nothing is chosen on locked pages: the menus and the combination key
  // dialog go.
  HideAllMenu();
  keyEditor_->CloseDialog();
  // A recording ends with the input it records: a whole one is stored.
  if (macroPage_) macroPage_->EndRecording();
  for (SkinnedPage* page : pages_) page->SetLocked(true);
}

void MainWindow::HideAllMenu() {
  keyEditor_->HideAllMenu();
  if (macroPage_) macroPage_->CloseContextPanels();
}

void MainWindow::UnlockPages() {
  for (SkinnedPage* page : pages_) page->SetLocked(false);
}

void MainWindow::ShowContainer(int container) {
  for (SkinnedPage* page : pages_) page->setVisible(page->Number() == container);
  engineer_->setVisible(container == 6);
  UpdateShape();
}

void MainWindow::ShowFirstPage() {
  // Page 1 is the key page: a choice of another page does not survive it.
  if (ContainerOf(navigation_.CurrentPage()) != 1) ResetNavigationLook();
  SetBaseWindowSize();
  ShowContainer(1);
}

void MainWindow::ResetNavigationLook() {
  navigation_.Reset();
  chrome_->ResetNavigationPictures();
  chrome_->SelectPageButton(QStringLiteral("Main"));
}

void MainWindow::PageButtonClick(Page page) {
  if (FlowRunning()) return;
  switch (navigation_.Request(page, deviceOpen_, flows_->State().noDevice)) {
    case NavigationOutcome::FindingDevice: dialogs_->ShowPlainMessage(Text("Str020")); return;
    case NavigationOutcome::Ignored: return;
    case NavigationOutcome::Switched: break;
  }
  HideAllMenu();
  // The selection is set before the pages change, so that the leave event
  // of a button hidden under the pointer restores the new selection.
  static const char* const kButtons[] = {"Main", "Second", "Adv", "Breath", "Macro", "Engineer"};
  chrome_->ResetNavigationPictures();
  chrome_->SelectPageButton(QString::fromLatin1(kButtons[static_cast<int>(page)]));
  if (page == Page::Engineer) {
    SetEngineerWindowSize();
  } else {
    SetBaseWindowSize();
  }
  ShowContainer(ContainerOf(page));
  if (page == Page::ModeA || page == Page::ModeB) RefreshKeyLabels();
  ShowPageContent(page);
}

void MainWindow::ShowPageContent(Page page) {
  const int container = ContainerOf(page);
  if (container > 4) return;
  const QString name = LanguagePicture(QStringLiteral("Back%1").arg(container).toLatin1().constData());
  pages_[container - 1]->Content()->SetPicture(name, skin_.Picture(name));
}

void MainWindow::RefreshVisiblePage() {
  if (flows_->State().noDevice) {
    ShowContainer(1);
    return;
  }
  ShowContainer(ContainerOf(navigation_.CurrentPage()));
}

void MainWindow::LanguageButtonClick(int language) {
  if (FlowRunning() || language < 1 || language > 3) return;
  chrome_->SelectLanguage(language);
  currentLanguage_ = language;
  ApplyLanguage();
  ShowApplicationTitle();
  RefreshVisiblePage();
  for (SkinButton* copy : chrome_->Copies(QStringLiteral("Lang%1").arg(language))) {
    if (copy->underMouse()) chrome_->RestartRolling(copy);
  }
}

void MainWindow::ShowApplicationTitle() {
  QGuiApplication::setApplicationDisplayName(applicationTitle_);
  // The system shows every window's title together with the application's,
  // formatted when the title is set: the windows already shown set theirs
  // again, so that they carry the new one.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->windowHandle()) continue;
    const QString title = window->windowTitle();
    window->setWindowTitle(title + QLatin1Char(' '));
    window->setWindowTitle(title);
  }
}

void MainWindow::ApplyLanguage() {
  const QString background = LanguagePicture("BackGround");
  for (SkinnedPage* page : pages_) page->SetBackground(background, skin_.Picture(background));
  UpdateShape();
  if (auto layout = LoadLayout(currentLanguage_)) layout_ = std::move(layout).value();
  chrome_->ApplyLayout(layout_, baseSize_);
  for (int k = 1; k <= 4; ++k) {
    const std::string key = "P" + std::to_string(k);
    pages_[k - 1]->Content()->move(layout_.IntOr(key + "_X", 0), layout_.IntOr(key + "_Y", 0));
  }
  // The other pages take their content picture when they are chosen.
  ShowPageContent(navigation_.CurrentPage());
  ApplyLanguageTexts();
  ApplySettingsPagesLanguage();
  // Controls raised while the language was applied stay under the overlays.
  for (SkinnedPage* page : pages_) page->KeepOverlayOnTop();
}

void MainWindow::ApplySettingsPagesLanguage() {
  const SettingsPageLook look{layout_, baseSize_, options_.SliderBars() ? BarLook::Slider : BarLook::Progress,
                              options_.numOrder, currentLanguage_, fontName_};
  advanced_->ApplyLanguage(look);
  light_->ApplyLanguage(look);
  // At creation the first image is shown later, with the flows.
  if (!flows_) return;
  advanced_->Refresh();
  light_->Refresh();
}

void MainWindow::ShowSettingsImage() {
  ShowKeyModeMemory(flows_->State().controls);
  advanced_->ShowImage();
  light_->ShowImage();
}

void MainWindow::ApplyLanguageTexts() {
  LanguageTable next = LoadLanguageTable(currentLanguage_);
  fontName_ = FromUtf8(next.Text("FontName"));
  chrome_->SetFontFamily(fontName_);
  applicationTitle_ = FromUtf8(next.Text("Title"));
  for (const FurnitureItem& item : FurnitureItems()) {
    if (item.captionId) chrome_->SetCaption(QString::fromLatin1(item.base), FromUtf8(next.Text(item.captionId)));
  }
  chrome_->SetCaption(QStringLiteral("Engineer"), QStringLiteral("Engineer"));
  RetranslateKeyLabels(next);
  texts_ = std::move(next);
  keyEditor_->ApplyLanguage(layout_, fontName_, texts_);
  // The key buttons of the engineer page name their functions in the
  // language; its captions stay in the caption table's column.
  if (flows_) engineer_->Refresh();
  if (macroPage_) macroPage_->ApplyLanguage(layout_, fontName_, texts_);
}

void MainWindow::RetranslateKeyLabels(const LanguageTable& next) {
  const std::array<LanguageTable, 3> tables{LoadLanguageTable(1), LoadLanguageTable(2), LoadLanguageTable(3)};
  const std::array<const TextTable*, 3> all{&tables[0], &tables[1], &tables[2]};
  for (int n = 1; n <= SkinnedPage::kKeyLabels; ++n) {
    SkinButton* key = pages_[0]->KeyLabel(n);
    const std::string id = FindTextId(key->Caption().toStdString(), all);
    // Combination texts and macro names are not in the tables: they stay.
    if (!id.empty()) chrome_->SetButtonCaption(key, FromUtf8(next.Text(id)));
  }
}

void MainWindow::RefreshKeyLabels() {
  const KeyProfile profile = navigation_.CurrentPage() == Page::ModeB ? KeyProfile::ModeB : KeyProfile::ModeA;
  const DataBuf& dataBuf = flows_->State().dataBuf;
  const BaseMacroNames macroNames = BaseMacroNamesOf(flows_->State().macroBuffer);
  for (int n = 1; n <= SkinnedPage::kKeyLabels; ++n) {
    const auto bytes = dataBuf.ButtonCode(profile, n);
    const KeyFunctionCode code{bytes[0], bytes[1], bytes[2]};
    chrome_->SetButtonCaption(pages_[0]->KeyLabel(n), FromUtf8(KeyFunctionName(code, texts_, macroNames)));
  }
}

void MainWindow::ShowMessageText(const QString& text) { dialogs_->ShowMessage(text, fontName_); }

void MainWindow::Btn_Exit_0Click() {
  if (FlowRunning()) return;
  close();
}

void MainWindow::Btn_Mini_0Click() {
  if (FlowRunning()) return;
  showMinimized();
}

void MainWindow::Btn_Web_0Click() {
  if (FlowRunning()) return;
  chrome_->ShowPressed(QStringLiteral("Web"));
  if (options_.WebEnabled()) QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(options_.web)));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (FlowRunning()) {
    // A running flow finishes first (a key test at once); the window
    // closes at its end.
    closeRequested_ = true;
    runner_->RequestStop();
    event->ignore();
    return;
  }
  devTimer_.stop();
  link_.DropDevice();
  if (loading_) loading_->hide();
  event->accept();
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    engineer_->Content()->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QWidget::event(event);
}

}  // namespace veltrax::gui
