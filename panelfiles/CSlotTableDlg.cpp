#include "panelfiles/CSlotTableDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace panelfiles {

CSlotTableDlg::CSlotTableDlg(const QString& title, const QString& summary, const QStringList& headers,
                             const QList<QStringList>& rows, QWidget* parent)
    : QDialog(parent),
      summary_(new QLabel(summary, this)),
      table_(new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(headers.size()), this)) {
  setWindowTitle(title);
  summary_->setWordWrap(true);
  summary_->setBuddy(table_);
  table_->setAccessibleName(title);
  table_->setAccessibleDescription(summary);
  table_->setHorizontalHeaderLabels(headers);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->hide();
  for (int r = 0; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size() && c < headers.size(); ++c)
      table_->setItem(r, c, new QTableWidgetItem(rows[r][c]));
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_, 1);
  layout->addWidget(buttons);
  // Wide enough for the menu paths, but never wider than the screen (which
  // is small at a large scale factor); the table scrolls inside.
  QSize wanted(760, 420);
  if (const QScreen* shown = screen()) wanted = wanted.boundedTo(shown->availableSize() * 9 / 10);
  resize(wanted);
}

QList<QStringList> CSlotTableDlg::rows() const {
  QList<QStringList> cells;
  for (int r = 0; r < table_->rowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < table_->columnCount(); ++c)
      row << (table_->item(r, c) ? table_->item(r, c)->text() : QString());
    cells << row;
  }
  return cells;
}

}  // namespace panelfiles
