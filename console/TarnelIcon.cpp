#include "console/TarnelIcon.h"

#include <QIconEngine>
#include <algorithm>
#include <QPainter>
#include <QPixmap>

namespace console {

QImage TarnelIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  // Keypad body.
  p.setPen(QPen(QColor(0x33, 0x36, 0x3d), 1.5));
  p.setBrush(QColor(0xd9, 0xdc, 0xe1));
  p.drawRoundedRect(QRectF(5, 1.5, 22, 29), 3.5, 3.5);
  // Display with the READY lamp beside it.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2f, 0x5d, 0x3a));
  p.drawRoundedRect(QRectF(8, 4.5, 11, 5.5), 1, 1);
  p.setBrush(QColor(0x14, 0xc8, 0x0a));
  p.drawEllipse(QRectF(21, 5, 4, 4));
  // Twelve keys, the last one red: the alarm key.
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 3; ++column) {
      const bool alarm = row == 3 && column == 2;
      p.setBrush(alarm ? QColor(0xdc, 0x1e, 0x1e) : QColor(0x4a, 0x50, 0x5c));
      p.drawRoundedRect(QRectF(8.5 + column * 5.5, 12.5 + row * 4.5, 4, 3), 0.8, 0.8);
    }
  }
  return image;
}

namespace {

// Draws the icon at the size asked for, when it is asked for: start-up need
// not paint (and keep) every size a screen might want.
class TarnelIconEngine final : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    painter->drawImage(rect, TarnelIconImage(std::min(rect.width(), rect.height())));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    return QPixmap::fromImage(TarnelIconImage(std::min(size.width(), size.height())));
  }
  QIconEngine* clone() const override { return new TarnelIconEngine; }
  QString key() const override { return QStringLiteral("tarnel"); }
  // What a window's title bar and task list take; larger ones come from the
  // installed desktop icons.
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
  }
};

}  // namespace

QIcon TarnelIcon() { return QIcon(new TarnelIconEngine); }

}  // namespace console
