#include "editors/EntityNumberField.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/MessageBoxes.h"

namespace editors {

EntityNumberField::EntityNumberField(int first, int last, int maxLength, QWidget* parent)
    : QWidget(parent),
      first_(first),
      last_(last),
      position_(first),
      field_(new QLineEdit(this)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  field_->setMaxLength(maxLength);
  field_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field_));
  field_->setMaximumWidth(field_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (maxLength + 3) + 8);
  field_->installEventFilter(this);

  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  up_->setAccessibleName(tr("Next"));
  down_->setAccessibleName(tr("Previous"));
  // The Up and Down keys in the field do the same for keyboard users. The
  // two arrows stand as high as the field, whatever the font.
  const int arrowHeight = field_->sizeHint().height() / 2;
  for (QToolButton* button : {up_, down_}) {
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setFixedSize(arrowHeight * 3 / 2, arrowHeight);
  }
  connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { step(-1); });

  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  layout->addWidget(field_);
  layout->addLayout(arrows);
  layout->addStretch();
  setFocusProxy(field_);

  connect(field_, &QLineEdit::textChanged, this, [this] {
    if (settleMs_ > 0) settle_.start(settleMs_);
    emit changed();
  });
  connect(&settle_, &platform::OneShotTimer::timeout, this, &EntityNumberField::settled);
}

void EntityNumberField::setLabel(QLabel* label) {
  label->setBuddy(field_);
  field_->setAccessibleName(QString(label->text()).remove(QLatin1Char('&')));
}

QString EntityNumberField::text() const { return field_->text(); }

void EntityNumberField::setText(const QString& text) { field_->setText(text); }

std::optional<int> EntityNumberField::typed() const {
  if (field_->text().isEmpty()) return std::nullopt;
  return field_->text().toInt();
}

void EntityNumberField::setPosition(int position) { position_ = std::clamp(position, first_, last_); }

void EntityNumberField::step(int delta) {
  // Steps from what the field shows when that is a number in range.
  const std::optional<int> shown = typed();
  const int from = shown && inRange(*shown) ? *shown : position_;
  const int to = std::clamp(from + delta, first_, last_);
  position_ = to;
  if (field_->text() != QString::number(to)) field_->setText(QString::number(to));
}

std::optional<int> EntityNumberField::take(const QString& invalid, bool emptyRefused) {
  const std::optional<int> number = typed();
  if (number && inRange(*number)) {
    position_ = *number;
    return number;
  }
  if (number || emptyRefused) platform::ShowMessage(window(), tr("Error"), invalid);
  return std::nullopt;
}

void EntityNumberField::setControlsEnabled(bool enabled) {
  field_->setEnabled(enabled);
  up_->setEnabled(enabled);
  down_->setEnabled(enabled);
}

bool EntityNumberField::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      step(key == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace editors
