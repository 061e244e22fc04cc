#include "PagePictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygon>
#include <QRadialGradient>
#include <string>

#include "Captions.h"
#include "MouseDrawing.h"
#include "Style.h"

namespace skingen {
namespace {

using namespace colors;
using veltrax::LayoutTable;

constexpr int kCut = 16;  // chamfer of the window's corners

QPolygon WindowOutline() {
  const int w = kWindowWidth;
  const int h = kWindowHeight;
  return QPolygon({QPoint(kCut, 0), QPoint(w - kCut, 0), QPoint(w, kCut), QPoint(w, h - kCut),
                   QPoint(w - kCut, h), QPoint(kCut, h), QPoint(0, h - kCut), QPoint(0, kCut)});
}

// Outside the outline every pixel is the colour key; inside, no pixel may be
// it by accident, or the window would show a hole there.
void KeyOutside(QImage& image) {
  QImage mask(image.size(), QImage::Format_ARGB32);
  mask.fill(Qt::black);
  {
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(WindowOutline());
  }
  const QRgb key = kSeeThrough.rgb();
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const auto* inside = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qRed(inside[x]) == 0) {
        line[x] = key;
      } else if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) {
        line[x] = qRgb(129, 0, 0);
      }
    }
  }
}

QImage Canvas(int w, int h, const QColor& fill) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

// Position of a layout control on its content picture.
QPointF Local(const LayoutTable& layout, const std::string& name, const char* origin) {
  const int ox = layout.IntOr(std::string(origin) + "_X", 0);
  const int oy = layout.IntOr(std::string(origin) + "_Y", 0);
  return QPointF(layout.IntOr(name + "_X", 0) - ox, layout.IntOr(name + "_Y", 0) - oy);
}

bool Inside(const QPointF& p) { return p.x() >= 0 && p.y() >= 0 && p.x() < kContentWidth && p.y() < kContentHeight; }

void PageBase(QPainter& p) {
  QLinearGradient fill(0, 0, 0, kContentHeight);
  fill.setColorAt(0, QColor(17, 20, 26));
  fill.setColorAt(1, QColor(12, 14, 18));
  p.fillRect(QRect(0, 0, kContentWidth, kContentHeight), fill);
  // A faint dot grid keeps large areas from looking flat.
  p.setPen(QPen(QColor(255, 255, 255, 9), 1));
  for (int y = 8; y < kContentHeight; y += 16) {
    for (int x = 8; x < kContentWidth; x += 16) p.drawPoint(x, y);
  }
}

QFont Caption() { return Font(12); }
QFont Small() { return Font(11); }

}  // namespace

QImage Background(int language) {
  const Captions& c = CaptionsOf(language);
  QImage image = Canvas(kWindowWidth, kWindowHeight, kBase);
  {
    QPainter p(&image);
    Smooth(p);
    QLinearGradient fill(0, 0, 0, kWindowHeight);
    fill.setColorAt(0, kBaseTop);
    fill.setColorAt(1, kBase);
    p.setPen(QPen(kLineBright, 1));
    p.setBrush(fill);
    p.drawPolygon(WindowOutline());

    // Header: the mark, the name and the product.
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPath(Mark(QPointF(26, 20), 1));
    TextAt(p, 72, 14, "VELTRAX", Font(24, QFont::Black, true), kText);
    TextAt(p, 74, 44, c.product, Font(11, QFont::DemiBold), kMuted);
    TextAt(p, 520, 28, c.language, Font(11, QFont::DemiBold), kFaint);
    QLinearGradient rule(0, 0, kWindowWidth, 0);
    rule.setColorAt(0, kAccent);
    rule.setColorAt(0.35, QColor(34, 211, 238, 60));
    rule.setColorAt(1, QColor(34, 211, 238, 0));
    p.fillRect(QRectF(kCut, 66, kWindowWidth - 2 * kCut, 1), rule);

    // Side bar with the page and profile buttons.
    Panel(p, QRectF(20, 80, 140, 510), kPanel, kLine, 6);
    TextAt(p, 35, 94, c.pages, Font(10, QFont::Bold), kFaint);
    p.fillRect(QRectF(35, 352, 110, 1), kLine);
    TextAt(p, 35, 364, c.profile, Font(10, QFont::Bold), kFaint);

    // Frame of the content pictures.
    p.setPen(QPen(kLine, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(179.5, 79.5, kContentWidth + 1, kContentHeight + 1));

    // Footer with the action buttons.
    p.fillRect(QRectF(kCut, 602, kWindowWidth - 2 * kCut, 1), kLine);
    TextAt(p, 35, 620, c.presets, Font(10, QFont::Bold), kFaint);
  }
  KeyOutside(image);
  return image;
}

QImage KeyPage(const LayoutTable& layout, int language) {
  const Captions& c = CaptionsOf(language);
  QImage image = Canvas(kContentWidth, kContentHeight, kBase);
  QPainter p(&image);
  Smooth(p);
  PageBase(p);
  SectionTitle(p, 24, 22, c.keysTitle);
  TextAt(p, 24, 46, c.keysHint, Small(), kMuted);
  const QPointF top(kContentWidth / 2.0, 52);
  DrawMouse(p, top);
  // Leader lines from each shown label to its button, with the button's number.
  for (int n = 1; n <= 9; ++n) {
    const std::string key = "Key" + std::to_string(n);
    const QPointF at = Local(layout, key, "P1");
    if (layout.IntOr(key + "_Enable", 0) != 1 || !Inside(at)) continue;
    const QPointF anchor = ButtonAnchor(n, top);
    const bool leftSide = at.x() + 85 < anchor.x();
    const qreal cy = at.y() + 13.5;
    const QPointF tag(leftSide ? at.x() + 170 + 14 : at.x() - 14, cy);
    const QPointF elbow(anchor.x() + (leftSide ? -30 : 30), cy);
    QPainterPath line;
    line.moveTo(tag.x() + (leftSide ? 9 : -9), cy);
    line.lineTo(elbow);
    line.lineTo(anchor);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(34, 211, 238, 150), 1.3));
    p.drawPath(line);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(34, 211, 238, 60));
    p.drawEllipse(anchor, 6, 6);
    p.setBrush(kAccent);
    p.drawEllipse(anchor, 3, 3);
    p.setPen(QPen(kAccent, 1.2));
    p.setBrush(QColor(14, 30, 38));
    p.drawEllipse(tag, 9, 9);
    TextIn(p, QRectF(tag.x() - 9, tag.y() - 9, 18, 18), QString::number(n), Font(10, QFont::Bold), kText,
           Qt::AlignCenter);
  }
  return image;
}

QImage AdvancedPage(const LayoutTable& layout, int language) {
  const Captions& c = CaptionsOf(language);
  QImage image = Canvas(kContentWidth, kContentHeight, kBase);
  QPainter p(&image);
  Smooth(p);
  PageBase(p);

  Panel(p, QRectF(12, 12, 452, 486));
  SectionTitle(p, 28, 26, c.dpiTitle);
  if (layout.IntOr("DPI_Count_Visible", 0) == 1) {
    const QPointF at = Local(layout, "DPI_Count", "P2");
    TextIn(p, QRectF(at.x() - 128, at.y(), 120, 22), c.dpiLevels, Caption(), kMuted,
           Qt::AlignRight | Qt::AlignVCenter);
  }
  bool firstRow = true;
  for (int n = 1; n <= 7; ++n) {
    const std::string row = "DPI" + std::to_string(n);
    const QPointF check = Local(layout, row + "_Check", "P2");
    const QPointF steps = Local(layout, row + "_Steps", "P2");
    if (!Inside(check)) continue;
    Panel(p, QRectF(24, check.y() - 10, 428, 36), QColor(22, 26, 34), QColor(34, 40, 50), 4);
    if (firstRow) {
      const int gap = layout.IntOr(row + "_Steps_D", 4);
      TextAt(p, steps.x(), steps.y() - 26, "500", Font(10), kFaint);
      TextIn(p, QRectF(steps.x() + 10 * (20 + gap) + 20 - 50, steps.y() - 26, 50, 14), "6400", Font(10), kFaint,
             Qt::AlignRight | Qt::AlignTop);
      firstRow = false;
    }
  }

  Panel(p, QRectF(476, 12, 338, 124));
  SectionTitle(p, 492, 26, c.fireTitle);
  const QPointF shots = Local(layout, "FKCnt", "P2");
  const QPointF interval = Local(layout, "FKDelay", "P2");
  TextIn(p, QRectF(492, shots.y(), 140, 24), c.fireShots, Caption(), kText, Qt::AlignLeft | Qt::AlignVCenter);
  TextIn(p, QRectF(492, interval.y(), 140, 24), c.fireInterval, Caption(), kText,
         Qt::AlignLeft | Qt::AlignVCenter);

  Panel(p, QRectF(476, 148, 338, 350));
  SectionTitle(p, 492, 162, c.pointerTitle);
  const std::pair<const char*, const QString*> bars[] = {
      {"Spd", &c.pointerSpeed}, {"DbSpd", &c.doubleClick}, {"ScrSpd", &c.scrollLines}};
  for (const auto& [name, text] : bars) {
    const QPointF at = Local(layout, name, "P2");
    TextAt(p, at.x(), at.y() - 20, *text, Caption(), kText);
  }
  const std::pair<const char*, const QString*> switches[] = {{"IsControl", &c.precision},
                                                             {"IsScreen", &c.screenPerNotch}};
  for (const auto& [name, text] : switches) {
    const QPointF at = Local(layout, name, "P2");
    TextIn(p, QRectF(at.x() + 24, at.y() - 2, 280, 20), *text, Caption(), kText, Qt::AlignLeft | Qt::AlignVCenter);
  }
  return image;
}

QImage LightPage(const LayoutTable& layout, int language) {
  const Captions& c = CaptionsOf(language);
  QImage image = Canvas(kContentWidth, kContentHeight, kBase);
  QPainter p(&image);
  Smooth(p);
  PageBase(p);

  auto option = [&](const char* name, const QString& text) {
    const QPointF at = Local(layout, name, "P3");
    TextIn(p, QRectF(at.x() + 22, at.y() - 3, 96, 21), text, Caption(), kText, Qt::AlignLeft | Qt::AlignVCenter);
  };
  Panel(p, QRectF(12, 12, 452, 276));
  SectionTitle(p, 28, 26, c.lightTitle);
  struct Row {
    const char* on;
    const char* off;
    const QString* caption;
    const QString* onText;
    const QString* offText;
  };
  const Row rows[] = {{"LEDOn", "LEDOff", &c.ledPower, &c.on, &c.off},
                      {"MCPIOn", "MCPIOff", &c.ledSwitch, &c.on, &c.off},
                      {"LEDSwitchOn", "LEDSwitchOff", &c.modeSwitch, &c.on, &c.off},
                      {"SaveKeyMode", "NoSaveKeyMode", &c.rememberMode, &c.save, &c.noSave},
                      {"LED3Control", "LED6Control", &c.brightness, &c.full, &c.half}};
  for (const Row& row : rows) {
    const QPointF at = Local(layout, row.on, "P3");
    p.fillRect(QRectF(28, at.y() + 27, 420, 1), QColor(34, 40, 50));
    TextIn(p, QRectF(32, at.y() - 3, 190, 21), *row.caption, Caption(), kMuted, Qt::AlignLeft | Qt::AlignVCenter);
    option(row.on, *row.onText);
    option(row.off, *row.offText);
  }

  Panel(p, QRectF(12, 300, 452, 198));
  SectionTitle(p, 28, 314, c.lightModes);
  for (int n = 1; n <= 7; ++n) {
    const std::string name = "MCULEDMode" + std::to_string(n);
    option(name.c_str(), c.mode + QString::number(n));
  }

  Panel(p, QRectF(476, 12, 338, 120));
  SectionTitle(p, 492, 26, c.lightSpeed);
  Panel(p, QRectF(476, 144, 338, 112));
  SectionTitle(p, 492, 158, c.ledCount);
  Panel(p, QRectF(476, 268, 338, 230));
  SectionTitle(p, 492, 282, c.keyModeColors);
  const std::pair<const char*, const QString*> swatches[] = {{"KeyMode1", &c.modeA}, {"KeyMode2", &c.modeB}};
  for (const auto& [name, text] : swatches) {
    const QPointF at = Local(layout, name, "P3");
    TextIn(p, QRectF(at.x() + 42, at.y(), 90, 40), *text, Caption(), kText, Qt::AlignLeft | Qt::AlignVCenter);
  }
  return image;
}

QImage MacroPage(const LayoutTable& layout, int language) {
  const Captions& c = CaptionsOf(language);
  QImage image = Canvas(kContentWidth, kContentHeight, kBase);
  QPainter p(&image);
  Smooth(p);
  PageBase(p);

  Panel(p, QRectF(12, 12, 268, 486));
  SectionTitle(p, 24, 26, c.library);
  Panel(p, QRectF(288, 12, 296, 486));
  SectionTitle(p, 300, 26, c.events);
  Panel(p, QRectF(592, 12, 222, 486));
  SectionTitle(p, 604, 26, c.recording);

  // The delay box's own captions: its options carry no text.
  const QPointF box = Local(layout, "DelayTime", "P4");
  Panel(p, QRectF(box.x(), box.y(), 207, 162), kPanelRaised, kLineBright, 6);
  const int rx = layout.IntOr("RecDelay_X", 0);
  const int ry = layout.IntOr("RecDelay_Y", 0);
  const int rh = layout.IntOr("RecDelay_H", 24);
  const QString* delays[] = {&c.recordDelay, &c.defaultDelay, &c.noDelay};
  for (int i = 0; i < 3; ++i) {
    TextIn(p, QRectF(box.x() + rx + 22, box.y() + ry + i * rh - 3, 110, 21), *delays[i], Small(), kText,
           Qt::AlignLeft | Qt::AlignVCenter);
  }
  const QPointF edit(box.x() + layout.IntOr("DelayEdit_X", 0), box.y() + layout.IntOr("DelayEdit_Y", 0));
  TextIn(p, QRectF(edit.x() + 46, edit.y(), 36, 22), c.ms, Small(), kMuted, Qt::AlignLeft | Qt::AlignVCenter);
  const qreal divider = box.y() + layout.IntOr("ReleaseStop_Y", 0) - 8;
  p.fillRect(QRectF(box.x() + 10, divider, 187, 1), kLine);
  const std::pair<const char*, const QString*> releases[] = {{"ReleaseStop", &c.releaseStop},
                                                             {"ReleaseContinue", &c.releaseContinue}};
  for (const auto& [name, text] : releases) {
    const QPointF at(box.x() + layout.IntOr(std::string(name) + "_X", 0),
                     box.y() + layout.IntOr(std::string(name) + "_Y", 0));
    TextIn(p, QRectF(at.x() + 22, at.y() - 3, 170, 21), *text, Small(), kText, Qt::AlignLeft | Qt::AlignVCenter);
  }
  TextIn(p, QRectF(604, box.y() + 182, 198, 120), c.macroHint, Small(), kMuted);
  return image;
}

}  // namespace skingen
