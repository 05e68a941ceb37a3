#include "events/CTabbedText.h"

#include <QPainter>

namespace events {

namespace {
constexpr int kFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs | Qt::TextSingleLine;
}

CTabbedText::CTabbedText(QWidget* parent) : QLabel(parent) {}

QSize CTabbedText::sizeHint() const {
  const QRect bounds = fontMetrics().boundingRect(QRect(), kFlags, text());
  const QMargins margins = contentsMargins();
  return {bounds.width() + margins.left() + margins.right(),
          std::max(bounds.height(), fontMetrics().height()) + margins.top() + margins.bottom()};
}

QSize CTabbedText::minimumSizeHint() const { return sizeHint(); }

void CTabbedText::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(contentsRect(), kFlags, text());
}

}  // namespace events
