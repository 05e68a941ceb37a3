#include "editors/COutputDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "editors/CheckBoxRow.h"
#include "editors/EditorTexts.h"
#include "editors/EntityNumberField.h"
#include "core/parameters/ParamCodec.h"
#include "platform/MessageBoxes.h"

namespace editors {

namespace {

constexpr std::uint8_t kTabParameters[] = {0x22, 0x23, 0x24, 0x25, 0x2C};
constexpr std::uint8_t kUnmapParameter = 0x2B;
// The panel's frame 15 with 0D 2B in bytes 2 and 3: an un-map is done.
constexpr std::uint8_t kUnmapDoneType = 0x15;


const params::LabelTable* const kTabLabels[] = {&params::kOutputOptionsATexts, &params::kOutputOptionsBTexts,
                                                &params::kOutputOptionsCTexts, &params::kOutputOptionsDTexts,
                                                &params::kTimeZoneTexts};

}  // namespace

COutputDlg::COutputDlg(QWidget* parent)
    : EditorDialog(parent),
      output_(new EntityNumberField(1, 8, 1, this)),
      tabs_(new QTabBar(this)),
      boxes_(new CheckBoxRow(Qt::Vertical, this)),
      unmap_(new QPushButton(tr("Un-map"), this)) {
  setWindowTitle(tr("Output Options"));
  output_->field()->setObjectName(QStringLiteral("output"));
  tabs_->setObjectName(QStringLiteral("tabs"));
  boxes_->setObjectName(QStringLiteral("option"));
  unmap_->setObjectName(QStringLiteral("unmap"));

  auto* outputBox = new QGroupBox(tr("Output:"), this);
  (new QVBoxLayout(outputBox))->addWidget(output_);
  output_->field()->setAccessibleName(tr("Output"));

  for (const QString& tab : {tr("Options \"A\""), tr("Options \"B\""), tr("Options \"C\""), tr("Options \"D\""),
                             tr("Time Zones to OP")})
    tabs_->addTab(tab);
  boxes_->setLabels(*kTabLabels[0]);
  boxes_->setBoxesEnabled(false);
  unmap_->setAutoDefault(false);
  unmap_->setEnabled(false);

  auto* top = new QHBoxLayout;
  top->addWidget(outputBox);
  top->addStretch();
  top->addWidget(unmap_, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(tabs_);
  layout->addWidget(boxes_);
  layout->addStretch();
  setTabOrder(output_->field(), unmap_);
  setTabOrder(unmap_, tabs_);
  setTabOrder(tabs_, boxes_->box(0));

  connect(output_, &EntityNumberField::changed, this, &COutputDlg::outputChanged);
  connect(tabs_, &QTabBar::currentChanged, this, &COutputDlg::tabChanged);
  connect(boxes_, &CheckBoxRow::boxClicked, this, [this] { pending_ = true; });
  connect(unmap_, &QPushButton::clicked, this, &COutputDlg::unmap);
  output_->setSettleTime(500);
  connect(output_, &EntityNumberField::settled, this, [this] {
    inTurn([this] {
      if (!output_->settling()) load();
    });
  });
}

std::uint8_t COutputDlg::tabParameter() const { return kTabParameters[shownTab_]; }

void COutputDlg::showEvent(QShowEvent* event) {
  EditorDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  output_->setText(QStringLiteral("1"));
}

void COutputDlg::outputChanged() {
  // Check box changes belong to the output they were made on: written
  // before another output is chosen, typed or stepped.
  writePending();
  boxes_->setBoxesEnabled(false);
  // Un-map is for the output whose options are shown, not a number still being typed.
  shown_ = false;
  updateUnmapButton();
}

void COutputDlg::tabChanged(int index) {
  writePending();
  // Until the new tab's byte arrives the boxes show the old one's: toggles
  // worked out from them would go into the new tab's parameter.
  boxes_->setBoxesEnabled(false);
  shownTab_ = index;
  boxes_->setLabels(*kTabLabels[index]);
  output_->settleIn(1);
}

void COutputDlg::updateUnmapButton() { unmap_->setEnabled(shown_ && !unmapping_); }

void COutputDlg::load() {
  const std::optional<int> output = output_->take(tr("Output number is invalid"), false);
  if (!output) return;
  currentOutput_ = static_cast<std::uint8_t>(*output);
  send(panel::ParamReadRequest(tabParameter(), currentOutput_));
}

void COutputDlg::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  if (length >= 4 && frame[0] == kUnmapDoneType && frame[2] == 0x0D && frame[3] == kUnmapParameter) {
    unmap_->setText(tr("Un-Map"));
    unmapping_ = false;
    updateUnmapButton();
    output_->settleIn(1);
    return;
  }
  const std::optional<params::Reply> reply = params::DecodeReply(frame, length);
  if (!reply || reply->type != params::kOptionByteReply || reply->parameter != tabParameter() ||
      reply->entity != currentOutput_)
    return;
  cached_[static_cast<std::size_t>(shownTab_)] = static_cast<std::uint8_t>(reply->number);
  boxes_->setBits(static_cast<std::uint8_t>(reply->number));
  boxes_->setBoxesEnabled(true);
  shown_ = true;
  updateUnmapButton();
}

void COutputDlg::writePending() {
  if (!pending_) return;
  pending_ = false;
  const panel::FrameBytes keys = boxes_->toggleEntry(cached_[static_cast<std::size_t>(shownTab_)]);
  boxes_->setBoxesEnabled(false);
  if (keys.empty()) return;
  send(keys);
  // 7A, the options and 11: one key more than the options changed.
  pauseAfterWrite(250 * (keys.size() - 1));
}

void COutputDlg::unmap() {
  // Pending toggles go to the option byte they were made on, before the
  // panel is moved to the un-map command.
  writePending();
  send(panel::ParamReadRequest(kUnmapParameter, currentOutput_));
  if (platform::AskYesNo(this, tr("Attention"), tr("Are you sure?"))) {
    unmapping_ = true;
    updateUnmapButton();
    unmap_->setText(tr("write..."));
    boxes_->setBoxesEnabled(false);
    send(params::Entry({}));
  } else {
    send(panel::KeystrokeFrame({panel::key::kNo}));
    // The panel was left on the un-map command: the next toggles would act
    // on it. Reading the tab again puts it back on the option byte.
    boxes_->setBoxesEnabled(false);
    output_->settleIn(1);
  }
}

void COutputDlg::closeRequest() {
  pending_ = false;
  linkGone_ = true;
  EditorDialog::closeRequest();
}

void COutputDlg::done(int result) {
  if (!linkGone_) {
    writePending();
    // The panel is still taking the keys: the next editor must not talk over them.
    if (isPaused()) {
      inTurn([this, result] { done(result); });
      return;
    }
  }
  EditorDialog::done(result);
}

}  // namespace editors
