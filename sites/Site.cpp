#include "sites/Site.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "sites/SitesText.h"

namespace sites {
namespace {

constexpr int kMaxNameChars = 80;
constexpr int kProtocols = 4;

bool HasControlCharacters(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

}  // namespace

QString RouteWord(RouteKind kind) {
  switch (kind) {
    case RouteKind::Direct: return QStringLiteral("direct");
    case RouteKind::Receivers: return QStringLiteral("receivers");
    case RouteKind::Gsm: return QStringLiteral("gsm");
  }
  return {};
}

bool RouteFromWord(const QString& word, RouteKind& kind) {
  for (RouteKind k : {RouteKind::Direct, RouteKind::Receivers, RouteKind::Gsm}) {
    if (word == RouteWord(k)) {
      kind = k;
      return true;
    }
  }
  return false;
}

bool IsIpv4Address(const QString& text) {
  static const QRegularExpression kIpv4(QStringLiteral(
      "^((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])\\.){3}(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])$"));
  return kIpv4.match(text).hasMatch();
}

QString SiteProblem(const Site& site) {
  if (site.name.trimmed().isEmpty()) return Tr("a site needs a name");
  if (site.name != site.name.trimmed()) return Tr("the name begins or ends with a blank");
  if (site.name.size() > kMaxNameChars) return Tr("the name is longer than %1 characters").arg(kMaxNameChars);
  // Names are keys in the keyring and lines in lists: one line each.
  if (HasControlCharacters(site.name)) return Tr("the name holds a line break or another control character");
  if (site.account.size() > kMaxAccountChars) return Tr("the account is longer than %1 characters").arg(kMaxAccountChars);
  if (site.port < 1 || site.port > 65535) return Tr("the port is not a number from 1 to 65535");
  if (!site.address.isEmpty() && !IsIpv4Address(site.address))
    return Tr("the address '%1' is not an IPv4 address").arg(site.address);
  for (const QString& receiver : site.receivers)
    if (!receiver.isEmpty() && !IsIpv4Address(receiver))
      return Tr("the receiver '%1' is not an IPv4 address").arg(receiver);
  if (site.phone.size() > kMaxPhoneChars) return Tr("the phone number is longer than %1 characters").arg(kMaxPhoneChars);
  if (site.protocol < 0 || site.protocol >= kProtocols) return Tr("the protocol is not 0, 1, 2 or 3");
  switch (site.route) {
    case RouteKind::Direct:
      if (site.address.isEmpty()) return Tr("a direct connection needs the module's address");
      break;
    case RouteKind::Receivers:
      if (std::all_of(site.receivers.begin(), site.receivers.end(), [](const QString& r) { return r.isEmpty(); }))
        return Tr("a receiver search needs at least one receiver");
      break;
    case RouteKind::Gsm:
      if (site.phone.isEmpty()) return Tr("a GSM route needs the unit's phone number");
      break;
  }
  return {};
}

QString RouteSummary(const Site& site) {
  switch (site.route) {
    case RouteKind::Direct: {
      const QString where = QStringLiteral("%1:%2").arg(site.address).arg(site.port);
      return site.modulePassword ? Tr("%1, module password").arg(where) : where;
    }
    case RouteKind::Receivers: {
      QStringList filled;
      for (const QString& receiver : site.receivers)
        if (!receiver.isEmpty()) filled << receiver;
      return Tr("receivers %1").arg(filled.join(QStringLiteral(", ")));
    }
    case RouteKind::Gsm: return Tr("GSM %1").arg(site.phone);
  }
  return {};
}

}  // namespace sites
