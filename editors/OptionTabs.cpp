#include "editors/OptionTabs.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "editors/CheckBoxRow.h"
#include "editors/EditorTexts.h"

namespace editors {


OptionTabs::OptionTabs(std::span<const OptionTab> tabs, Qt::Orientation boxes, QWidget* parent)
    : QWidget(parent), tabs_(tabs), bar_(new QTabBar(this)), comment_(new QLabel(this)) {
  auto* page = new QFrame(this);
  page->setFrameShape(QFrame::StyledPanel);
  boxes_ = new CheckBoxRow(boxes, page);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->addWidget(comment_);
  pageLayout->addWidget(boxes_);
  comment_->setVisible(std::ranges::any_of(tabs, [](const OptionTab& tab) { return !tab.comment.empty(); }));

  for (const OptionTab& tab : tabs) bar_->addTab(MapText(tab.text));
  boxes_->setLabels(*tabs_.front().labels);
  boxes_->setBoxesEnabled(false);
  for (int bit = 0; bit < 8; ++bit) boxes_->box(bit)->setAccessibleDescription(bar_->tabText(0));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar_);
  layout->addWidget(page);
  connect(bar_, &QTabBar::currentChanged, this, &OptionTabs::selectionChanged);
}

bool OptionTabs::showValue(std::uint8_t parameter, std::uint8_t value) {
  if (parameter != shownParameter()) return false;
  boxes_->setBits(value);
  boxes_->setBoxesEnabled(true);
  return true;
}

void OptionTabs::selectionChanged(int index) {
  if (index < 0 || index == shown_) return;
  emit tabLeaving(shown_);
  shown_ = index;
  const OptionTab& tab = tabs_[static_cast<std::size_t>(index)];
  boxes_->setLabels(*tab.labels);
  for (int bit = 0; bit < 8; ++bit) boxes_->box(bit)->setAccessibleDescription(bar_->tabText(index));
  comment_->setText(MapText(tab.comment));
  emit tabShown(index);
}

}  // namespace editors
