#pragma once

#include <QDialog>

namespace quilby {

// "About quilby": the icon, the program's version and OK.
class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
  static QString versionText();
};

}  // namespace quilby
