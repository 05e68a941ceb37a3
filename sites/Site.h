#pragma once

#include <QDateTime>
#include <QString>
#include <array>

namespace sites {

// How tarnel reaches a site's panel: the three routes of the connection dialog.
enum class RouteKind { Direct, Receivers, Gsm };

inline constexpr int kReceiverCount = 4;
inline constexpr int kDefaultPort = 4700;
// What the connection dialog's fields take.
inline constexpr int kMaxAccountChars = 4;
inline constexpr int kMaxPhoneChars = 127;
inline constexpr int kMaxGsmPasswordChars = 15;
inline constexpr int kMinModulePasswordChars = 8;

// One panel an installer looks after. Its secrets (module and GSM password,
// codes) are not part of it: they live in the desktop keyring under the
// site's name.
struct Site {
  qint64 id = 0;  // 0 until stored; never reused once given
  QString name;
  QString account;  // also what a receiver search asks for
  QString notes;

  RouteKind route = RouteKind::Direct;
  // Direct connection: the module's address and port; modulePassword: the
  // PC is not authorised and logs in with the module password.
  QString address;
  int port = kDefaultPort;
  bool modulePassword = false;
  // Search on TCP receivers, tried in this order (empty ones skipped), on port.
  std::array<QString, kReceiverCount> receivers;
  // Direct to GSM unit.
  QString phone;
  int protocol = 0;  // index into the connection dialog's protocol list

  // The last time a link to the panel stood, and the software it reported then.
  QDateTime lastConnected;
  QString panelSoftware;

  friend bool operator==(const Site&, const Site&) = default;
};

// The words the database and CSV files use for routes ("direct", "receivers", "gsm").
QString RouteWord(RouteKind kind);
bool RouteFromWord(const QString& word, RouteKind& kind);

// What is wrong with a site before it may be stored (empty when nothing):
// a name, addresses the connection dialog can take, a port, field lengths.
QString SiteProblem(const Site& site);

// One line about the route for tables and lists: "127.0.0.1:4701",
// "127.0.0.1:4701, module password", "receivers 10.0.0.1, 10.0.0.2", "GSM 0612345678".
QString RouteSummary(const Site& site);

// An IPv4 address as the connection dialog's fields take it.
bool IsIpv4Address(const QString& text);

}  // namespace sites
