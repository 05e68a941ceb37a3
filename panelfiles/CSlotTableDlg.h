#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QTableWidget;

namespace panelfiles {

// A summary line above a read-only table of parameters, one row each: the
// differences of a compare, the outcome of a write.
class CSlotTableDlg : public QDialog {
  Q_OBJECT
 public:
  CSlotTableDlg(const QString& title, const QString& summary, const QStringList& headers,
                const QList<QStringList>& rows, QWidget* parent = nullptr);

  QLabel* summaryLabel() const { return summary_; }
  QTableWidget* table() const { return table_; }
  // The table's cells, row by row, for tests and for copying.
  QList<QStringList> rows() const;

 private:
  QLabel* summary_;
  QTableWidget* table_;
};

}  // namespace panelfiles
