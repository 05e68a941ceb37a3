#include "platform/QuickStartStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QWidget>
#include <algorithm>

namespace platform {
namespace {

// Two chevrons pointing the way the hidden items are, in the text colour,
// drawn at the size asked for.
class ChevronIconEngine final : public QIconEngine {
 public:
  ChevronIconEngine(Qt::Orientation orientation, bool rightToLeft) : orientation_(orientation), rtl_(rightToLeft) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const QColor colour = QApplication::palette().color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Normal,
                                                        QPalette::ButtonText);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(colour, std::max(1.0, rect.height() / 10.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->translate(rect.center());
    if (orientation_ == Qt::Vertical) painter->rotate(90);
    if (rtl_ && orientation_ == Qt::Horizontal) painter->scale(-1, 1);
    const qreal s = std::min(rect.width(), rect.height()) / 4.0;
    for (qreal x : {-s, 0.0}) painter->drawPolyline(QPolygonF{{x, -s}, {x + s, 0}, {x, s}});
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(), size), mode, state);
    return pixmap;
  }
  QIconEngine* clone() const override { return new ChevronIconEngine(orientation_, rtl_); }

 private:
  Qt::Orientation orientation_;
  bool rtl_;
};

class QuickStartStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
    const bool rtl = widget ? widget->isRightToLeft() : QApplication::isRightToLeft();
    if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(new ChevronIconEngine(Qt::Horizontal, rtl));
    if (icon == SP_ToolBarVerticalExtensionButton) return QIcon(new ChevronIconEngine(Qt::Vertical, rtl));
    return QProxyStyle::standardIcon(icon, option, widget);
  }
};

}  // namespace

void UseQuickStartStyle() {
  // The proxy takes the style the application chose (platform theme,
  // -style, QT_STYLE_OVERRIDE) as its base and leaves all else to it.
  QApplication::setStyle(new QuickStartStyle(QApplication::style()));
}

}  // namespace platform
