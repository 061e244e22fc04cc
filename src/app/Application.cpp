#include "app/Application.h"

#include <QFont>

#include "app/LoadingWindow.h"
#include "app/MainWindow.h"
#include "device/HidapiTransport.h"
#include "image/DefaultImages.h"
#include "ui/Resources.h"

namespace veltrax::app {

namespace {

Result<std::unique_ptr<SimulatedMouse>> CreateSimulatedMouse(const AppOptions& options) {
  SimOptions sim;
  for (const std::string& fault : options.faults) {
    Status parsed = ParseSimFault(fault, sim.faults);
    if (!parsed) return parsed.error();
  }
  if (!options.stateFile.empty()) sim.stateFile = options.stateFile;
  // A new simulated mouse comes from the factory with default image 1.
  sim.initialMemory = DefaultImage(1);
  return SimulatedMouse::Create(sim);
}

std::vector<LoadingFrame> LoadingFrames() {
  std::vector<LoadingFrame> frames;
  if (auto animation = LoadLoadingAnimation()) {
    for (const GifFrame& frame : animation.value().frames) frames.push_back({frame.image, frame.delayMs});
  }
  return frames;
}

}  // namespace

Result<std::unique_ptr<Application>> Application::Create(const AppOptions& options) {
  std::unique_ptr<Application> app(new Application());
  if (options.simulate) {
    auto mouse = CreateSimulatedMouse(options);
    if (!mouse) return mouse.error();
    app->simulated_ = mouse.value().get();
    app->transport_ = std::move(mouse).value();
  } else {
    app->transport_ = std::make_unique<HidapiTransport>();
  }
  app->link_ = std::make_unique<DeviceLink>(*app->transport_, app->sleeper_);
  app->window_ = std::make_unique<MainWindow>(*app->link_, app->sleeper_, options.simulate);
  app->loading_ = std::make_unique<LoadingWindow>();
  app->loading_->SetFrameSource(LoadingFrames);
  app->window_->SetLoadingWindow(app->loading_.get());
  return app;
}

Application::~Application() {
  // The window refers to the link, the link to the transport.
  window_.reset();
  loading_.reset();
}

void Application::Raise() {
  window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void InstallFontSubstitutes() {
  QFont::insertSubstitutions(QStringLiteral("Arial Narrow"),
                             {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                              QStringLiteral("DejaVu Sans Condensed")});
  QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                                       QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("Microsoft JhengHei"),
                             {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("WenQuanYi Micro Hei"),
                              QStringLiteral("Droid Sans Fallback")});
}

}  // namespace veltrax::app
