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
namespace {

bool ValidLanguage(int language) { return language >= 1 && language <= 3; }

std::string_view AsText(const std::vector<uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

Result<std::vector<uint8_t>> ReadResource(std::string_view name) {
  static std::once_flag once;
  std::call_once(once, InitBuiltInResources);
  const QString path = QStringLiteral(":/veltrax/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Error{ErrorKind::NotFound, "built-in resource " + std::string(name)};
  const QByteArray data = file.readAll();
  return std::vector<uint8_t>(data.begin(), data.end());
}

LanguageTable LoadLanguageTable(int language) {
  if (!ValidLanguage(language)) return LanguageTable();
  const std::string name = "lang" + std::to_string(language);
  Result<std::vector<uint8_t>> bytes = ReadResource(name);
  if (!bytes) return LanguageTable();
  return LanguageTable::Parse(bytes.value(), name);
}

Result<LayoutTable> LoadLayout(int language) {
  if (!ValidLanguage(language)) return Error{ErrorKind::BadArgument, "layout of language " + std::to_string(language)};
  Result<std::vector<uint8_t>> bytes = ReadResource("ORG" + std::to_string(language));
  if (!bytes) return bytes.error();
  return LayoutTable::Parse(AsText(bytes.value()), "org" + std::to_string(language));
}

Result<GlobalOptions> LoadGlobalOptions() {
  Result<std::vector<uint8_t>> bytes = ReadResource("ORG");
  if (!bytes) return bytes.error();
  return GlobalOptions::Parse(AsText(bytes.value()));
}

Result<GifAnimation> LoadLoadingAnimation() {
  Result<std::vector<uint8_t>> bytes = ReadResource(kLoadingAnimationName);
  if (!bytes) return bytes.error();
  return DecodeGif(bytes.value());
}

}  // namespace veltrax
