#include "console/CChecker.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/keypad/PanelStatusText.h"

namespace console {

CChecker::CChecker(int count, QWidget* parent)
    : EditorDialog(parent), count_(count == 16 ? 16 : 8), line_(new QLabel(this)) {
  setWindowTitle(tr("Check"));
  auto* grid = new QGridLayout;
  for (int i = 0; i < 16; ++i) {
    auto* box = new QCheckBox(QString::number(i + 1), this);
    boxes_[static_cast<std::size_t>(i)] = box;
    grid->addWidget(box, i / 8, i % 8);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CChecker::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CChecker::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(line_);
  layout->addLayout(grid);
  layout->addWidget(buttons);
}

void CChecker::showEvent(QShowEvent* event) {
  EditorDialog::showEvent(event);
  for (QCheckBox* box : boxes_) box->setEnabled(false);
  setWindowTitle(count_ == 16 ? tr("Bypass") : tr("Control"));
  if (count_ != 16) {
    for (std::size_t i = 8; i < 16; ++i) boxes_[i]->hide();
  }
}

void CChecker::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  if (FrameDataLength(frame, length) < 4) return;
  if (frame[0] == 0x1B) {
    panelState_ = static_cast<std::uint16_t>(frame[3] << 8 | frame[2]);
    setWindowTitle(tr("Bypass"));
  } else if (frame[0] == 0x1D) {
    panelState_ = frame[3];
    setWindowTitle(tr("Control"));
  } else {
    return;
  }
  for (int i = 0; i < count_; ++i) {
    QCheckBox* b = boxes_[static_cast<std::size_t>(i)];
    b->setChecked(panelState_ & (1u << i));
    b->setEnabled(true);
  }
}

void CChecker::accept() {
  std::uint16_t mask = 0;
  for (int i = 0; i < count_; ++i) {
    if (boxes_[static_cast<std::size_t>(i)]->isChecked()) mask = static_cast<std::uint16_t>(mask | (1u << i));
  }
  changes_ = static_cast<std::uint16_t>(panelState_ ^ mask);
  EditorDialog::accept();
}

}  // namespace console
