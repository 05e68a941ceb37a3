#include "console/TarnelIcon.h"

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

QIcon TarnelIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(TarnelIconImage(size)));
  return icon;
}

}  // namespace console
