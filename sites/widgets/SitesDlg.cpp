#include "sites/widgets/SitesDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/MessageBoxes.h"
#include "sites/SecretStore.h"
#include "sites/SitesDatabase.h"
#include "sites/widgets/PlainButton.h"
#include "sites/widgets/HistoryDlg.h"
#include "sites/widgets/SiteEditDlg.h"
#include "sites/widgets/SitesModel.h"

namespace sites {
bool EnsureSitesUsable(QWidget* parent) {
  SitesDatabase& database = SharedSites();
  using State = SitesDatabase::State;
  if (database.state() == State::Ready) return true;
  const QString caption = SitesDlg::tr("Sites");
  if (database.state() == State::Locked && database.open() == State::Ready) return true;
  if (database.state() != State::Newer && database.state() != State::Damaged) {
    platform::ShowMessage(parent, caption, database.problem(), platform::MessageBoxes::Kind::Critical);
    return false;
  }
  if (!platform::AskYesNo(parent, caption,
                          database.problem() + QStringLiteral("\n\n") +
                              SitesDlg::tr("Keep this file aside, as it is, and start a new, empty list?")))
    return false;
  const QString kept = database.keepAsideAndStartFresh();
  if (kept.isEmpty() || database.state() != State::Ready) {
    platform::ShowMessage(parent, caption, database.problem(), platform::MessageBoxes::Kind::Critical);
    return false;
  }
  platform::ShowMessage(parent, caption, SitesDlg::tr("The old list is kept as %1.").arg(kept),
                        platform::MessageBoxes::Kind::Information);
  return true;
}

SitesDlg::SitesDlg(QWidget* parent) : QDialog(parent), model_(new SitesModel(this)) {
  setWindowTitle(tr("Sites"));
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("search"));
  search_->setClearButtonEnabled(true);
  auto* searchLabel = new QLabel(tr("Search:"), this);
  searchLabel->setBuddy(search_);

  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("sites"));
  table_->setAccessibleName(tr("Sites"));
  table_->setModel(model_);
  for (int column = 0; column < SitesModel::kColumns; ++column)
    table_->setColumnHidden(column, !SitesModel::IsShownColumn(column));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setMinimumSize(640, 320);

  problem_ = new QLabel(this);
  problem_->setWordWrap(true);
  problem_->hide();

  connect_ = PlainButton(this, tr("Connect"), "connect");
  add_ = PlainButton(this, tr("Add…"), "add");
  edit_ = PlainButton(this, tr("Edit…"), "edit");
  duplicate_ = PlainButton(this, tr("Duplicate"), "duplicate");
  delete_ = PlainButton(this, tr("Delete"), "delete");
  history_ = PlainButton(this, tr("History…"), "history");
  close_ = PlainButton(this, tr("Close"), "close");

  auto* top = new QHBoxLayout;
  top->addWidget(searchLabel);
  top->addWidget(search_, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {connect_, add_, edit_, duplicate_, delete_, history_}) buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(table_, 1);
  layout->addWidget(problem_);
  layout->addLayout(buttons);
  setTabOrder(search_, table_);
  QWidget* previous = table_;
  for (QPushButton* b : {connect_, add_, edit_, duplicate_, delete_, history_, close_}) {
    setTabOrder(previous, b);
    previous = b;
  }

  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
    model_->setFilter(text);
    if (model_->rowCount() > 0) table_->selectRow(0);
    updateButtons();
  });
  // Down from the search field goes to the rows, as in a search box with results.
  search_->installEventFilter(this);
  connect(table_, &QTableView::activated, this, [this] { onConnect(); });
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateButtons(); });
  connect(connect_, &QPushButton::clicked, this, &SitesDlg::onConnect);
  connect(add_, &QPushButton::clicked, this, &SitesDlg::onAdd);
  connect(edit_, &QPushButton::clicked, this, &SitesDlg::onEdit);
  connect(duplicate_, &QPushButton::clicked, this, &SitesDlg::onDuplicate);
  connect(delete_, &QPushButton::clicked, this, &SitesDlg::onDelete);
  connect(history_, &QPushButton::clicked, this, &SitesDlg::onHistory);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);

  const SitesDatabase& database = SharedSites();
  if (database.state() != SitesDatabase::State::Ready) {
    problem_->setText(database.problem());
    problem_->show();
    search_->setEnabled(false);
    add_->setEnabled(false);
  }
  if (model_->rowCount() > 0) table_->selectRow(0);
  updateButtons();
  search_->setFocus();
}

bool SitesDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Down && model_->rowCount() > 0) {
      table_->setFocus();
      return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && current()) {
      onConnect();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void SitesDlg::setConnectAllowed(bool allowed) {
  connectAllowed_ = allowed;
  updateButtons();
}

std::optional<Site> SitesDlg::current() const {
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  if (rows.isEmpty()) return std::nullopt;
  return model_->site(rows.first().row());
}

bool SitesDlg::selectSite(qint64 id) {
  const int row = model_->rowOf(id);
  if (row < 0) return false;
  table_->selectRow(row);
  table_->scrollTo(model_->index(row, SitesModel::Name));
  return true;
}

void SitesDlg::refresh(qint64 selectId) {
  model_->setFilter(model_->filter());
  if (selectId == 0 || !selectSite(selectId)) {
    if (model_->rowCount() > 0) table_->selectRow(0);
  }
  updateButtons();
}

void SitesDlg::updateButtons() {
  const bool selected = current().has_value();
  connect_->setEnabled(selected && connectAllowed_);
  edit_->setEnabled(selected);
  duplicate_->setEnabled(selected);
  delete_->setEnabled(selected);
  history_->setEnabled(selected);
}

void SitesDlg::onConnect() {
  const std::optional<Site> site = current();
  if (!site || !connectAllowed_) return;
  chosen_ = site;
  accept();
}

void SitesDlg::onAdd() {
  SiteEditDlg editor(SharedSites(), Site{}, QString(), this);
  if (editor.exec() == QDialog::Accepted) refresh(editor.site().id);
}

void SitesDlg::onEdit() {
  const std::optional<Site> site = current();
  if (!site) return;
  SiteEditDlg editor(SharedSites(), *site, site->name, this);
  if (editor.exec() == QDialog::Accepted) refresh(editor.site().id);
}

void SitesDlg::onDuplicate() {
  const std::optional<Site> site = current();
  if (!site) return;
  Site copy = *site;
  copy.id = 0;
  copy.name = CopyName(SharedSites(), site->name);
  copy.lastConnected = {};
  copy.panelSoftware.clear();
  SiteEditDlg editor(SharedSites(), copy, site->name, this);
  if (editor.exec() == QDialog::Accepted) refresh(editor.site().id);
}

void SitesDlg::onDelete() {
  const std::optional<Site> site = current();
  if (!site) return;
  if (!platform::AskYesNo(this, tr("Delete site"),
                          tr("Delete the site “%1”? Its passwords and codes leave the keyring as well, and its history is deleted with it.").arg(site->name)))
    return;
  SitesDatabase& database = SharedSites();
  if (database.remove(site->id) != SitesDatabase::Write::Done) {
    platform::ShowMessage(this, tr("Delete site"), tr("The site could not be deleted: %1.").arg(database.lastError()));
    return;
  }
  SecretStore::instance().removeSite(site->name);
  refresh();
}

void SitesDlg::onHistory() {
  const std::optional<Site> site = current();
  if (!site) return;
  if (historyCommand_) {
    historyCommand_(*site);
    return;
  }
  HistoryDlg(*site, this).exec();
}

}  // namespace sites
