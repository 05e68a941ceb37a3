#include "configurator/CAboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Version.h"
#include "configurator/QuilbyIcon.h"

namespace quilby {

QString CAboutDlg::versionText() {
  return tr("quilby Version %1.%2")
      .arg(build_info::kVersionMajor)
      .arg(build_info::kVersionMinor);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About quilby"));
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("aboutIcon"));
  icon->setPixmap(QuilbyIcon().pixmap(32, 32));
  auto* text = new QLabel(versionText(), this);
  text->setObjectName(QStringLiteral("aboutText"));
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("aboutOk"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addSpacing(12);
  row->addWidget(text, 1);
  row->addWidget(ok, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
}

}  // namespace quilby
