#include "editors/CListDlg.h"

#include <QComboBox>

namespace editors {

CListDlg::CListDlg(const params::MapRow& row, QWidget* parent)
    : ParamEditor(row, MapText(row.title), parent, tr("Zone:")), choices_(new QComboBox(this)) {
  for (const params::Choice& choice : row.choices) choices_->addItem(MapText(choice.text), int{choice.value});
  choices_->setObjectName(QStringLiteral("choice"));
  choices_->setCurrentIndex(-1);
  choices_->setEnabled(false);
  choices_->setAccessibleName(windowTitle());
  setBody(choices_, true);
}

bool CListDlg::takesReplyType(std::uint8_t type) const { return type == params::kByteReply; }

bool CListDlg::showReply(const params::Reply& reply) {
  const int index = choices_->findData(static_cast<int>(reply.number));
  if (index < 0) return false;
  choices_->setCurrentIndex(index);
  choices_->setEnabled(true);
  return true;
}

void CListDlg::apply() {
  const int index = choices_->currentIndex();
  if (index < 0) return;
  send(params::Entry(params::DecimalKeys(static_cast<std::uint32_t>(choices_->itemData(index).toInt()))));
}

}  // namespace editors
