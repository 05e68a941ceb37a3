#include "platform/ElidedLabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace platform {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  setTextFormat(Qt::PlainText);
}

void ElidedLabel::setFullText(const QString& text) {
  setText(text);
  setToolTip(text);
}

QSize ElidedLabel::sizeHint() const { return {fontMetrics().averageCharWidth() * 12, QLabel::sizeHint().height()}; }

QSize ElidedLabel::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

void ElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = contentsRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

}  // namespace platform
