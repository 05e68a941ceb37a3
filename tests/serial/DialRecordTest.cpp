#include <gtest/gtest.h>

#include "core/link/DialRecord.h"
#include "link/serial/ModemPortList.h"

namespace {

TEST(DialRecord, CarriesNumberPasswordAndProtocolIndexAsTheModemParsesThem) {
  const std::vector<std::uint8_t> record = serial::BuildDialRecord("0612", "ab", 3);
  EXPECT_EQ(record, (std::vector<std::uint8_t>{0x14, '0', '6', '1', '2', 0x00, 'a', 'b', 0x00, 0x2C, 0x03}));
  EXPECT_EQ(record.size(), 4u + 2u + 5u);
  EXPECT_EQ(serial::BuildDialRecord("", "", 0), (std::vector<std::uint8_t>{0x14, 0x00, 0x00, 0x2C, 0x00}));
}

TEST(ModemPortNumbers, CountFromOneAndStopAtNineteen) {
  QStringList paths;
  for (int i = 0; i < 25; ++i) paths << QStringLiteral("/dev/ttyX%1").arg(i);
  EXPECT_EQ(serial::ModemPortPath(paths, 1), QStringLiteral("/dev/ttyX0"));
  EXPECT_EQ(serial::ModemPortPath(paths, 19), QStringLiteral("/dev/ttyX18"));
  EXPECT_TRUE(serial::ModemPortPath(paths, 0).isEmpty());
  EXPECT_TRUE(serial::ModemPortPath(paths, 20).isEmpty());
  EXPECT_TRUE(serial::ModemPortPath(paths.mid(0, 2), 3).isEmpty());
}

TEST(ModemPortNumbers, AnExplicitListWinsUntilItIsCleared) {
  serial::SetModemPortPaths({QStringLiteral("/dev/b"), QStringLiteral("/dev/a")});
  EXPECT_EQ(serial::ModemPortPaths(), (QStringList{QStringLiteral("/dev/b"), QStringLiteral("/dev/a")}));
  serial::SetModemPortPaths({});
  EXPECT_EQ(serial::ModemPortPaths(), serial::SystemSerialPortPaths());
}

}  // namespace
