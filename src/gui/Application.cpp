#include "gui/Application.h"

#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "gui/LoadingWindow.h"
#include "gui/MainWindow.h"
#include "image/DefaultImages.h"
#include "resources/PictureStore.h"
#include "resources/Resources.h"

namespace veltrax::gui {

namespace {

std::vector<LoadingFrame> LoadingFrames() {
  std::vector<LoadingFrame> frames;
  if (auto animation = LoadLoadingAnimation()) {
    for (const GifFrame& frame : animation.value().frames) frames.push_back({frame.image, frame.delayMs});
  }
  return frames;
}

}  // namespace

Result<std::unique_ptr<Application>> Application::Create(const AppOptions& options) {
  // A new simulated mouse comes from the factory with default image 1.
  auto backend = DeviceBackend::Create(options, DefaultImage(1));
  if (!backend) return backend.error();
  std::unique_ptr<Application> app(new Application());
  app->backend_ = std::move(backend).value();
  app->window_ = std::make_unique<MainWindow>(app->Link(), app->backend_->Pauses(), options.simulate);
  if (options.engineer) app->window_->ShowEngineerButtons();
  app->loading_ = std::make_unique<LoadingWindow>();
  app->loading_->SetFrameSource(LoadingFrames);
  app->window_->SetLoadingWindow(app->loading_.get());
  return app;
}

Application::~Application() {
  // The window refers to the link, the link to the transport.
  window_.reset();
  loading_.reset();
  if (SimulatedMouse* mouse = backend_->Simulated()) {
    if (const Status saved = mouse->Save(); !saved) {
      std::fprintf(stderr, "veltrax: the simulated mouse's memory was not kept: %s\n", saved.error().context.c_str());
    }
  }
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
  // The engineer page's face.
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"),
                                                               QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("Microsoft JhengHei"),
                             {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("WenQuanYi Micro Hei"),
                              QStringLiteral("Droid Sans Fallback")});
}

void SetDesktopIdentity() {
  QGuiApplication::setApplicationName(QStringLiteral("veltrax"));
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
  PictureStore pictures;
  QGuiApplication::setWindowIcon(QIcon(QPixmap::fromImage(pictures.Picture("AppIcon"))));
}

}  // namespace veltrax::gui
