#include "console/CStaticColor.h"

#include <QPainter>

namespace console {

const QColor CStaticColor::kRed(255, 30, 30);
const QColor CStaticColor::kGreen(20, 200, 10);
const QColor CStaticColor::kGrey(160, 160, 160);

CStaticColor::CStaticColor(const QString& text, QWidget* parent)
    : QLabel(text, parent), current_(palette().color(QPalette::ButtonText)) {
  setAlignment(Qt::AlignCenter);
  // Lamps paint their text bold; size them for it so nothing is clipped.
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  describe();
}

void CStaticColor::setLit(bool v) {
  setLitFlag(v);
  setCurrentColour(v ? litColour_ : darkColour_);
}

void CStaticColor::setLitFlag(bool v) {
  lit_ = v;
  describe();
}

void CStaticColor::setBlinking(bool v) {
  blinking_ = v;
  describe();
}

void CStaticColor::describe() {
  setAccessibleDescription(blinking_ ? tr("flashing") : lit_ ? tr("on") : tr("off"));
}

void CStaticColor::goDark() { setCurrentColour(darkColour_); }

void CStaticColor::setCurrentColour(const QColor& c) {
  current_ = c;
  update();
}

void CStaticColor::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  painter.setPen(current_);
  painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
}

}  // namespace console
