#pragma once

#include <QPushButton>
#include <QString>

namespace sites {

// A button that Enter does not press: in the sites windows Enter belongs to
// the table (connect a site, open an entry), wherever the focus was before.
inline QPushButton* PlainButton(QWidget* parent, const QString& text, const char* objectName) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAutoDefault(false);
  return button;
}

}  // namespace sites
