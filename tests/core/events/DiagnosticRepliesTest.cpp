#include <gtest/gtest.h>

#include <vector>

#include "core/events/DiagnosticReplies.h"

namespace {

using namespace events;

std::optional<DiagnosticLine> Decode(std::vector<std::uint8_t> frame) {
  return DecodeDiagnosticReply(frame.data(), frame.size());
}

TEST(DiagnosticRequests, AskForTheFourItemsInOneRun) {
  const std::vector<std::uint8_t> expected{0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x01, 0x7E,  //
                                           0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x03, 0x7E,  //
                                           0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x04, 0x7E,  //
                                           0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x05, 0x7E};
  const panel::FrameBytes requests = DiagnosticReadRequests();
  EXPECT_EQ(std::vector<std::uint8_t>(requests.view().begin(), requests.view().end()), expected);
  const panel::FrameBytes clear = MaintenanceRequest(MaintenanceAction::ClearMemory);
  EXPECT_EQ(std::vector<std::uint8_t>(clear.view().begin(), clear.view().end()),
            (std::vector<std::uint8_t>{0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x0B, 0x7E}));
}

TEST(DiagnosticReplies, FillTheirLines) {
  const auto version = Decode({0x18, 0x07, 0x01, 0x23, 200, 1, 0x7E});
  ASSERT_TRUE(version);
  EXPECT_EQ(version->line, 0);
  EXPECT_EQ(version->text, "Panel Software Version:\t\t2.91");

  const auto areas = Decode({0x16, 0x07, 0x00, 0x03, 200, 3, 0x7E});
  ASSERT_TRUE(areas);
  EXPECT_EQ(areas->line, 1);
  EXPECT_EQ(areas->text, "Areas Assigned To the Keypad:\t A B");
  EXPECT_EQ(Decode({0x16, 0x07, 0x00, 0x00, 200, 3, 0x7E})->text, "Areas Assigned To the Keypad:\t");
  EXPECT_EQ(Decode({0x16, 0x07, 0x00, 0x02, 200, 3, 0x7E})->text, "Areas Assigned To the Keypad:\t B");

  const auto zones = Decode({0x16, 0x07, 0x00, 0x81, 200, 4, 0x7E});
  ASSERT_TRUE(zones);
  EXPECT_EQ(zones->line, 2);
  EXPECT_EQ(zones->text, "Time-Zones Currently Active:\t 1 8");

  const auto battery = Decode({0x17, 0x07, 138, 200, 5, 0x7E});
  ASSERT_TRUE(battery);
  EXPECT_EQ(battery->line, 3);
  EXPECT_EQ(battery->text, "Battery Voltage:\t\t\t13.8 V");
}

TEST(DiagnosticReplies, BatteryValuesKeepTheirWidth) {
  EXPECT_EQ(BatteryLine(0), "Battery Voltage:\t\t\t  0 V");
  EXPECT_EQ(BatteryLine(5), "Battery Voltage:\t\t\t0.5 V");
  EXPECT_EQ(BatteryLine(120), "Battery Voltage:\t\t\t 12 V");
  EXPECT_EQ(BatteryLine(255), "Battery Voltage:\t\t\t25.5 V");
}

TEST(DiagnosticReplies, ShortVersionsGetTheirPointInTheNumberNotAmongTheTabs) {
  EXPECT_EQ(VersionLine(5), "Panel Software Version:\t\t.5");
  EXPECT_EQ(VersionLine(42), "Panel Software Version:\t\t.42");
  EXPECT_EQ(VersionLine(210), "Panel Software Version:\t\t2.10");
  EXPECT_EQ(VersionLine(-1234), "Panel Software Version:\t\t-12.34");
}

TEST(DiagnosticReplies, OtherParametersEntitiesMarkersAndShortFramesChangeNothing) {
  EXPECT_FALSE(Decode({0x16, 0x06, 0x00, 0x03, 200, 3, 0x7E}));  // marker
  EXPECT_FALSE(Decode({0x16, 0x07, 0x00, 0x03, 199, 3, 0x7E}));  // parameter
  EXPECT_FALSE(Decode({0x16, 0x07, 0x00, 0x03, 200, 5, 0x7E}));  // entity of another type
  EXPECT_FALSE(Decode({0x17, 0x07, 138, 200, 1, 0x7E}));
  EXPECT_FALSE(Decode({0x18, 0x07, 0x01, 0x23, 200, 3, 0x7E}));
  EXPECT_FALSE(Decode({0x19, 0x07, 0x01, 0x23, 200, 1, 0x7E}));  // only 0x18 carries the version
  EXPECT_FALSE(Decode({0x10, 0x07, 0x00, 0x00, 0x00, 0x7E}));
  // Cut before the echoed parameter and entity: every shorter copy is refused.
  const std::vector<std::vector<std::uint8_t>> full{{0x16, 0x07, 0x00, 0x03, 200, 3},
                                                    {0x18, 0x07, 0x01, 0x23, 200, 1},
                                                    {0x17, 0x07, 138, 200, 5}};
  for (const auto& frame : full) {
    for (std::size_t length = 0; length < frame.size(); ++length) {
      const std::vector<std::uint8_t> cut(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(length));
      EXPECT_FALSE(DecodeDiagnosticReply(cut.data(), cut.size())) << int(frame[0]) << " " << length;
    }
    EXPECT_TRUE(DecodeDiagnosticReply(frame.data(), frame.size()));
  }
}

}  // namespace
