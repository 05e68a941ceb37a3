#include "configurator/CIpAddressCtrl.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "core/link/ModuleSettingsRecord.h"

namespace quilby {

CIpAddressCtrl::CIpAddressCtrl(QWidget* parent) : QLineEdit(parent) {
  static const QString octet = QStringLiteral("(?:25[0-5]|2[0-4]\\d|1\\d\\d|\\d?\\d)?");
  setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("^%1(?:\\.%1){0,3}$").arg(octet)), this));
  setMaxLength(15);
  setPlaceholderText(QStringLiteral("0.0.0.0"));
}

void CIpAddressCtrl::setAddress(std::uint32_t value) {
  setText(QString::fromStdString(FormatDottedQuad(value)));
}

std::uint32_t CIpAddressCtrl::address() const {
  return ParseDottedQuadLenient(text().toLatin1().toStdString());
}

}  // namespace quilby
