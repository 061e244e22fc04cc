#include "SharedPictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Style.h"

namespace skingen {
namespace {

using namespace colors;

enum class State { Normal, Hover, Pressed, Selected, Recording };

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

// A push button face: dark at rest, accent edge on hover, accent fill when
// pressed, red while recording.
QImage ButtonFace(int w, int h, State state) {
  QImage image = Blank(w, h);
  QPainter p(&image);
  Smooth(p);
  const QRectF r(0.5, 0.5, w - 1, h - 1);
  QLinearGradient fill(0, 0, 0, h);
  QColor border = kLineBright;
  switch (state) {
    case State::Normal:
      fill.setColorAt(0, QColor(38, 44, 55));
      fill.setColorAt(1, QColor(26, 30, 38));
      break;
    case State::Hover:
      fill.setColorAt(0, QColor(34, 58, 70));
      fill.setColorAt(1, QColor(22, 38, 48));
      border = kAccent;
      break;
    case State::Pressed:
    case State::Selected:
      fill.setColorAt(0, kAccentDeep);
      fill.setColorAt(1, QColor(10, 84, 104));
      border = kAccent;
      break;
    case State::Recording:
      fill.setColorAt(0, QColor(150, 34, 52));
      fill.setColorAt(1, QColor(104, 22, 36));
      border = kDanger;
      break;
  }
  p.setPen(QPen(border, 1));
  p.setBrush(fill);
  p.drawRoundedRect(r, 3, 3);
  // A light top edge gives the face some depth.
  p.setPen(QPen(QColor(255, 255, 255, state == State::Normal ? 18 : 36), 1));
  p.drawLine(QPointF(4, 1.5), QPointF(w - 4, 1.5));
  if (state == State::Recording) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 110, 128));
    p.drawEllipse(QPointF(10, h / 2.0), 3.5, 3.5);
  }
  return image;
}

// A navigation button: flat at rest, lifted on hover, accent bar and glow
// when it is the current page or language.
QImage NavigationFace(int w, int h, State state) {
  QImage image = Blank(w, h);
  QPainter p(&image);
  Smooth(p);
  const QRectF r(0.5, 0.5, w - 1, h - 1);
  if (state == State::Normal) {
    p.setPen(QPen(QColor(44, 51, 63), 1));
    p.setBrush(QColor(22, 26, 33));
    p.drawRoundedRect(r, 4, 4);
  } else {
    QLinearGradient fill(0, 0, w, 0);
    const bool selected = state == State::Selected;
    fill.setColorAt(0, selected ? QColor(14, 104, 128) : QColor(32, 40, 50));
    fill.setColorAt(1, selected ? QColor(18, 44, 56) : QColor(26, 31, 39));
    p.setPen(QPen(selected ? kAccent : kLineBright, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(selected ? kAccent : QColor(34, 211, 238, 150));
    p.drawRoundedRect(QRectF(3, 6, 3, h - 12), 1.5, 1.5);
  }
  return image;
}

// The face of a key label on the key page: a field with a notch on the left.
QImage KeyFace(int w, int h, bool hover) {
  QImage image = Blank(w, h);
  QPainter p(&image);
  Smooth(p);
  QPainterPath path;
  path.moveTo(6.5, 0.5);
  path.lineTo(w - 0.5, 0.5);
  path.lineTo(w - 0.5, h - 6.5);
  path.lineTo(w - 6.5, h - 0.5);
  path.lineTo(0.5, h - 0.5);
  path.lineTo(0.5, 6.5);
  path.closeSubpath();
  QLinearGradient fill(0, 0, 0, h);
  fill.setColorAt(0, hover ? QColor(30, 56, 68) : QColor(32, 37, 47));
  fill.setColorAt(1, hover ? QColor(20, 38, 48) : QColor(23, 27, 34));
  p.setPen(QPen(hover ? kAccent : kLineBright, 1));
  p.setBrush(fill);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(hover ? kAccent : QColor(34, 211, 238, 110));
  p.drawRect(QRectF(1, 8, 2, h - 16));
  return image;
}

// The window's close (cross) and minimise (dash) buttons.
QImage WindowButton(bool close, State state) {
  QImage image = Blank(20, 20);
  QPainter p(&image);
  Smooth(p);
  QColor fill(0, 0, 0, 0);
  QColor glyph = kMuted;
  if (state == State::Hover) {
    fill = close ? kDanger : QColor(48, 56, 70);
    glyph = kText;
  } else if (state == State::Pressed) {
    fill = close ? QColor(176, 40, 60) : QColor(36, 42, 52);
    glyph = kText;
  }
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(0, 0, 20, 20), 4, 4);
  p.setPen(QPen(glyph, 1.6, Qt::SolidLine, Qt::RoundCap));
  if (close) {
    p.drawLine(QPointF(6, 6), QPointF(14, 14));
    p.drawLine(QPointF(14, 6), QPointF(6, 14));
  } else {
    p.drawLine(QPointF(5.5, 13), QPointF(14.5, 13));
  }
  return image;
}

// The web button: a globe and the address hint.
QImage WebButton(State state) {
  QImage image = Blank(200, 66);
  QPainter p(&image);
  Smooth(p);
  const bool lit = state != State::Normal;
  p.setPen(QPen(lit ? kAccent : kLineBright, 1));
  p.setBrush(state == State::Pressed ? QColor(14, 84, 104) : QColor(22, 26, 33));
  p.drawRoundedRect(QRectF(0.5, 0.5, 199, 65), 8, 8);
  p.setPen(QPen(lit ? kAccent : kMuted, 1.6));
  p.setBrush(Qt::NoBrush);
  const QPointF c(36, 33);
  p.drawEllipse(c, 15, 15);
  p.drawEllipse(c, 6.5, 15);
  p.drawLine(QPointF(21, 33), QPointF(51, 33));
  TextAt(p, 64, 16, "VELTRAX", Font(15, QFont::Bold, true), lit ? kText : kMuted);
  TextAt(p, 64, 36, "www", Font(12), kFaint);
  return image;
}

QImage CheckBox(bool on) {
  QImage image = Blank(16, 16);
  QPainter p(&image);
  Smooth(p);
  p.setPen(QPen(on ? kAccent : kLineBright, 1));
  p.setBrush(on ? kAccentDeep : QColor(16, 19, 25));
  p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
  if (on) {
    p.setPen(QPen(QColor(240, 252, 255), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(4, 8.5);
    tick.lineTo(7, 11.5);
    tick.lineTo(12, 5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
  }
  return image;
}

QImage Radio(bool on) {
  QImage image = Blank(15, 15);
  QPainter p(&image);
  Smooth(p);
  p.setPen(QPen(on ? kAccent : kLineBright, 1.2));
  p.setBrush(QColor(16, 19, 25));
  p.drawEllipse(QRectF(0.8, 0.8, 13.4, 13.4));
  if (on) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(7.5, 7.5), 3.6, 3.6);
  }
  return image;
}

// One segment of a step bar: a dark slot, or a lit cell with a glow.
QImage Segment(int w, int h, bool on) {
  QImage image = Blank(w, h);
  QPainter p(&image);
  Smooth(p);
  const QRectF r(1.5, 3.5, w - 3, h - 7);
  if (on) {
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0, QColor(120, 236, 250));
    fill.setColorAt(1, kAccent.darker(120));
    p.setPen(QPen(QColor(34, 211, 238, 90), 2));
    p.setBrush(fill);
  } else {
    p.setPen(QPen(kLine, 1));
    p.setBrush(QColor(30, 35, 44));
  }
  p.drawRoundedRect(r, 2, 2);
  return image;
}

// The frame around a colour swatch: a border with an open middle and a
// small chevron that says "click to choose".
QImage SwatchFrame() {
  QImage image = Blank(32, 40);
  QPainter p(&image);
  Smooth(p);
  p.setPen(QPen(kLineBright, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(0.5, 0.5, 31, 39), 4, 4);
  p.setPen(QPen(kText, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(12, 33), QPointF(16, 36));
  p.drawLine(QPointF(16, 36), QPointF(20, 33));
  return image;
}

// Background of the macro page's insert box; the clock marks delay inserts,
// the key cap key inserts.
QImage InsertBase(bool keys) {
  QImage image(207, 162, QImage::Format_ARGB32);
  image.fill(kPanel);
  QPainter p(&image);
  Smooth(p);
  Panel(p, QRectF(0, 0, 207, 162), kPanelRaised, kLineBright, 6);
  p.setPen(QPen(kLine, 1));
  p.drawLine(QPointF(8, 120.5), QPointF(199, 120.5));
  p.setPen(QPen(QColor(34, 211, 238, 120), 1.4));
  p.setBrush(Qt::NoBrush);
  if (keys) {
    p.drawRoundedRect(QRectF(184, 40, 14, 12), 2, 2);
  } else {
    p.drawEllipse(QPointF(191, 46), 6.5, 6.5);
    p.drawLine(QPointF(191, 46), QPointF(191, 42));
    p.drawLine(QPointF(191, 46), QPointF(194, 47));
  }
  return image;
}

// Background of every dialog.
QImage DialogBase() {
  QImage image(530, 200, QImage::Format_ARGB32);
  image.fill(kBase);
  QPainter p(&image);
  Smooth(p);
  QLinearGradient fill(0, 0, 0, 200);
  fill.setColorAt(0, QColor(26, 31, 40));
  fill.setColorAt(1, QColor(15, 18, 23));
  p.setPen(QPen(kLineBright, 1));
  p.setBrush(fill);
  p.drawRect(QRectF(0.5, 0.5, 529, 199));
  QLinearGradient accent(0, 0, 530, 0);
  accent.setColorAt(0, kAccent);
  accent.setColorAt(0.6, QColor(34, 211, 238, 40));
  accent.setColorAt(1, QColor(34, 211, 238, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(accent);
  p.drawRect(QRectF(1, 1, 528, 2));
  p.setPen(QPen(kLine, 1));
  p.drawLine(QPointF(16, 56.5), QPointF(514, 56.5));
  return image;
}

}  // namespace

std::map<QString, QImage> SharedPictures() {
  std::map<QString, QImage> pictures;
  const State press[] = {State::Normal, State::Hover, State::Pressed};
  for (int i = 0; i < 3; ++i) {
    pictures[QString("BtnS_%1").arg(i + 1, 2, 10, QChar('0'))] = ButtonFace(110, 27, press[i]);
    pictures[QString("MacroBtnS_%1").arg(i + 1, 2, 10, QChar('0'))] = ButtonFace(44, 27, press[i]);
    pictures[QString("ExitS_%1").arg(i + 1, 2, 10, QChar('0'))] = WindowButton(true, press[i]);
  }
  const State nav[] = {State::Normal, State::Hover, State::Selected};
  for (int i = 0; i < 3; ++i) pictures[QString("SetS_0%1").arg(i + 1)] = NavigationFace(110, 30, nav[i]);
  const State macro[] = {State::Normal, State::Hover, State::Pressed, State::Recording};
  for (int i = 0; i < 4; ++i) pictures[QString("MacroS_0%1").arg(i + 1)] = ButtonFace(110, 27, macro[i]);
  pictures["KeyS_01"] = KeyFace(170, 27, false);
  pictures["KeyS_02"] = KeyFace(170, 27, true);
  pictures["MiniS_01"] = WindowButton(false, State::Normal);
  pictures["MiniS_02"] = WindowButton(false, State::Hover);
  pictures["WebS_01"] = WebButton(State::Normal);
  pictures["WebS_02"] = WebButton(State::Pressed);
  pictures["WebS_03"] = WebButton(State::Hover);
  pictures["CbS_D"] = CheckBox(false);
  pictures["CbS_E"] = CheckBox(true);
  pictures["RdS_D"] = Radio(false);
  pictures["RdS_E"] = Radio(true);
  pictures["Bar1_D"] = Segment(26, 18, false);
  pictures["Bar1_E"] = Segment(26, 18, true);
  pictures["Bar2_D"] = Segment(20, 18, false);
  pictures["Bar2_E"] = Segment(20, 18, true);
  pictures["Col_F"] = SwatchFrame();
  pictures["InsertDelayBase"] = InsertBase(false);
  pictures["InsertKeyBase"] = InsertBase(true);
  pictures["Msg"] = DialogBase();
  return pictures;
}

}  // namespace skingen
