#include "editors/CByteItemDlg.h"

#include "editors/CheckBoxRow.h"

namespace editors {

namespace {
constexpr int kPausePerKeyMs = 250;

QString OptionsTitle(const params::MapRow& row) {
  return MapText(row.title) + QStringLiteral("  [P") + QString::number(row.parameter) + QStringLiteral("]E");
}
}  // namespace

CByteItemDlg::CByteItemDlg(const params::MapRow& row, QWidget* parent)
    : ParamEditor(row, OptionsTitle(row), parent), boxes_(new CheckBoxRow(Qt::Vertical, this)) {
  boxes_->setObjectName(QStringLiteral("option"));
  boxes_->setLabels(*row.labels);
  boxes_->setBoxesEnabled(false);
  setBody(boxes_, false);
}

bool CByteItemDlg::takesReplyType(std::uint8_t type) const {
  return type == params::kOptionByteReply || type == params::kByteReply;
}

bool CByteItemDlg::showReply(const params::Reply& reply) {
  value_ = static_cast<std::uint8_t>(reply.number);
  boxes_->setBits(value_);
  boxes_->setBoxesEnabled(true);
  return true;
}

void CByteItemDlg::apply() {
  const panel::FrameBytes keys = boxes_->toggleEntry(value_);
  if (keys.empty()) return;
  value_ = boxes_->bitsOver(value_);
  send(keys);
  // 7A, one key per option, 11: the options toggled plus one.
  pauseAfterWrite((keys.size() - 1) * kPausePerKeyMs);
}

void CByteItemDlg::areaChanging() { boxes_->setBoxesEnabled(false); }

}  // namespace editors
