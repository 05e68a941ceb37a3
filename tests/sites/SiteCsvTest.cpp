// The sites list as CSV: what is written reads back the same, and a file
// with a fault is refused at the line that holds it.
#include <gtest/gtest.h>

#include <QTimeZone>

#include "sites/SiteCsv.h"

namespace {

using sites::CsvProblem;
using sites::Site;

std::vector<Site> Parsed(const QByteArray& text) {
  const auto result = sites::ParseSitesCsv(text);
  if (const auto* problem = std::get_if<CsvProblem>(&result)) {
    ADD_FAILURE() << "line " << problem->line << ": " << problem->message.toStdString();
    return {};
  }
  return std::get<std::vector<Site>>(result);
}

TEST(SitesCsv, WhatIsWrittenReadsBackTheSame) {
  Site shop;
  shop.name = QStringLiteral("Shop, \"Été\" branch");
  shop.account = QStringLiteral("0815");
  shop.notes = QStringLiteral("  Key safe, back door.\r\nAsk for Anna.  ");
  shop.address = QStringLiteral("10.20.30.40");
  shop.port = 4701;
  shop.modulePassword = true;
  shop.lastConnected = QDateTime(QDate(2026, 12, 25), QTime(18, 30, 5), QTimeZone::utc());
  shop.panelSoftware = QStringLiteral("2.10 [005]");
  Site farm;
  farm.name = QStringLiteral("Farm");
  farm.route = sites::RouteKind::Receivers;
  farm.receivers = {QString(), QStringLiteral("192.0.2.2"), QString(), QStringLiteral("192.0.2.4")};
  Site barn;
  barn.name = QStringLiteral("Barn");
  barn.route = sites::RouteKind::Gsm;
  barn.phone = QStringLiteral("+31 6 1234-5678");
  barn.protocol = 2;

  const QByteArray csv = sites::SitesCsv({shop, farm, barn});
  EXPECT_TRUE(csv.startsWith("name,account,route,address,port,module_password,receiver1,receiver2,receiver3,"
                             "receiver4,phone,protocol,notes,last_connected,panel_software\r\n"));
  EXPECT_TRUE(csv.contains("\r\nFarm,,receivers,,4700,no,,192.0.2.2,,192.0.2.4,,0,,,\r\n")) << csv.toStdString();
  EXPECT_TRUE(csv.contains(",2026-12-25T18:30:05Z,2.10 [005]\r\n")) << csv.toStdString();
  EXPECT_EQ(Parsed(csv), (std::vector<Site>{shop, farm, barn}));
}

TEST(SitesCsv, HandMadeFilesNeedOnlyNameAndRoute) {
  // A spreadsheet's byte order mark, its own column order and case, LF line ends, a blank line.
  const std::vector<Site> list =
      Parsed("\xEF\xBB\xBF" "Route,Name,Address,Phone\n" "direct,Shop,10.0.0.1,\n\n" "GSM,Barn,,0612345678\n");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].name, QStringLiteral("Shop"));
  EXPECT_EQ(list[0].port, 4700);
  EXPECT_FALSE(list[0].modulePassword);
  EXPECT_EQ(list[1].route, sites::RouteKind::Gsm);
  EXPECT_EQ(list[1].protocol, 0);
}

TEST(SitesCsv, FaultsAreRefusedAtTheirLine) {
  const struct {
    const char* text;
    int line;
    const char* message;
  } cases[] = {
      {"name,route,colour\n", 1, "unknown column 'colour'"},
      {"name,address\n", 1, "the column 'route' is missing"},
      {"name,route,address\nShop,direct,10.0.0.1\nFarm,tunnel,10.0.0.2\n", 3, "the route 'tunnel' is not direct, receivers or gsm"},
      {"name,route,address\nShop,direct\n", 2, "2 fields where the header has 3"},
      {"name,route,address,port\nShop,direct,10.0.0.1,65536\n", 2, "Shop: the port is not a number from 1 to 65535"},
      {"name,route,address,port\nShop,direct,10.0.0.1,47OO\n", 2, "the port '47OO' is not a number"},
      {"name,route,address,module_password\nShop,direct,10.0.0.1,maybe\n", 2, "module_password is 'maybe', not yes or no"},
      {"name,route,notes,address\nShop,direct,\"two\nlines\",10.0.0.1\nshop,direct,,10.0.0.2\n", 4, "the site 'shop' comes twice"},
      {"name,route,address\n\"Shop,direct,10.0.0.1\n", 2, "a quoted field is not closed"},
      {"name,route,address\nSh\"op,direct,10.0.0.1\n", 2, "a quote inside a field that does not begin with one"},
      {"name,route,address\n,direct,10.0.0.1\n", 2, "a site needs a name"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto result = sites::ParseSitesCsv(QByteArray(c.text));
    const auto* problem = std::get_if<CsvProblem>(&result);
    ASSERT_NE(problem, nullptr);
    EXPECT_EQ(problem->line, c.line);
    EXPECT_EQ(problem->message, QString::fromUtf8(c.message));
  }
}

}  // namespace
