#include "editors/UpDownField.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace editors {

UpDownField::UpDownField(int minimum, int maximum, int maxLength, QWidget* parent)
    : QWidget(parent),
      minimum_(minimum),
      maximum_(maximum),
      position_(minimum),
      field_(new QLineEdit(this)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  field_->setMaxLength(maxLength);
  field_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field_));
  field_->setMaximumWidth(field_->fontMetrics().horizontalAdvance(QString(maxLength + 2, QLatin1Char('0'))) + 12);
  field_->installEventFilter(this);
  setFocusProxy(field_);

  for (QToolButton* arrow : {up_, down_}) {
    arrow->setArrowType(arrow == up_ ? Qt::UpArrow : Qt::DownArrow);
    arrow->setAutoRepeat(true);
    // Keyboard users step with the Up and Down keys in the field.
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setFixedHeight(field_->sizeHint().height() / 2);
  }
  up_->setAccessibleName(tr("Up"));
  down_->setAccessibleName(tr("Down"));
  connect(up_, &QToolButton::clicked, this, [this] { step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
  connect(field_, &QLineEdit::textChanged, this, &UpDownField::textChanged);

  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(field_);
  layout->addLayout(arrows);
  layout->addStretch();
}

QString UpDownField::text() const { return field_->text(); }

void UpDownField::setText(const QString& text) { field_->setText(text); }

void UpDownField::setPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDownField::step(int delta) {
  setPosition(position_ + delta);
  field_->setText(QString::number(position_));
}

bool UpDownField::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      step(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace editors
