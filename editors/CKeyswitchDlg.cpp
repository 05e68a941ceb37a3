#include "editors/CKeyswitchDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "editors/CheckBoxRow.h"
#include "editors/EditorTexts.h"
#include "editors/EntityNumberField.h"
#include "core/parameters/ParamCodec.h"

namespace editors {

namespace {

constexpr std::uint8_t kAreas = 0x6F;
constexpr std::uint8_t kKeyswitchOptions = 0x70;


}  // namespace

CKeyswitchDlg::CKeyswitchDlg(QWidget* parent)
    : EditorDialog(parent),
      number_(new EntityNumberField(1, 2, 1, this)),
      areas_(new CheckBoxRow(Qt::Horizontal, this)),
      options_(new CheckBoxRow(Qt::Vertical, this)),
      apply_(new QPushButton(tr("Apply"), this)) {
  setWindowTitle(tr("Keyswitch"));
  number_->field()->setObjectName(QStringLiteral("keyswitch"));
  areas_->setObjectName(QStringLiteral("area"));
  options_->setObjectName(QStringLiteral("option"));
  apply_->setObjectName(QStringLiteral("apply"));

  auto* numberBox = new QGroupBox(tr("Keyswitch:"), this);
  (new QVBoxLayout(numberBox))->addWidget(number_);
  number_->field()->setAccessibleName(tr("Keyswitch"));
  auto* areaBox = new QGroupBox(tr("Area"), this);
  (new QVBoxLayout(areaBox))->addWidget(areas_);
  areas_->setLabels(params::kAreaLetters);
  options_->setLabels(params::kKeyswitchOptionTexts);
  areas_->setBoxesEnabled(false);
  options_->setBoxesEnabled(false);
  apply_->setEnabled(false);
  apply_->setAutoDefault(false);

  auto* top = new QHBoxLayout;
  top->addWidget(numberBox);
  top->addWidget(areaBox);
  top->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(options_);
  layout->addWidget(apply_, 0, Qt::AlignRight);

  connect(number_, &EntityNumberField::changed, this, &CKeyswitchDlg::numberChanged);
  connect(areas_, &CheckBoxRow::boxClicked, this, [this] { apply_->setEnabled(true); });
  connect(options_, &CheckBoxRow::boxClicked, this, [this] { apply_->setEnabled(true); });
  connect(apply_, &QPushButton::clicked, this, &CKeyswitchDlg::apply);
  number_->setSettleTime(300);
  connect(number_, &EntityNumberField::settled, this, &CKeyswitchDlg::load);
}

void CKeyswitchDlg::showEvent(QShowEvent* event) {
  EditorDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  number_->setText(QStringLiteral("1"));
}

void CKeyswitchDlg::numberChanged() {
  areas_->setBoxesEnabled(false);
  options_->setBoxesEnabled(false);
}

void CKeyswitchDlg::load() {
  const std::optional<int> number = number_->take(tr("Keyswitch number is invalid"), true);
  if (!number) return;
  current_ = static_cast<std::uint8_t>(*number);
  // A mark left by a write that was never answered must not hide this load's replies.
  marks_.clear();
  panel::FrameBytes requests = panel::ParamReadRequest(kAreas, current_);
  requests.append(panel::ParamReadRequest(kKeyswitchOptions, current_));
  send(requests);
}

void CKeyswitchDlg::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  const std::optional<params::Reply> reply = params::DecodeReply(frame, length);
  if (!reply || reply->type != params::kOptionByteReply || reply->entity != current_) return;
  if (reply->parameter != kAreas && reply->parameter != kKeyswitchOptions) return;
  if (marks_.consume(reply->parameter, current_)) return;
  const auto value = static_cast<std::uint8_t>(reply->number);
  if (reply->parameter == kAreas) {
    cachedAreas_ = value & 0x03;
    areas_->setBits(cachedAreas_);
    areas_->setBoxesEnabled(true);
  } else {
    cachedOptions_ = value;
    options_->setBits(cachedOptions_);
    options_->setBoxesEnabled(true);
  }
}

void CKeyswitchDlg::apply() {
  panel::FrameBytes pieces;
  // The keys toggle, so the cache follows what they change: a second Apply
  // must not toggle the same boxes back.
  for (auto [parameter, boxes, cached] : {std::tuple{kAreas, areas_, &cachedAreas_},
                                          std::tuple{kKeyswitchOptions, options_, &cachedOptions_}}) {
    // Disabled boxes wait for a load: what they show is not this keyswitch's.
    if (!boxes->box(0)->isEnabled()) continue;
    const panel::FrameBytes keys = boxes->toggleEntry(*cached);
    if (keys.empty()) continue;
    marks_.appendWrite(pieces, parameter, current_, keys);
    *cached = boxes->bitsOver(*cached);
  }
  if (!pieces.empty()) send(pieces);
}

}  // namespace editors
