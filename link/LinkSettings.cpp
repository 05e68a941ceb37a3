#include "link/LinkSettings.h"

namespace panel {
namespace {

void ReadConstant(QSettings& settings, const char* name, std::uint32_t& value) {
  bool ok = false;
  const uint parsed = settings.value(QLatin1String(name)).toString().toUInt(&ok, 16);
  if (ok) value = parsed;
}

}  // namespace

LinkSecrets LoadLinkSecrets(QSettings& settings) {
  LinkSecrets secrets = DefaultLinkSecrets();
  settings.beginGroup(QStringLiteral("Link"));
  ReadConstant(settings, "K1", secrets.constants.k1);
  ReadConstant(settings, "K2", secrets.constants.k2);
  ReadConstant(settings, "K3", secrets.constants.k3);
  ReadConstant(settings, "K4", secrets.constants.k4);
  const QByteArray code = settings.value(QStringLiteral("AccessCode")).toString().toLatin1();
  if (code.size() == 4) std::copy_n(code.constData(), 4, secrets.accessCode.begin());
  settings.endGroup();
  return secrets;
}

}  // namespace panel
