#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "resources/GifAnimation.h"
#include "resources/PictureStore.h"
#include "resources/PngDecoder.h"
#include "resources/Resources.h"
#include "resources/SkinPictures.h"

namespace veltrax {
namespace {

std::vector<uint8_t> Resource(std::string_view name) {
  Result<std::vector<uint8_t>> bytes = ReadResource(name);
  return bytes.ok() ? bytes.value() : std::vector<uint8_t>();
}

TEST(SkinPictures, EveryPictureIsThereInItsSize) {
  const std::pair<const char*, QSize> sizes[] = {
      {"BtnS_", {110, 27}},     {"SetS_", {110, 30}},     {"KeyS_", {170, 27}},    {"ExitS_", {20, 20}},
      {"MiniS_", {20, 20}},     {"WebS_", {200, 66}},     {"MacroS_", {110, 27}},  {"MacroBtnS_", {44, 27}},
      {"CbS_", {16, 16}},       {"RdS_", {15, 15}},       {"Bar1_", {26, 18}},     {"Bar2_", {20, 18}},
      {"Col_F", {32, 40}},      {"InsertDelayBase", {207, 162}}, {"InsertKeyBase", {207, 162}},
      {"Msg", {530, 200}}};
  PictureStore store;
  for (std::string_view name : SharedPictureNames()) {
    const Result<QImage> picture = store.Find(name);
    ASSERT_TRUE(picture.ok()) << picture.error().context;
    bool sized = false;
    for (const auto& [prefix, size] : sizes) {
      if (name.substr(0, std::strlen(prefix)) == prefix) {
        EXPECT_EQ(picture.value().size(), size) << name;
        sized = true;
      }
    }
    EXPECT_TRUE(sized) << name;
  }
  EXPECT_EQ(SharedPictureNames().size(), 35u);
  for (int language = 1; language <= 3; ++language) {
    for (std::string_view suffix : LanguagePictureSuffixes()) {
      const QImage picture = store.Picture(LanguagePictureName(language, suffix));
      ASSERT_FALSE(picture.isNull()) << LanguagePictureName(language, suffix);
      EXPECT_EQ(picture.size(), suffix == "BackGround" ? QSize(1030, 662) : QSize(826, 510));
    }
  }
  EXPECT_FALSE(store.Find("NoSuchPicture").ok());
  EXPECT_TRUE(store.Picture("NoSuchPicture").isNull());
}

TEST(SkinPictures, BackgroundsAreSeeThroughOnlyOutsideTheOutline) {
  PictureStore store;
  for (int language = 1; language <= 3; ++language) {
    const QImage background = store.Picture(LanguagePictureName(language, "BackGround"));
    const QRgb maroon = qRgb(128, 0, 0);
    for (QPoint corner : {QPoint(0, 0), QPoint(1029, 0), QPoint(0, 661), QPoint(1029, 661)}) {
      EXPECT_EQ(background.pixel(corner), maroon) << language;
    }
    int keyed = 0;
    for (int y = 20; y < 642; ++y) {
      for (int x = 20; x < 1010; ++x) keyed += background.pixel(x, y) == maroon;
    }
    EXPECT_EQ(keyed, 0) << language;
  }
}

TEST(LoadingAnimation, LoopsOverItsFramesOnBlack) {
  const Result<GifAnimation> animation = LoadLoadingAnimation();
  ASSERT_TRUE(animation.ok()) << animation.error().context;
  const GifAnimation& a = animation.value();
  EXPECT_EQ(a.size, QSize(206, 196));
  ASSERT_GE(a.frames.size(), 8u);
  EXPECT_EQ(a.frames[0].image.size(), a.size);
  EXPECT_EQ(a.frames[0].image.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_NE(a.frames[0].image, a.frames[1].image);
  const int each = a.frames[0].delayMs;
  EXPECT_EQ(a.FrameAt(0), 0);
  EXPECT_EQ(a.FrameAt(each), 1);
  EXPECT_EQ(a.FrameAt(a.TotalMs() + each), 1);
  EXPECT_EQ(a.FrameAt(-5), 0);
}

std::vector<uint8_t> Encode(const QImage& image, const char* format = "PNG") {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return std::vector<uint8_t>(data.begin(), data.end());
}

TEST(PngDecoder, DecodesEveryColourTypeToArgb) {
  QImage source(7, 5, QImage::Format_ARGB32);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) source.setPixel(x, y, qRgba(x * 30, y * 50, 200, 255 - x * 20));
  }
  const QImage variants[] = {source, source.convertToFormat(QImage::Format_RGB32),
                             source.convertToFormat(QImage::Format_Grayscale8),
                             source.convertToFormat(QImage::Format_Indexed8),
                             source.convertToFormat(QImage::Format_RGBA64)};
  for (const QImage& variant : variants) {
    const Result<QImage> decoded = DecodePng(Encode(variant));
    ASSERT_TRUE(decoded.ok()) << decoded.error().context;
    EXPECT_EQ(decoded.value().format(), QImage::Format_ARGB32);
    const QImage expected = variant.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 7; ++x) {
        const QRgb got = decoded.value().pixel(x, y);
        const QRgb want = expected.pixel(x, y);
        // 16-bit channels may round to either neighbour.
        const bool close = std::abs(qRed(got) - qRed(want)) <= 1 && std::abs(qGreen(got) - qGreen(want)) <= 1 &&
                           std::abs(qBlue(got) - qBlue(want)) <= 1 && std::abs(qAlpha(got) - qAlpha(want)) <= 1;
        EXPECT_TRUE(close) << variant.format() << " at " << x << "," << y << std::hex << " " << got << " " << want;
      }
    }
  }
}

TEST(PngDecoder, RefusesDamagedData) {
  const std::vector<uint8_t> good = Resource("BtnS_02");
  ASSERT_FALSE(good.empty());
  std::vector<std::vector<uint8_t>> bad = {{}, {0x89, 'P', 'N', 'G'}, std::vector<uint8_t>(300, 0xAB)};
  for (size_t cut : {8ul, 33ul, good.size() / 2, good.size() - 13}) {
    bad.emplace_back(good.begin(), good.begin() + static_cast<long>(cut));
  }
  std::vector<uint8_t> flipped = good;
  flipped[flipped.size() / 2] ^= 0x5A;  // inside the compressed data: its CRC no longer matches
  bad.push_back(flipped);
  for (const std::vector<uint8_t>& bytes : bad) {
    const Result<QImage> decoded = DecodePng(bytes);
    ASSERT_FALSE(decoded.ok()) << bytes.size();
    EXPECT_EQ(decoded.error().kind, ErrorKind::BadFormat);
    EXPECT_FALSE(decoded.error().context.empty());
  }
}

TEST(PictureDecoders, AnyBytesGiveAPictureOrAReason) {
  const std::vector<uint8_t> png = Resource("CbS_E");
  const std::vector<uint8_t> gif = Resource(kLoadingAnimationName);
  std::mt19937 random(11);
  for (int round = 0; round < 150; ++round) {
    std::vector<uint8_t> a = png;
    std::vector<uint8_t> b = gif;
    for (int i = 0; i < 4; ++i) {
      a[random() % a.size()] = static_cast<uint8_t>(random());
      b[random() % b.size()] = static_cast<uint8_t>(random());
    }
    a.resize(random() % (a.size() + 1));
    if (round % 2 == 0) b.resize(random() % (b.size() + 1));
    (void)DecodePng(a);
    (void)DecodeGif(b);
  }
}

// A GIF written into memory with giflib, for cases the skin does not use.
class GifBuilder {
 public:
  GifBuilder(int width, int height) {
    int error = 0;
    gif_ = EGifOpen(&bytes_, Write, &error);
    GifColorType colors[4] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    ColorMapObject* map = GifMakeMapObject(4, colors);
    EGifPutScreenDesc(gif_, width, height, 2, 0, map);
    GifFreeMapObject(map);
  }
  void Frame(int left, int top, int width, int height, int color, int disposal, int transparent, int delayCs) {
    GraphicsControlBlock control{disposal, false, delayCs, transparent};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, extension);
    EGifPutImageDesc(gif_, left, top, width, height, false, nullptr);
    std::vector<GifPixelType> line(static_cast<size_t>(width), static_cast<GifPixelType>(color));
    for (int y = 0; y < height; ++y) EGifPutLine(gif_, line.data(), width);
  }
  // Rows of colour (row % 4), written in the interlaced passes' order.
  void InterlacedFrame(int width, int height) {
    EGifPutImageDesc(gif_, 0, 0, width, height, true, nullptr);
    const int offsets[] = {0, 4, 2, 1};
    const int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int y = offsets[pass]; y < height; y += steps[pass]) {
        std::vector<GifPixelType> line(static_cast<size_t>(width), static_cast<GifPixelType>(y % 4));
        EGifPutLine(gif_, line.data(), width);
      }
    }
  }
  // Only the descriptor of a frame, claiming any size.
  void FrameHeader(int width, int height) { EGifPutImageDesc(gif_, 0, 0, width, height, false, nullptr); }
  std::vector<uint8_t> Finish() {
    int error = 0;
    EGifCloseFile(gif_, &error);
    return bytes_;
  }

 private:
  static int Write(GifFileType* gif, const GifByteType* data, int length) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(gif->UserData);
    bytes->insert(bytes->end(), data, data + length);
    return length;
  }
  std::vector<uint8_t> bytes_;
  GifFileType* gif_ = nullptr;
};

TEST(GifDecoder, ComposesFramesWithTransparencyAndDisposal) {
  GifBuilder builder(4, 4);
  builder.Frame(0, 0, 4, 4, 1, DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR, 5);  // red, kept
  builder.Frame(1, 1, 2, 2, 2, DISPOSE_BACKGROUND, NO_TRANSPARENT_COLOR, 0);  // green square, then cleared
  builder.Frame(0, 0, 1, 1, 0, DISPOSE_DO_NOT, 0, 30);  // only a transparent pixel
  builder.Frame(3, 3, 4, 4, 3, DISPOSE_DO_NOT, NO_TRANSPARENT_COLOR, 30);  // partly outside: clipped
  const Result<GifAnimation> decoded = DecodeGif(builder.Finish());
  ASSERT_TRUE(decoded.ok()) << decoded.error().context;
  const GifAnimation& a = decoded.value();
  ASSERT_EQ(a.frames.size(), 4u);
  EXPECT_EQ(a.frames[0].delayMs, 50);
  EXPECT_EQ(a.frames[1].delayMs, 100);  // no delay: shown as browsers do
  EXPECT_EQ(a.frames[1].image.pixel(1, 1), qRgb(0, 255, 0));
  EXPECT_EQ(a.frames[1].image.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(a.frames[2].image.pixel(1, 1), 0u);  // the green square was cleared to transparent
  EXPECT_EQ(a.frames[2].image.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(a.frames[3].image.pixel(3, 3), qRgb(0, 0, 255));
  EXPECT_EQ(a.frames[3].image.pixel(2, 2), 0u);
}

TEST(GifDecoder, ReadsInterlacedFramesInDisplayOrder) {
  GifBuilder builder(3, 11);
  builder.InterlacedFrame(3, 11);
  const Result<GifAnimation> decoded = DecodeGif(builder.Finish());
  ASSERT_TRUE(decoded.ok()) << decoded.error().context;
  const QRgb colors[] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
  for (int y = 0; y < 11; ++y) EXPECT_EQ(decoded.value().frames[0].image.pixel(1, y), colors[y % 4]) << y;
}

TEST(GifDecoder, RefusesHugeFramesBeforeReadingThem) {
  GifBuilder builder(4, 4);
  builder.FrameHeader(65535, 65535);
  const Result<GifAnimation> decoded = DecodeGif(builder.Finish());
  ASSERT_FALSE(decoded.ok());
  EXPECT_NE(decoded.error().context.find("too large"), std::string::npos) << decoded.error().context;
}

TEST(GifDecoder, RefusesDamagedData) {
  const std::vector<uint8_t> good = Resource(kLoadingAnimationName);
  ASSERT_FALSE(good.empty());
  std::vector<std::vector<uint8_t>> bad = {{}, {'G', 'I', 'F', '8', '9', 'a'}, std::vector<uint8_t>(64, 0x47)};
  for (size_t cut : {13ul, 800ul, good.size() / 2, good.size() - 2}) {
    bad.emplace_back(good.begin(), good.begin() + static_cast<long>(cut));
  }
  bad.push_back(GifBuilder(4, 4).Finish());  // no frames
  for (const std::vector<uint8_t>& bytes : bad) {
    const Result<GifAnimation> decoded = DecodeGif(bytes);
    ASSERT_FALSE(decoded.ok()) << bytes.size();
    EXPECT_EQ(decoded.error().kind, ErrorKind::BadFormat);
  }
}

}  // namespace
}  // namespace veltrax
