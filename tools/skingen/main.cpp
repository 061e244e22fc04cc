// skingen: draws every picture of the skin from the layouts in
// resources/layout and writes them to resources/skin.
//   skingen RESOURCES_DIR
// Run offscreen (QT_QPA_PLATFORM=offscreen); see regenerate.sh.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstring>
#include <string>

#include "AppIcon.h"
#include "LoadingAnimation.h"
#include "PagePictures.h"
#include "SharedPictures.h"
#include "base/FileIo.h"
#include "resources/LayoutTable.h"

namespace {

// The desktop entry's id, which names the icon too.
const QString kIconName = QStringLiteral("org.veltrax.Configurator");

bool Save(const QDir& dir, const QString& name, const QImage& image) {
  if (image.save(dir.filePath(name + ".png"), "PNG", 9)) return true;
  std::fprintf(stderr, "skingen: cannot write %s.png\n", qPrintable(name));
  return false;
}

bool LoadLayout(const QDir& resources, int language, veltrax::LayoutTable& layout) {
  const std::string path = resources.filePath(QString("layout/ORG%1.ini").arg(language)).toStdString();
  const veltrax::Result<std::vector<uint8_t>> bytes = veltrax::ReadWholeFile(path);
  if (!bytes) {
    std::fprintf(stderr, "skingen: %s\n", bytes.error().context.c_str());
    return false;
  }
  const std::string text(bytes.value().begin(), bytes.value().end());
  layout = veltrax::LayoutTable::Parse(text, "org" + std::to_string(language));
  return true;
}

// The application icon in the hicolor theme's layout, ready to install;
// the window takes the largest one from its resources.
bool WriteIcons(const QDir& resources) {
  bool ok = true;
  for (int size : skingen::kIconSizes) {
    const QString folder = QString("icons/hicolor/%1x%1/apps").arg(size);
    if (!resources.mkpath(folder)) {
      std::fprintf(stderr, "skingen: cannot create %s\n", qPrintable(folder));
      return false;
    }
    ok = Save(QDir(resources.filePath(folder)), kIconName, skingen::AppIcon(size)) && ok;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  constexpr const char* kUsage = "usage: skingen RESOURCES_DIR\n";
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  QGuiApplication app(argc, argv);
  const QDir resources(QString::fromLocal8Bit(argv[1]));
  if (!resources.mkpath("skin")) {
    std::fprintf(stderr, "skingen: cannot create %s/skin\n", argv[1]);
    return 1;
  }
  const QDir skin(resources.filePath("skin"));
  bool ok = true;
  for (const auto& [name, image] : skingen::SharedPictures()) ok = Save(skin, name, image) && ok;
  for (int n = 1; n <= 3; ++n) {
    veltrax::LayoutTable layout;
    if (!LoadLayout(resources, n, layout)) return 1;
    const QString prefix = QString("L%1_").arg(n);
    ok = Save(skin, prefix + "BackGround", skingen::Background(n)) && ok;
    ok = Save(skin, prefix + "Back1", skingen::KeyPage(layout, n)) && ok;
    ok = Save(skin, prefix + "Back2", skingen::AdvancedPage(layout, n)) && ok;
    ok = Save(skin, prefix + "Back3", skingen::LightPage(layout, n)) && ok;
    ok = Save(skin, prefix + "Back4", skingen::MacroPage(layout, n)) && ok;
  }
  ok = skingen::WriteLoadingAnimation(skin.filePath("WaitGif.gif")) && ok;
  ok = WriteIcons(resources) && ok;
  return ok ? 0 : 1;
}
