#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/panelmodel/PanelModel.h"

namespace {

using Frame = std::vector<std::uint8_t>;
using sim::AlarmPanel;

// A panel whose link is up, recording every frame it sends.
class PanelModelTest : public testing::Test {
 protected:
  PanelModelTest() : model([this](sim::PanelModel::Bytes f) { sent.emplace_back(f.begin(), f.end()); }) {
    model.linkUp();
    sent.clear();
  }

  // Bytes from the PC in one read.
  void pc(std::initializer_list<int> bytes) {
    std::vector<std::uint8_t> v;
    for (int b : bytes) v.push_back(static_cast<std::uint8_t>(b));
    model.receive(v);
  }
  std::vector<Frame> take() {
    std::vector<Frame> out;
    out.swap(sent);
    return out;
  }

  std::vector<Frame> sent;
  sim::PanelModel model;
};

TEST_F(PanelModelTest, LinkUpSendsVersionClockAndTheWholeStatus) {
  sim::PanelModel fresh([this](sim::PanelModel::Bytes f) { sent.emplace_back(f.begin(), f.end()); });
  fresh.linkUp();
  ASSERT_EQ(sent.size(), 11u);
  EXPECT_EQ(sent[0][1], 0x23);
  EXPECT_EQ(sent[1][1], 0x54);
  EXPECT_EQ(sent[2], (Frame{0x7E, 0x10, 0x00, 0x00, 0x01, 0x00, 0x7E}));  // READY lit, LINE dark: the line is fine
  EXPECT_EQ(sent[3], (Frame{0x7E, 0x11, 0x00, 0x00, 0x00, 0x00, 0x7E}));
  EXPECT_EQ(sent[4], (Frame{0x7E, 0x12, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7E}));
  EXPECT_EQ(sent[5], (Frame{0x7E, 0x12, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7E}));
  EXPECT_EQ(sent[6], (Frame{0x7E, 0x14, 0x07, 0, 0, 0, 0, 0x00, 0x7E}));
  EXPECT_EQ(sent[7], (Frame{0x7E, 0x15, 0x07, 0, 0, 0, 0x03, 0x7E}));
  EXPECT_EQ(sent[8], (Frame{0x7E, 0x1B, 0x00, 0x00, 0x00, 0x7E}));
  EXPECT_EQ(sent[9], (Frame{0x7E, 0x1D, 0x00, 0x00, 0x00, 0x7E}));
  EXPECT_EQ(sent[10], (Frame{0x7E, 0x50, 0x00, 0x7E}));

  // A new link gets everything again, although nothing changed.
  sent.clear();
  fresh.linkUp();
  EXPECT_EQ(sent.size(), 11u);
}

TEST_F(PanelModelTest, StatusFramesGoOnlyWhenTheyChange) {
  model.tick();
  ASSERT_EQ(take().size(), 1u);  // the clock only
  model.panel().setZoneOpen(3, false);
  model.publishChanges();
  EXPECT_TRUE(take().empty());

  model.panel().setZoneOpen(3, true);
  model.publishChanges();
  const auto frames = take();
  ASSERT_EQ(frames.size(), 3u);  // READY off, zone 3 open, area A not ready
  EXPECT_EQ(frames[0], (Frame{0x7E, 0x10, 0x00, 0x00, 0x00, 0x00, 0x7E}));
  EXPECT_EQ(frames[1], (Frame{0x7E, 0x12, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x7E}));
  EXPECT_EQ(frames[2], (Frame{0x7E, 0x15, 0x07, 0, 0, 0, 0x02, 0x7E}));

  model.panel().setZoneOpen(3, true);  // already open
  model.publishChanges();
  EXPECT_TRUE(take().empty());
}

TEST_F(PanelModelTest, UserCodeArmsAndDisarmsBothAreas) {
  pc({0x7A, 1, 2, 3, 4, 0x11});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x11, 0x03, 0x00, 0x00, 0x00, 0x7E}}));
  pc({0x7A, 1, 2, 3, 4, 0x11});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x11, 0x00, 0x00, 0x00, 0x00, 0x7E}}));
}

TEST_F(PanelModelTest, WrongCodesChangeNothing) {
  pc({0x7A, 1, 2, 3, 5, 0x11});
  pc({0x7A, 1, 2, 3, 0x11});                       // a prefix of the code
  pc({0x7A, 1, 2, 3, 4, 5, 0x11});                 // the code with one digit more
  pc({0x7A, 0x11});                                // empty
  pc({0x7A, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 0x11});  // too long for the keypad
  EXPECT_TRUE(take().empty());
  EXPECT_EQ(model.panel().armedAreas(), 0);

  model.panel().arm(AlarmPanel::kAllAreas);
  model.publishChanges();
  take();
  pc({0x7A, 4, 3, 2, 1, 0x11});
  EXPECT_TRUE(take().empty());
  EXPECT_EQ(model.panel().armedAreas(), AlarmPanel::kAllAreas);
}

TEST_F(PanelModelTest, ArmingIsRefusedWhileAZoneIsOpenUnlessItIsBypassed) {
  model.panel().setZoneOpen(12, true);
  model.publishChanges();
  take();
  pc({0x7A, 1, 2, 3, 4, 0x11});
  pc({0x7A, 0x0E});
  EXPECT_TRUE(take().empty());

  pc({0x7A, 0x17});
  pc({0x7A, 1, 2, 0x11});
  take();
  pc({0x7A, 1, 2, 3, 4, 0x11});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x11, 0x03, 0x00, 0x00, 0x00, 0x7E}}));
}

TEST_F(PanelModelTest, KeysSplitAcrossReadsStillMakeTheCode) {
  pc({0x7A, 1, 2});
  pc({3, 4});
  pc({0x11});
  EXPECT_EQ(model.panel().armedAreas(), AlarmPanel::kAllAreas);
}

TEST_F(PanelModelTest, KeyFramesActLikeKeyStrokes) {
  for (int k : {1, 2, 3, 4, 0x11}) pc({0x7E, 0xA1, 0x07, k, 0x7E});
  EXPECT_EQ(model.panel().armedAreas(), AlarmPanel::kAllAreas);
  pc({0x7E, 0xA1, 0x7E});  // too short: ignored, no crash
}

TEST_F(PanelModelTest, StayKeyStayArms) {
  pc({0x7A, 0x0E});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x11, 0x00, 0x00, 0x03, 0x00, 0x7E}}));
  pc({0x7A, 1, 2, 3, 4, 0x11});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x11, 0x00, 0x00, 0x00, 0x00, 0x7E}}));
}

TEST_F(PanelModelTest, BypassSequenceAnswersAndTogglesZones) {
  pc({0x7A, 0x17});
  auto frames = take();
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0], (Frame{0x7E, 0x1B, 0x00, 0x00, 0x00, 0x7E}));  // answered, though unchanged
  EXPECT_EQ(frames[1], (Frame{0x7E, 0x14, 0x07, 0, 0, 0, 0, 0x08, 0x7E}));

  pc({0x7A, 0x00, 0x03, 0x01, 0x02, 0x11});  // zones 3 and 12
  frames = take();
  ASSERT_EQ(frames.size(), 4u);
  EXPECT_EQ(frames[0], (Frame{0x7E, 0x12, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x7E}));
  EXPECT_EQ(frames[1], (Frame{0x7E, 0x12, 0x01, 0x00, 0x00, 0x08, 0x00, 0x00, 0x7E}));
  EXPECT_EQ(frames[2], (Frame{0x7E, 0x14, 0x07, 0, 0, 0, 0, 0x00, 0x7E}));
  EXPECT_EQ(frames[3], (Frame{0x7E, 0x1B, 0x00, 0x04, 0x08, 0x7E}));

  // Naming zone 12 again un-bypasses it; zone numbers outside 1-16 and a lone digit are ignored.
  pc({0x7A, 0x17});
  EXPECT_EQ(take()[0], (Frame{0x7E, 0x1B, 0x00, 0x04, 0x08, 0x7E}));
  pc({0x7A, 0x01, 0x02, 0x00, 0x00, 0x01, 0x07, 0x09, 0x09, 0x05, 0x11});
  EXPECT_EQ(model.panel().bypassedZones(), 0x0004);
}

TEST_F(PanelModelTest, CancelledBypassChangesNothing) {
  pc({0x7A, 0x17});
  take();
  pc({0x7A, 0x11});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x14, 0x07, 0, 0, 0, 0, 0x00, 0x7E}}));
  EXPECT_EQ(model.panel().bypassedZones(), 0);
}

TEST_F(PanelModelTest, BypassIsNotOfferedWhileArmed) {
  model.panel().arm(AlarmPanel::kAreaB);
  model.publishChanges();
  take();
  pc({0x7A, 0x17});
  pc({0x7A, 0x00, 0x03, 0x11});
  EXPECT_TRUE(take().empty());
}

TEST_F(PanelModelTest, OutputControlAnswersAndToggles) {
  model.panel().setOutput(8, true);
  model.publishChanges();
  take();
  pc({0x7A, 0x0A});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x1D, 0x00, 0x00, 0x80, 0x7E}}));
  pc({0x7A, 0x03, 0x05, 0x08, 0x09, 0x00, 0x11});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x1D, 0x00, 0x00, 0x14, 0x7E}, {0x7E, 0x50, 0x14, 0x7E}}));
  pc({0x7A, 0x0A});
  take();
  pc({0x7A, 0x11});  // cancelled
  EXPECT_TRUE(take().empty());
}

TEST_F(PanelModelTest, AlarmKeysSoundTheBellUntilAUserCode) {
  pc({0x7A, 0x22});
  EXPECT_TRUE(take().empty());  // medical is silent
  EXPECT_TRUE(model.panel().medicalAlarm());
  pc({0x7A, 0x21});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x1D, 0x00, 0x00, 0x01, 0x7E}, {0x7E, 0x50, 0x01, 0x7E}}));
  pc({0x7A, 0x20});
  EXPECT_TRUE(model.panel().panicAlarm());

  // The code silences; it does not arm a panel that was disarmed.
  pc({0x7A, 1, 2, 3, 4, 0x11});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x1D, 0x00, 0x00, 0x00, 0x7E}, {0x7E, 0x50, 0x00, 0x7E}}));
  EXPECT_FALSE(model.panel().fireAlarm() || model.panel().medicalAlarm() || model.panel().panicAlarm());
  EXPECT_EQ(model.panel().armedAreas(), 0);
}

TEST_F(PanelModelTest, ZoneOpeningInAnArmedAreaAlarmsUntilDisarmed) {
  model.panel().arm(AlarmPanel::kAreaA);
  model.publishChanges();
  model.panel().setZoneOpen(10, true);  // area B is not armed
  model.publishChanges();
  EXPECT_EQ(model.panel().alarmZones(), 0);
  take();

  model.panel().setZoneOpen(2, true);
  model.publishChanges();
  auto frames = take();
  EXPECT_NE(std::find(frames.begin(), frames.end(), Frame{0x7E, 0x12, 0x00, 0x02, 0x02, 0x00, 0x00, 0x00, 0x7E}),
            frames.end());
  EXPECT_NE(std::find(frames.begin(), frames.end(), Frame{0x7E, 0x50, 0x01, 0x7E}), frames.end());

  pc({0x7A, 1, 2, 3, 4, 0x11});
  EXPECT_EQ(model.panel().armedAreas(), 0);
  EXPECT_EQ(model.panel().alarmZones(), 0);
  EXPECT_EQ(model.panel().outputs(), 0);
}

TEST_F(PanelModelTest, InstallerCodeEntersProgramModeAndTheFrameLeavesIt) {
  pc({0x7A, 0x10, 9, 9, 9, 8, 0x11});
  EXPECT_TRUE(take().empty());

  pc({0x7A, 0x10, 9, 9, 9, 9, 0x11});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x1F, 0x07, 0x02, 0x00, 0x7E},
                                        {0x7E, 0x10, 0x00, 0x00, 0x01, 0x10, 0x7E}}));  // PROGRAM lit

  pc({0x7A, 1, 2, 3, 4, 0x11});  // command keys mean nothing in program mode
  EXPECT_EQ(model.panel().armedAreas(), 0);
  EXPECT_TRUE(take().empty());
  // A PC back after a lost link types the code again: told, and still in program mode.
  pc({0x7A, 0x10, 9, 9, 9, 9, 0x11});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x1F, 0x07, 0x02, 0x00, 0x7E}}));
  pc({0x7A, 0x10, 9, 9, 9, 8, 0x11});
  EXPECT_TRUE(take().empty());

  pc({0x7E, 0xA0, 0x07, 0x00, 0x7E});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x10, 0x00, 0x00, 0x01, 0x00, 0x7E}}));
}

TEST_F(PanelModelTest, ProgramModeEnteredAtThePanelIsToldAsAfterTheCodeAndTakesParameterKeys) {
  pc({0x7A, 0x10, 9, 9});  // a code half typed is dropped
  model.panel().enterProgramMode();
  model.publishChanges();
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x1F, 0x07, 0x02, 0x00, 0x7E},
                                        {0x7E, 0x10, 0x00, 0x00, 0x01, 0x10, 0x7E}}));
  pc({0x7E, 0xAB, 0x07, 0x00, 0x3C, 0x00, 0x01, 0x7E, 0x7A, 4, 5, 0x11});
  EXPECT_EQ(model.panel().parameters().value(60, 1)->number, 45u);

  // A frame too long to be one is skipped to its end: no byte of it is a key.
  Frame overlong{0x7E};
  overlong.insert(overlong.end(), 300, 0x00);
  overlong.insert(overlong.end(), {0x7A, 0x05, 0x11, 0x7E});
  model.receive(overlong);
  EXPECT_EQ(model.panel().parameters().value(60, 1)->number, 45u);
  pc({0x7A, 3, 0, 0x11});  // and what follows it is read again
  EXPECT_EQ(model.panel().parameters().value(60, 1)->number, 30u);
}

TEST_F(PanelModelTest, InstallerCodeIsRefusedWhileArmed) {
  model.panel().stayArm(AlarmPanel::kAreaA);
  model.publishChanges();
  take();
  pc({0x7A, 0x10, 9, 9, 9, 9, 0x11});
  EXPECT_TRUE(take().empty());
  EXPECT_FALSE(model.panel().programMode());
}

TEST_F(PanelModelTest, CodesAreOptions) {
  sim::PanelModel custom(nullptr, sim::PanelCodes{{"4711", "0000"}, "12345"});
  custom.receive(std::vector<std::uint8_t>{0x7A, 0, 0, 0, 0, 0x11});
  EXPECT_EQ(custom.panel().armedAreas(), AlarmPanel::kAllAreas);
  custom.receive(std::vector<std::uint8_t>{0x7A, 1, 2, 3, 4, 0x11});  // the default code is gone
  EXPECT_EQ(custom.panel().armedAreas(), AlarmPanel::kAllAreas);
  custom.receive(std::vector<std::uint8_t>{0x7A, 4, 7, 1, 1, 0x11});
  custom.receive(std::vector<std::uint8_t>{0x7A, 0x10, 1, 2, 3, 4, 5, 0x11});
  EXPECT_TRUE(custom.panel().programMode());
}

TEST_F(PanelModelTest, AnUnfinishedEntryLapses) {
  pc({0x7A, 0x17});
  take();
  for (int s = 0; s < AlarmPanel::kEntryTimeoutSeconds; ++s) model.tick();
  EXPECT_FALSE(model.panel().bypassEntry());
  // Digits typed now start a code; they no longer bypass.
  pc({0x7A, 0x00, 0x03, 0x11});
  EXPECT_EQ(model.panel().bypassedZones(), 0);
}

TEST_F(PanelModelTest, TroublesLightTheirLamps) {
  model.panel().setTrouble(AlarmPanel::kBattery, true);
  model.panel().setTrouble(AlarmPanel::kLine, true);
  model.publishChanges();
  // BATTERY and LINE blink, TROUBLE blinks; LINE stays lit while the line is down.
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x10, 0x00, 0x09, 0x15, 0x02, 0x7E}}));
  model.panel().setTrouble(AlarmPanel::kBattery, false);
  model.panel().setTrouble(AlarmPanel::kLine, false);
  model.publishChanges();
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x10, 0x00, 0x00, 0x01, 0x00, 0x7E}}));
}

TEST_F(PanelModelTest, TamperMakesTheAreaUnreadyAndShowsInTheZoneFrame) {
  model.panel().setZoneTamper(16, true);
  model.publishChanges();
  const auto frames = take();
  EXPECT_NE(std::find(frames.begin(), frames.end(), Frame{0x7E, 0x12, 0x01, 0x00, 0x00, 0x00, 0x80, 0x00, 0x7E}),
            frames.end());
  EXPECT_EQ(model.panel().readyAreas(), AlarmPanel::kAreaA);
  EXPECT_FALSE(model.panel().setZoneTamper(17, true));
  EXPECT_FALSE(model.panel().setZoneOpen(0, true));
}

}  // namespace
