#include "resources/Resources.h"

#include <QFile>
#include <QString>

#include <mutex>
#include <string>

#include "resources/SkinPictures.h"

// The resources live in this static library; nothing else references their
// initialiser, so the linker would drop it unless it is called once here.
static void InitBuiltInResources() { Q_INIT_RESOURCE(veltrax); }

namespace veltrax {

Result<std::vector<uint8_t>> ReadResource(std::string_view name) {
  static std::once_flag once;
  std::call_once(once, InitBuiltInResources);
  const QString path = QStringLiteral(":/veltrax/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Error{ErrorKind::NotFound, "built-in resource " + std::string(name)};
  const QByteArray data = file.readAll();
  return std::vector<uint8_t>(data.begin(), data.end());
}

Result<GifAnimation> LoadLoadingAnimation() {
  Result<std::vector<uint8_t>> bytes = ReadResource(kLoadingAnimationName);
  if (!bytes) return bytes.error();
  return DecodeGif(bytes.value());
}

}  // namespace veltrax
