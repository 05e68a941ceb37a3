#include "configurator/QuilbyIcon.h"

#include <QPainter>
#include <QPixmap>

namespace quilby {

QImage QuilbyIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  // Module body with its network socket and the link lamp.
  p.setPen(QPen(QColor(0x25, 0x3a, 0x5e), 1.5));
  p.setBrush(QColor(0x4a, 0x78, 0xb8));
  p.drawRoundedRect(QRectF(3, 7, 26, 18), 3, 3);
  p.setBrush(QColor(0xe8, 0xee, 0xf6));
  p.drawRect(QRectF(7, 12, 9, 8));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3c, 0xc8, 0x50));
  p.drawEllipse(QRectF(21, 13, 5, 5));
  p.setPen(QPen(QColor(0x25, 0x3a, 0x5e), 2));
  p.drawLine(QPointF(11.5, 25), QPointF(11.5, 30));
  return image;
}

QIcon QuilbyIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(QuilbyIconImage(size)));
  return icon;
}

}  // namespace quilby
