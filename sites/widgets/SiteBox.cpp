#include "sites/widgets/SiteBox.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>

#include "sites/SitesDatabase.h"

namespace sites {

SiteBox::SiteBox(QWidget* parent) : QWidget(parent) {
  list_ = new QComboBox(this);
  list_->setObjectName(QStringLiteral("site"));
  list_->setMinimumContentsLength(24);
  list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  auto* label = new QLabel(tr("Site:"), this);
  label->setBuddy(list_);
  save_ = new QPushButton(tr("Save as site…"), this);
  save_->setObjectName(QStringLiteral("saveAsSite"));
  save_->setAutoDefault(false);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(label);
  row->addWidget(list_, 1);
  row->addWidget(save_);
  setFocusProxy(list_);

  reload();
  connect(list_, &QComboBox::activated, this, [this] {
    if (const std::optional<Site> site = chosen())
      emit siteChosen(*site);
    else
      emit noSiteChosen();
  });
  connect(save_, &QPushButton::clicked, this, &SiteBox::saveRequested);
}

void SiteBox::reload(qint64 selectId) {
  list_->clear();
  list_->addItem(tr("(none)"), qint64{0});
  const SitesDatabase& database = SharedSites();
  const bool usable = database.state() == SitesDatabase::State::Ready;
  list_->setEnabled(usable);
  save_->setEnabled(usable);
  list_->setToolTip(usable ? QString() : database.problem());
  if (!usable) return;
  QSqlQuery query(database.connection());
  query.setForwardOnly(true);
  if (query.exec(QStringLiteral("SELECT id, name FROM sites ORDER BY name")))
    while (query.next()) list_->addItem(query.value(1).toString(), query.value(0).toLongLong());
  choose(selectId);
}

void SiteBox::choose(qint64 id) {
  const int index = list_->findData(id);
  list_->setCurrentIndex(index < 0 ? 0 : index);
}

std::optional<Site> SiteBox::chosen() const {
  const qint64 id = list_->currentData().toLongLong();
  if (id == 0) return std::nullopt;
  return SharedSites().find(id);
}

}  // namespace sites
