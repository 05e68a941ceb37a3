#include "console/CLed.h"

#include <QPainter>
#include <QtMath>
#include <array>
#include <map>

namespace console {

namespace {

constexpr int kSize = 16;

// Drawn for the screen's pixel ratio, so the icons stay sharp at any scale.
QPixmap Draw(LedState state, qreal ratio) {
  const int side = qCeil(kSize * ratio);
  QPixmap pixmap(side, side);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF disc(1.5, 1.5, kSize - 3, kSize - 3);
  QFont font = p.font();
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  auto lettered = [&](const QColor& fill, const QString& letter) {
    p.setPen(QPen(fill.darker(150), 1));
    p.setBrush(fill);
    p.drawEllipse(disc);
    p.setPen(Qt::white);
    p.drawText(disc, Qt::AlignCenter, letter);
  };
  switch (state) {
    case LedState::Open:  // a ring: the circuit is open
      p.setPen(QPen(QColor(230, 150, 0), 2.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(disc.adjusted(1, 1, -1, -1));
      break;
    case LedState::Close:  // a solid green disc: sealed
      p.setPen(QPen(QColor(20, 120, 10), 1));
      p.setBrush(QColor(40, 190, 30));
      p.drawEllipse(disc);
      break;
    case LedState::Unknown:
      lettered(QColor(150, 150, 150), QStringLiteral("?"));
      break;
    case LedState::Tamper:
      lettered(QColor(140, 40, 170), QStringLiteral("T"));
      break;
    case LedState::Alarm:
      lettered(QColor(220, 20, 20), QStringLiteral("!"));
      break;
    case LedState::Bypass:
      lettered(QColor(30, 90, 210), QStringLiteral("B"));
      break;
  }
  return pixmap;
}

}  // namespace

QPixmap CLed::icon(LedState state, qreal ratio) {
  // One set per pixel ratio in use: a frame changes many indicators at once.
  static std::map<int, std::array<QPixmap, 6>> sets;
  std::array<QPixmap, 6>& icons = sets[qRound(ratio * 100)];
  QPixmap& drawn = icons[static_cast<std::size_t>(state)];
  if (drawn.isNull()) drawn = Draw(state, ratio);
  return drawn;
}

CLed::CLed(QWidget* parent) : QLabel(parent) {
  setFixedSize(kSize, kSize);
  setState(state_);
}

void CLed::setState(LedState state) {
  state_ = state;
  setPixmap(icon(state, devicePixelRatioF()));
  // The icon alone says nothing to a screen reader.
  static const char* const kStateWords[] = {QT_TR_NOOP("Open"),   QT_TR_NOOP("Close"), QT_TR_NOOP("Unknown"),
                                            QT_TR_NOOP("Tamper"), QT_TR_NOOP("Alarm"), QT_TR_NOOP("Bypass")};
  setAccessibleDescription(tr(kStateWords[static_cast<int>(state)]));
}

}  // namespace console
