#include "editors/CheckBoxRow.h"

#include <QBoxLayout>
#include <QCheckBox>

#include "editors/EditorTexts.h"
#include "core/parameters/ParamCodec.h"

namespace editors {

CheckBoxRow::CheckBoxRow(Qt::Orientation orientation, QWidget* parent) : QWidget(parent) {
  auto* layout = new QBoxLayout(orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int bit = 0; bit < 8; ++bit) {
    QCheckBox* box = new QCheckBox(this);
    boxes_[static_cast<std::size_t>(bit)] = box;
    layout->addWidget(box);
    connect(box, &QCheckBox::clicked, this, [this, bit] { emit boxClicked(bit); });
  }
  // The boxes are named after the row ("access" gives "access1" .. "access8").
  connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
    for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setObjectName(name + QString::number(i + 1));
  });
}

void CheckBoxRow::setLabels(const params::LabelTable& labels) {
  shown_ = params::ShownBits(labels);
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    // "O/P 1&2" and "<1> & <3>" show their ampersand instead of making a shortcut of it.
    boxes_[i]->setText(MapText(labels[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
    boxes_[i]->setVisible(!labels[i].empty());
  }
}

void CheckBoxRow::setBits(std::uint8_t bits) {
  for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setChecked((bits >> i) & 1u);
}

std::uint8_t CheckBoxRow::bits() const {
  std::uint8_t bits = 0;
  for (std::size_t i = 0; i < boxes_.size(); ++i)
    if (boxes_[i]->isChecked()) bits = static_cast<std::uint8_t>(bits | (1u << i));
  return bits;
}

panel::FrameBytes CheckBoxRow::toggleEntry(std::uint8_t cached) const {
  return params::ToggleEntry(cached, bits(), shown_);
}

std::uint8_t CheckBoxRow::bitsOver(std::uint8_t cached) const {
  return static_cast<std::uint8_t>((cached & ~shown_) | (bits() & shown_));
}

void CheckBoxRow::setBoxesEnabled(bool enabled) {
  for (QCheckBox* box : boxes_) box->setEnabled(enabled);
}

}  // namespace editors
