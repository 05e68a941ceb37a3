// The simulated panel's event memory and diagnostics, read back with the
// same decoders the viewer uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/events/DiagnosticReplies.h"
#include "core/events/EventRecord.h"
#include "core/events/EventTextTable.h"
#include "core/panelmodel/EventMemory.h"
#include "core/panelmodel/PanelDiagnostics.h"
#include "core/panelmodel/PanelModel.h"

namespace {

using Frame = std::vector<std::uint8_t>;
using sim::AlarmPanel;
using sim::EventMemory;

std::tm At(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  std::mktime(&t);
  return t;
}

// A frame as the PC's de-framer hands it on: without the opening delimiter.
events::EventRecord Decode(const Frame& frame) {
  EXPECT_GE(frame.size(), 12u);
  const auto record = events::DecodeEventRecord(frame.data() + 1, frame.size() - 1);
  EXPECT_TRUE(record);
  return record.value_or(events::EventRecord{});
}

std::string Text(const EventMemory::Event& e) { return events::EventText({e.index, e.code, e.time, e.date, e.area, e.number}); }

std::vector<std::uint8_t> Codes(const EventMemory& memory) {
  std::vector<std::uint8_t> codes;
  for (const auto& e : memory.events()) codes.push_back(e.code);
  return codes;
}

TEST(SimEventMemory, ClockWordsReadBackAsTheTimeTheyWereMadeFrom) {
  int exact = 0;
  for (int second = 0; second < 24 * 3600; second += 2) {
    const std::uint16_t t = EventMemory::EncodeTime(second / 3600, second / 60 % 60, second % 60);
    ASSERT_NE(t & 0xFF, 0x7E);
    ASSERT_NE(t >> 8, 0x7E);
    const std::string text = events::FormatEventTime(t);
    const int shown = std::stoi(text.substr(0, 2)) * 3600 + std::stoi(text.substr(3, 2)) * 60 + std::stoi(text.substr(6, 2));
    // Words holding the delimiter move on a step (2 s), or past 16:48-16:55.
    if (shown == second) {
      ++exact;
    } else {
      ASSERT_GT(shown, second) << text;
      ASSERT_TRUE(shown - second <= 2 || (second >= 16 * 3600 + 48 * 60 && second < 16 * 3600 + 56 * 60)) << text;
    }
  }
  EXPECT_GT(exact, 40000);
  EXPECT_EQ(EventMemory::EncodeTime(17, 4, 0), 0x8000);
  EXPECT_EQ(EventMemory::EncodeDate(2013, 1, 1), 0x1A21);
  EXPECT_EQ(events::FormatEventDate(EventMemory::EncodeDate(2024, 12, 31)), "31/12/2024");
}

TEST(SimEventMemory, SeededHistoryIsFullOrderedAndReadable) {
  EventMemory memory;
  const std::tm now = At(2024, 5, 14, 9, 30, 0);
  memory.seed(now, EventMemory::kCapacity);
  ASSERT_EQ(memory.size(), EventMemory::kCapacity);

  std::set<std::uint8_t> indices;
  std::set<std::uint8_t> codes;
  std::uint32_t previous = 0;
  int hidden = 0;
  for (const auto& e : memory.events()) {
    const Frame frame = EventMemory::RecordFrame(e);
    // Only the delimiters may be 0x7E, or the PC would cut the record short.
    ASSERT_EQ(std::count(frame.begin(), frame.end(), 0x7E), 2) << int(e.index);
    EXPECT_TRUE(indices.insert(e.index).second);
    const std::uint32_t when = std::uint32_t{e.date} << 16 | e.time;
    EXPECT_GE(when, previous);
    previous = when;
    if (e.code == EventMemory::kHiddenCode) {
      ++hidden;
      continue;
    }
    ASSERT_LT(e.code, events::kEventTextCount);
    EXPECT_FALSE(Text(e).empty()) << int(e.code);
    EXPECT_EQ(Text(e).find('%'), std::string::npos) << Text(e);
    codes.insert(e.code);
  }
  EXPECT_GT(hidden, 1);
  // Users opening and closing, alarms with their restores.
  for (int code : {39, 91, 54}) EXPECT_TRUE(codes.count(static_cast<std::uint8_t>(code))) << code;
  // It ends with the restart at the given time, after a hidden record.
  const auto& newest = memory.events().back();
  EXPECT_EQ(Text(newest), "Restart unit");
  EXPECT_EQ(events::FormatEventDate(newest.date) + " " + events::FormatEventTime(newest.time), "14/05/2024 09:30:00");
  EXPECT_EQ(memory.events()[memory.size() - 2].code, EventMemory::kHiddenCode);

  EventMemory again;
  again.seed(now, EventMemory::kCapacity);
  EXPECT_EQ(Codes(again), Codes(memory));
}

TEST(SimEventMemory, TheDelimiterDatesStayQuietInTheSeededHistory) {
  EventMemory memory;
  memory.seed(At(2024, 4, 2, 20, 0, 0), EventMemory::kCapacity);
  for (const auto& e : memory.events()) {
    ASSERT_NE(e.date & 0xFF, 0x7E) << events::FormatEventDate(e.date);
  }
}

TEST(SimEventMemory, AReviewVisitsEveryEventOnceNewestFirst) {
  EventMemory memory;
  memory.seed(At(2024, 5, 14, 9, 30, 0), EventMemory::kCapacity);
  // More events wrap round the indices; the oldest go.
  for (int i = 0; i < 300; ++i) memory.record(9, At(2024, 5, 14, 10, 0, 0), 1, static_cast<std::uint8_t>(i % 16 + 1));
  ASSERT_EQ(memory.size(), EventMemory::kCapacity);

  std::vector<std::uint8_t> walked;
  std::optional<Frame> frame = memory.startReview();
  while (frame) {
    walked.push_back(Decode(*frame).index);
    ASSERT_LE(walked.size(), EventMemory::kCapacity);
    frame = memory.nextAfter(walked.back());
  }
  std::vector<std::uint8_t> expected;
  for (auto it = memory.events().rbegin(); it != memory.events().rend(); ++it) expected.push_back(it->index);
  EXPECT_EQ(walked, expected);
  EXPECT_EQ(std::count(walked.begin(), walked.end(), 0x7E), 0);
  EXPECT_FALSE(memory.nextAfter(0x7E));
}

TEST(SimEventMemory, AnEmptyMemoryAnswersNothing) {
  EventMemory memory;
  EXPECT_FALSE(memory.startReview());
  EXPECT_FALSE(memory.nextAfter(0));
  memory.record(31, At(2024, 5, 14, 2, 0, 0));
  memory.clear();
  EXPECT_FALSE(memory.startReview());
}

TEST(SimEventMemory, LogsWhatHappensInThePanel) {
  EventMemory memory;
  AlarmPanel panel;
  const std::tm now = At(2024, 5, 14, 18, 0, 0);
  memory.observe(panel, now);
  EXPECT_TRUE(memory.empty());

  panel.arm(AlarmPanel::kAllAreas);
  memory.observe(panel, now);
  panel.setZoneOpen(3, true);  // armed: an alarm
  memory.observe(panel, now);
  panel.disarm(AlarmPanel::kAllAreas);
  memory.observe(panel, now);
  panel.setTrouble(AlarmPanel::kPower, true);
  panel.setTrouble(AlarmPanel::kPower, false);  // gone before anyone looked: nothing
  panel.setTrouble(AlarmPanel::kLine, true);
  memory.observe(panel, now);
  panel.setOutput(4, true);
  memory.observe(panel, now);

  std::vector<std::string> texts;
  for (const auto& e : memory.events()) texts.push_back(Text(e));
  EXPECT_EQ(texts, (std::vector<std::string>{"Area A Armed by User 1", "Area B Armed by User 1", "Area A Zone 3 Activated",
                                             "Area A disarmed by User 1", "Area B disarmed by User 1",
                                             "Area A Zone 3 Restored", "Phone Line Fail", "Output 4 ON by Control"}));
}

// The model as the PC reaches it: review, diagnostics, maintenance.
class SimPanelEvents : public testing::Test {
 protected:
  SimPanelEvents() : model([this](sim::PanelModel::Bytes f) { sent.emplace_back(f.begin(), f.end()); }) {
    model.setClock(At(2024, 5, 14, 10, 15, 0));  // a Tuesday morning
    model.linkUp();
    sent.clear();
  }
  void pc(const Frame& bytes) { model.receive(bytes); }
  Frame last() { return sent.empty() ? Frame{} : sent.back(); }
  void enterProgramMode() {
    pc({0x7A, 0x10, 9, 9, 9, 9, 0x11});
    ASSERT_TRUE(model.panel().programMode());
    sent.clear();
  }

  std::vector<Frame> sent;
  sim::PanelModel model;
};

TEST_F(SimPanelEvents, AnswersTheStartOfReviewAndEachNextEventRequest) {
  pc({0x7E, 0xA1, 0x07, 0x16, 0x7E});
  ASSERT_EQ(sent.size(), 1u);
  const auto newest = Decode(sent[0]);
  EXPECT_EQ(events::EventText(newest), "Restart unit");
  pc({0x7E, 0xA9, 0x07, newest.index, 0x7E});
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(Decode(sent[1]).code, EventMemory::kHiddenCode);
  // A request for an index the memory does not hold gets no answer.
  pc({0x7E, 0xA9, 0x07, 0x7E, 0x7E});
  pc({0x7E, 0xA9, 0x07});
  EXPECT_EQ(sent.size(), 2u);
}

TEST_F(SimPanelEvents, ArmingByCodeLandsInTheMemory) {
  pc({0x7A, 1, 2, 3, 4, 0x11});
  pc({0x7E, 0xA1, 0x07, 0x16, 0x7E});
  EXPECT_EQ(events::FormatEventLine(Decode(last())), "14/05/2024 10:15:00\tArea B Armed by User 1\r\n");
}

TEST_F(SimPanelEvents, DiagnosticsAreAnsweredInProgramModeOnly) {
  pc({0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x01, 0x7E});
  EXPECT_TRUE(sent.empty());
  enterProgramMode();
  model.panel().setTrouble(AlarmPanel::kBattery, true);
  const panel::FrameBytes reads = events::DiagnosticReadRequests();
  pc(Frame(reads.view().begin(), reads.view().end()));
  std::vector<std::string> lines;
  for (const Frame& f : sent) {
    if (f[1] < 0x16 || f[1] > 0x18) continue;
    const auto line = events::DecodeDiagnosticReply(f.data() + 1, f.size() - 1);
    ASSERT_TRUE(line);
    lines.push_back(line->text);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"Panel Software Version:\t\t2.10", "Areas Assigned To the Keypad:\t A B",
                                             "Time-Zones Currently Active:\t 1", "Battery Voltage:\t\t\t11.2 V"}));
}

TEST_F(SimPanelEvents, ClearMemoryConfirmedEmptiesItAndSaysSo) {
  enterProgramMode();
  pc({0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x0B, 0x7E});
  pc({0x7A, 0x11});
  ASSERT_EQ(model.events().size(), 1u);
  EXPECT_EQ(Text(model.events().events()[0]), "Event Buffer Cleared from PC");
}

TEST_F(SimPanelEvents, NoOrAnotherReadCancelsTheAction) {
  enterProgramMode();
  const std::size_t before = model.events().size();
  pc({0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x0B, 0x7E});
  pc({0x7A, 0x10});
  pc({0x7A, 0x11});
  pc({0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x0B, 0x7E});
  pc({0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x05, 0x7E});
  pc({0x7A, 0x11});
  EXPECT_EQ(model.events().size(), before);
}

TEST_F(SimPanelEvents, RestoresGoBackToTheFactoryCodesAndCallBackIsLogged) {
  sim::PanelModel custom(nullptr, AlarmPanel::Codes{{"5555"}, "1111"});
  custom.receive(Frame{0x7A, 0x10, 1, 1, 1, 1, 0x11});
  ASSERT_TRUE(custom.panel().programMode());
  custom.receive(Frame{0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x09, 0x7E, 0x7A, 0x11});
  EXPECT_EQ(custom.panel().codes().installer, "9999");
  EXPECT_EQ(custom.panel().codes().user, std::vector<std::string>{"1234"});
  EXPECT_EQ(Text(custom.events().events().back()), "User Codes & Phone Defaulted");
  custom.receive(Frame{0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x0A, 0x7E, 0x7A, 0x11});
  EXPECT_EQ(Text(custom.events().events().back()), "Panel Defaulted");
  custom.receive(Frame{0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x0C, 0x7E, 0x7A, 0x11});
  EXPECT_EQ(Text(custom.events().events().back()), "Callback requested");
}

// The factory's time zones: zone 1 weekdays 08:00 to 17:59, zone 2 every
// night 22:00 to 05:59.
TEST(SimDiagnostics, TimeZonesFollowTheClockOnBothSidesOfEachBoundary) {
  const sim::ParameterStore factory;
  struct Case {
    int day, hour, minute;
    std::uint8_t zones;
  };
  // 2024-05-13 is a Monday, 2024-05-17 a Friday, 2024-05-18 a Saturday.
  const Case cases[] = {
      {13, 7, 59, 0x00}, {13, 8, 0, 0x01},  {13, 17, 59, 0x01}, {13, 18, 0, 0x00},
      {17, 17, 59, 0x01}, {18, 10, 0, 0x00}, {13, 21, 59, 0x00}, {13, 22, 0, 0x02},
      {18, 23, 59, 0x02}, {18, 0, 0, 0x02},  {14, 5, 59, 0x02},  {14, 6, 0, 0x00},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "2024-05-" << c.day << " " << c.hour << ":" << c.minute);
    EXPECT_EQ(factory.activeTimeZones(At(2024, 5, c.day, c.hour, c.minute, 0)), c.zones);
  }
}

}  // namespace
