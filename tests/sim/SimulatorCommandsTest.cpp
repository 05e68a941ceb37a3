#include <gtest/gtest.h>

#include <vector>

#include "sim/PanelSimulator.h"

namespace {

using Frame = std::vector<std::uint8_t>;
using sim::AlarmPanel;

// The simulator's command lines, without a link: they steer the panel model
// and make it send what changed.
class SimulatorCommandsTest : public testing::Test {
 protected:
  SimulatorCommandsTest() {
    auto owned = std::make_unique<sim::PanelModel>(
        [this](sim::PanelModel::Bytes f) { sent.emplace_back(f.begin(), f.end()); });
    model = owned.get();
    model->linkUp();
    sent.clear();
    simulator = std::make_unique<sim::PanelSimulator>(sim::PanelSimulatorOptions{}, std::move(owned));
  }

  std::vector<Frame> sent;
  sim::PanelModel* model = nullptr;
  std::unique_ptr<sim::PanelSimulator> simulator;
};

TEST_F(SimulatorCommandsTest, ZoneCommandsChangeTheZonesAndSendTheirFrames) {
  ASSERT_TRUE(simulator->command(QStringLiteral("zone open 9")));
  EXPECT_EQ(model->panel().openZones(), 0x0100);
  EXPECT_NE(std::find(sent.begin(), sent.end(), Frame{0x7E, 0x12, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x7E}),
            sent.end());
  ASSERT_TRUE(simulator->command(QStringLiteral("ZONE close 9")));
  EXPECT_EQ(model->panel().openZones(), 0);
  ASSERT_TRUE(simulator->command(QStringLiteral("zone tamper 4")));
  EXPECT_EQ(model->panel().tamperedZones(), 0x0008);
  ASSERT_TRUE(simulator->command(QStringLiteral("zone tamper 4 off")));
  EXPECT_EQ(model->panel().tamperedZones(), 0);
  ASSERT_TRUE(simulator->command(QStringLiteral("zone alarm 16")));
  EXPECT_EQ(model->panel().alarmZones(), 0x8000);
}

TEST_F(SimulatorCommandsTest, AreaOutputTroubleAndClockCommands) {
  ASSERT_TRUE(simulator->command(QStringLiteral("arm B")));
  EXPECT_EQ(model->panel().armedAreas(), AlarmPanel::kAreaB);
  ASSERT_TRUE(simulator->command(QStringLiteral("stay A")));
  EXPECT_EQ(model->panel().stayAreas(), AlarmPanel::kAreaA);
  ASSERT_TRUE(simulator->command(QStringLiteral("disarm")));
  EXPECT_EQ(model->panel().armedAreas() | model->panel().stayAreas(), 0);
  ASSERT_TRUE(simulator->command(QStringLiteral("arm")));
  EXPECT_EQ(model->panel().armedAreas(), AlarmPanel::kAllAreas);

  sent.clear();
  ASSERT_TRUE(simulator->command(QStringLiteral("output on 3")));
  EXPECT_EQ(sent, (std::vector<Frame>{{0x7E, 0x1D, 0x00, 0x00, 0x04, 0x7E}, {0x7E, 0x50, 0x04, 0x7E}}));
  ASSERT_TRUE(simulator->command(QStringLiteral("output off 3")));
  EXPECT_EQ(model->panel().outputs(), 0);

  ASSERT_TRUE(simulator->command(QStringLiteral("trouble power on")));
  EXPECT_EQ(model->panel().troubles(), AlarmPanel::kPower);
  ASSERT_TRUE(simulator->command(QStringLiteral("trouble power off")));
  EXPECT_EQ(model->panel().troubles(), 0);

  sent.clear();
  ASSERT_TRUE(simulator->command(QStringLiteral("clock 2024-05-12 08:47:30")));
  EXPECT_EQ(sent, (std::vector<Frame>{{0x7E, 0x54, 0x00, 0x02, 0x0F, 0x1E, 0x0C, 0x05, 0x18, 0x7E}}));
}

TEST_F(SimulatorCommandsTest, MalformedCommandsAreRefusedAndChangeNothing) {
  for (const char* line : {"zone open 17", "zone open 0", "zone open", "zone open x", "zone shut 3",
                           "zone tamper 3 maybe", "output on 9", "output dim 2", "arm C", "disarm A B",
                           "trouble battery", "trouble smoke on", "clock 2024-13-01 00:00:00", "clock 1999-01-01 00:00:00",
                           "raw 7E 1FF", "frobnicate", "status now"}) {
    EXPECT_FALSE(simulator->command(QString::fromLatin1(line))) << line;
  }
  EXPECT_TRUE(sent.empty());
  EXPECT_EQ(model->panel().openZones() | model->panel().tamperedZones(), 0);
  EXPECT_TRUE(simulator->command(QStringLiteral("   ")));
}

}  // namespace
