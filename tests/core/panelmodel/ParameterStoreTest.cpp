// The simulated panel's installer parameters: what it answers, how it takes
// entries, and what the codes, clock, un-map and restore entries do to the
// rest of the panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/panelmodel/PanelModel.h"
#include "core/panelmodel/ParameterStore.h"

namespace {

using Frame = std::vector<std::uint8_t>;
using params::Value;
using params::ValueKind;
using sim::ParameterStore;

// A valid value other than `current`, reachable by one entry.
Value Another(const params::PanelParameter& p, const Value& current) {
  switch (p.kind) {
    case ValueKind::Options: {
      const std::uint32_t lowest = p.bits & (~p.bits + 1u);
      return {current.number ^ lowest, {}};
    }
    case ValueKind::Number: return {current.number < p.maximum ? current.number + 1 : p.minimum, {}};
    case ValueKind::Choice: {
      const auto at = std::find_if(p.choices.begin(), p.choices.end(),
                                   [&](const params::Choice& c) { return c.value == current.number; });
      return {(at + 1 == p.choices.end() ? p.choices.front() : *(at + 1)).value, {}};
    }
    case ValueKind::Time: return {current.number == 1745 ? 1746u : 1745u, {}};
    case ValueKind::Date: return {current.number == 0 ? 15u + 600 + 270000 : 0u, {}};
    default: return {0, current.text.empty() ? "1" : ""};
  }
}

void Type(ParameterStore& store, const panel::FrameBytes& keystrokes) {
  // The 7A lead is the transport's; the store takes the keys.
  for (std::size_t i = 1; i < keystrokes.size(); ++i) EXPECT_FALSE(store.key(keystrokes[i]));
}

void Type(ParameterStore& store, std::initializer_list<std::uint8_t> keys) {
  for (const std::uint8_t k : keys) store.key(k);
}

TEST(ParameterStore, AnswersAndTakesEntriesForEveryParameterOfTheCatalogue) {
  ParameterStore store;
  for (const params::PanelParameter& p : params::PanelParameters()) {
    for (const std::uint8_t e : {p.entities.first, p.entities.last}) {
      const std::string where = std::string(p.path) + " " + std::to_string(p.parameter) + "/" + std::to_string(e);
      const Value factory = *store.value(p.parameter, e);
      ASSERT_TRUE(params::IsValid(p, factory)) << where;

      const auto frame = store.read(p.parameter, e);
      ASSERT_TRUE(frame) << where;
      // Nothing is escaped on the link: only the parameter byte of P126 may be 0x7E.
      for (std::size_t i = 1; i + 1 < frame->size(); ++i)
        EXPECT_TRUE((*frame)[i] != 0x7E || p.parameter == 0x7E) << where << " byte " << i;
      const auto reply = params::DecodeReply(frame->data() + 1, frame->size() - 1);
      ASSERT_TRUE(reply) << where;
      EXPECT_EQ(reply->type, p.replyType) << where;
      EXPECT_EQ(reply->parameter, p.parameter) << where;
      EXPECT_EQ(reply->entity, e) << where;
      EXPECT_EQ(params::ValueFromReply(p, *reply), factory) << where;

      const Value wanted = Another(p, factory);
      Type(store, params::WriteKeys(p, factory, wanted));
      EXPECT_EQ(*store.value(p.parameter, e), wanted) << where;
    }
  }
}

// The commissioned site the README promises, as the panel answers it: user
// 1 with code 1234, installer code 9999, zones 1-8 in area A and 9-16 in B,
// phone numbers 1 and 2 only, time zone 1 Monday to Friday, summer time from
// the last Sunday of March to the last Sunday of October.
TEST(ParameterStore, FactoryValuesAreTheDocumentedSite) {
  ParameterStore store;
  const struct {
    int parameter, entity;
    Frame reply;
  } cases[] = {
      {1, 1, {0x7E, 0x1A, 0x07, 0x21, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x01, 0x7E}},
      {25, 1, {0x7E, 0x1A, 0x07, 0x99, 0x99, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x19, 0x01, 0x7E}},
      {121, 1, {0x7E, 0x16, 0x07, 0x00, 0x01, 0x79, 0x01, 0x7E}},
      {121, 8, {0x7E, 0x16, 0x07, 0x00, 0x01, 0x79, 0x08, 0x7E}},
      {121, 9, {0x7E, 0x16, 0x07, 0x00, 0x02, 0x79, 0x09, 0x7E}},
      {121, 16, {0x7E, 0x16, 0x07, 0x00, 0x02, 0x79, 0x10, 0x7E}},
      {0xB5, 3, {0x7E, 0x1A, 0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xB5, 0x03, 0x7E}},
      {0xAB, 1, {0x7E, 0x16, 0x07, 0x00, 0x3E, 0xAB, 0x01, 0x7E}},
      {0x1A, 4, {0x7E, 0x16, 0x07, 0x00, 0x01, 0x1A, 0x04, 0x7E}},
      {0x1B, 1, {0x7E, 0x17, 0x07, 0x05, 0x1B, 0x01, 0x7E}},
      {0x1C, 1, {0x7E, 0x17, 0x07, 0x03, 0x1C, 0x01, 0x7E}},
      {0x1B, 2, {0x7E, 0x17, 0x07, 0x05, 0x1B, 0x02, 0x7E}},
      {0x1C, 2, {0x7E, 0x17, 0x07, 0x0A, 0x1C, 0x02, 0x7E}},
  };
  for (const auto& c : cases) {
    const auto reply = store.read(static_cast<std::uint8_t>(c.parameter), static_cast<std::uint8_t>(c.entity));
    ASSERT_TRUE(reply) << c.parameter << "/" << c.entity;
    EXPECT_EQ(*reply, c.reply) << c.parameter << "/" << c.entity;
  }
  for (const std::uint8_t slot : {std::uint8_t{1}, std::uint8_t{2}}) {
    const auto number = store.read(0xB5, slot);
    ASSERT_TRUE(number);
    EXPECT_NE((*number)[3] & 0x0F, 0x0F) << "phone " << int{slot} << " is empty";
  }
  // Christmas Day and New Year's Day among the eight holidays (day, month in bytes 3, 4).
  std::vector<std::pair<int, int>> holidays;
  for (std::uint8_t n = 1; n <= 8; ++n)
    if (const auto date = store.read(0xAA, n); date && (*date)[3] != 0) holidays.emplace_back((*date)[3], (*date)[4]);
  EXPECT_EQ(holidays, (std::vector<std::pair<int, int>>{{25, 12}, {1, 1}}));
}

TEST(ParameterStore, EntriesGoToTheParameterReadLastAndRefusedOnesChangeNothing) {
  ParameterStore store;
  const struct {
    int parameter, entity;
    std::vector<std::uint8_t> keys;  // ENTER follows
    Value stored;
  } cases[] = {
      {60, 1, {2, 5, 5}, {255, {}}},
      {60, 1, {2, 5, 6}, {60, {}}},          // one past the exit delay's range
      {157, 3, {1, 0, 0}, {100, {}}},
      {157, 3, {0, 9, 9}, {130, {}}},
      {0xAC, 2, {0, 5, 5, 9}, {559, {}}},
      {0xAC, 2, {2, 4, 0, 0}, {2200, {}}},
      {1, 7, {1, 2, 3, 4, 5, 6}, {0, "123456"}},
      {1, 7, {1, 2, 3, 4, 5, 6, 7}, {0, ""}},
      {1, 7, {5, 0x10, 4, 2}, {0, ""}},      // No leaves the item
      {0xB5, 1, std::vector<std::uint8_t>(40, 1), {0, "0298765432"}},  // longer than any entry
  };
  for (const auto& c : cases) {
    const auto parameter = static_cast<std::uint8_t>(c.parameter);
    const auto entity = static_cast<std::uint8_t>(c.entity);
    ParameterStore fresh;
    fresh.read(parameter, entity);
    for (const std::uint8_t k : c.keys) fresh.key(k);
    fresh.key(0x11);
    EXPECT_EQ(*fresh.value(parameter, entity), c.stored) << c.parameter << "/" << c.entity << " " << c.keys.size();
  }

  // Keys typed before a read are dropped; keys after another read act on that one.
  Type(store, {7, 7});
  store.read(60, 1);
  store.read(61, 2);
  Type(store, {4, 5, 0x11});
  EXPECT_EQ(store.value(61, 2)->number, 45u);
  EXPECT_EQ(store.value(60, 1)->number, 60u);
  // The position stays after ENTER: the next entry toggles again.
  store.read(122, 4);
  Type(store, {8, 0x11});
  Type(store, {1, 0x11});
  EXPECT_EQ(store.value(122, 4)->number, 0x45u ^ 0x80u ^ 0x01u);
  // An entry into what the store does not keep comes back to the caller.
  store.read(0x1A, 1);
  Type(store, {0, 9});
  const auto entry = store.key(0x11);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->parameter, 0x1A);
  EXPECT_EQ(entry->entity, 1);
  EXPECT_EQ(entry->keys, (std::vector<std::uint8_t>{0, 9}));
  store.leave();
  EXPECT_FALSE(store.key(0x11));
}

std::tm At(int year, int month, int day, int weekday, int hour, int minute) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_wday = weekday;
  t.tm_hour = hour;
  t.tm_min = minute;
  return t;
}

TEST(ParameterStore, ActiveTimeZonesFollowDaysHoursInvertAndHolidays) {
  ParameterStore store;
  store.set(0xAB, 3, {0x41, {}});  // zone 3: Sunday and Saturday, 06:00 to 12:00
  store.set(0xAC, 3, {600, {}});
  store.set(0xAD, 3, {1200, {}});
  store.set(0xAB, 4, {0xBE, {}});  // zone 4: weekday office hours, inverted
  store.set(0xAC, 4, {800, {}});
  store.set(0xAD, 4, {1800, {}});
  const struct {
    std::tm now;
    std::uint8_t active;
  } cases[] = {
      {At(2026, 6, 13, 6, 5, 59), 0x0A},   // Saturday: zone 2 night, zone 4 inverted
      {At(2026, 6, 13, 6, 6, 0), 0x0C},
      {At(2026, 6, 13, 6, 11, 59), 0x0C},
      {At(2026, 6, 13, 6, 12, 0), 0x08},
      {At(2026, 6, 15, 1, 7, 59), 0x08},   // Monday
      {At(2026, 6, 15, 1, 8, 0), 0x01},
      {At(2026, 6, 15, 1, 17, 59), 0x01},
      {At(2026, 6, 15, 1, 18, 0), 0x08},
      {At(2026, 6, 15, 1, 22, 0), 0x0A},
      {At(2026, 12, 25, 5, 10, 0), 0x00},  // a Friday and holiday 1
  };
  for (const auto& c : cases)
    EXPECT_EQ(store.activeTimeZones(c.now), c.active) << c.now.tm_mday << " " << c.now.tm_hour << ":" << c.now.tm_min;
  store.set(0xAE, 1, {0x01, {}});  // zone 1 ignores holidays
  EXPECT_EQ(store.activeTimeZones(At(2026, 12, 25, 5, 10, 0)), 0x01);
}

// The model in program mode, as the PC reaches it.
class PanelParametersTest : public testing::Test {
 protected:
  PanelParametersTest() : model([this](sim::PanelModel::Bytes f) { sent.emplace_back(f.begin(), f.end()); }) {
    model.linkUp();
    pc({0x7A, 0x10, 9, 9, 9, 9, 0x11});
    EXPECT_TRUE(model.panel().programMode());
    sent.clear();
  }
  void pc(const Frame& bytes) { model.receive(bytes); }
  std::vector<Frame> take() {
    std::vector<Frame> out;
    out.swap(sent);
    return out;
  }
  std::uint32_t number(int parameter, int entity) {
    return model.panel().parameters().value(static_cast<std::uint8_t>(parameter), static_cast<std::uint8_t>(entity))->number;
  }
  void leaveProgramMode() {
    pc({0x7E, 0xA0, 0x07, 0x00, 0x7E});
    take();
  }

  std::vector<Frame> sent;
  sim::PanelModel model;
};

TEST_F(PanelParametersTest, ReadsAreAnsweredInProgramModeOnly) {
  pc({0x7E, 0xAB, 0x07, 0x00, 0x90, 0x00, 0x01, 0x7E});  // zone 1 entry delay, 30 s
  pc({0x7E, 0xAB, 0x07, 0x00, 0x7E, 0x00, 0x02, 0x7E});  // zone 2 response time: parameter 126 is 0x7E
  pc({0x7E, 0xAB, 0x07, 0x00, 0xB5, 0x00, 0x01, 0x7E});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x18, 0x07, 0x00, 0x1E, 0x90, 0x01, 0x7E},
                                        {0x7E, 0x17, 0x07, 0x09, 0x7E, 0x02, 0x7E},
                                        {0x7E, 0x1A, 0x07, 0x20, 0x89, 0x67, 0x45, 0x23, 0xFF, 0xFF, 0xFF, 0xB5, 0x01, 0x7E}}));
  // Not a parameter of the catalogue: no answer.
  pc({0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x01, 0x7E});
  EXPECT_TRUE(take().empty());

  leaveProgramMode();
  pc({0x7E, 0xAB, 0x07, 0x00, 0x90, 0x00, 0x01, 0x7E, 0x7A, 4, 5, 0x11});
  EXPECT_TRUE(take().empty());
  EXPECT_EQ(number(144, 1), 30u);
}

TEST_F(PanelParametersTest, UnmapClearsTheOutputsOptionsOnlyWhenConfirmed) {
  pc({0x7E, 0xAB, 0x07, 0x00, 0x2B, 0x00, 0x03, 0x7E, 0x7A, 0x10});
  pc({0x7A, 0x11});  // the answer was No: this ENTER is no un-map
  EXPECT_TRUE(take().empty());
  EXPECT_EQ(number(0x22, 3), 0x60u);

  pc({0x7E, 0xAB, 0x07, 0x00, 0x2B, 0x00, 0x03, 0x7E, 0x7A, 0x11});
  EXPECT_EQ(take(), (std::vector<Frame>{{0x7E, 0x15, 0x00, 0x0D, 0x2B, 0x7E}}));
  for (const int option : {0x22, 0x23, 0x24, 0x25, 0x2C}) EXPECT_EQ(number(option, 3), 0u) << option;
  EXPECT_EQ(number(0x22, 4), 0x60u);
  EXPECT_EQ(number(0x27, 3), 20u);  // times are not options
}

TEST_F(PanelParametersTest, ClockEntriesSetTheRunningClock) {
  // Synchronize to Tuesday 7 March 2028, 09:05.
  pc({0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x01, 0x7E, 0x7A, 0x00, 0x09, 0x00, 0x05, 0x11,
      0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x02, 0x7E, 0x7A, 0x03, 0x11,
      0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x03, 0x7E, 0x7A, 0x00, 0x07, 0x00, 0x03, 0x02, 0x08, 0x11});
  std::vector<Frame> frames = take();
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames.back(), (Frame{0x7E, 0x54, 0x00, 0x02, 0x21, 0x00, 0x07, 0x03, 0x1C, 0x7E}));
  EXPECT_EQ(model.clock().tm_wday, 2);
  model.tick();
  EXPECT_EQ(take().front(), (Frame{0x7E, 0x54, 0x00, 0x02, 0x21, 0x01, 0x07, 0x03, 0x1C, 0x7E}));

  // Impossible times and dates change nothing.
  pc({0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x01, 0x7E, 0x7A, 0x02, 0x04, 0x00, 0x00, 0x11});
  pc({0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x02, 0x7E, 0x7A, 0x08, 0x11});
  pc({0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x03, 0x7E, 0x7A, 0x03, 0x00, 0x00, 0x02, 0x02, 0x08, 0x11});
  EXPECT_TRUE(take().empty());

  // The last second of 28 February 2028 (a leap year, a Monday) runs into Tuesday the 29th.
  pc({0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x01, 0x7E, 0x7A, 0x02, 0x03, 0x05, 0x09, 0x11,
      0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x02, 0x7E, 0x7A, 0x02, 0x11,
      0x7E, 0xAB, 0x07, 0x00, 0x1A, 0x00, 0x03, 0x7E, 0x7A, 0x02, 0x08, 0x00, 0x02, 0x02, 0x08, 0x11});
  for (int s = 0; s < 60; ++s) model.tick();
  EXPECT_EQ(take().back(), (Frame{0x7E, 0x54, 0x00, 0x00, 0x00, 0x00, 0x1D, 0x02, 0x1C, 0x7E}));
  EXPECT_EQ(model.clock().tm_wday, 2);
}

TEST_F(PanelParametersTest, TheKeypadTakesTheCodesOfTheParameters) {
  // User 1's code becomes 4711, user 5 gets 2580 (key by key), the installer code 123456.
  pc({0x7E, 0xAB, 0x07, 0x00, 0x01, 0x00, 0x01, 0x7E, 0x7A, 4, 7, 1, 1, 0x11});
  pc({0x7E, 0xAB, 0x07, 0x00, 0x01, 0x00, 0x05, 0x7E});
  for (const std::uint8_t k : Frame{2, 5, 8, 0, 0x11}) pc({0x7E, 0xA1, 0x07, k, 0x7E});  // key frames count as keys
  pc({0x7E, 0xAB, 0x07, 0x00, 0x19, 0x00, 0x01, 0x7E, 0x7A, 1, 2, 3, 4, 5, 6, 0x11});
  leaveProgramMode();

  pc({0x7A, 1, 2, 3, 4, 0x11});
  EXPECT_EQ(model.panel().armedAreas(), 0);
  pc({0x7A, 4, 7, 1, 1, 0x11});
  EXPECT_EQ(model.panel().armedAreas(), sim::AlarmPanel::kAllAreas);
  pc({0x7A, 2, 5, 8, 0, 0x11});
  EXPECT_EQ(model.panel().armedAreas(), 0);

  pc({0x7A, 0x10, 9, 9, 9, 9, 0x11});
  EXPECT_FALSE(model.panel().programMode());
  pc({0x7A, 0x10, 1, 2, 3, 4, 5, 6, 0x11});
  EXPECT_TRUE(model.panel().programMode());

  // A user whose code is emptied has none; an empty entry is no code.
  pc({0x7E, 0xAB, 0x07, 0x00, 0x01, 0x00, 0x01, 0x7E, 0x7A, 0x11});
  leaveProgramMode();
  pc({0x7A, 4, 7, 1, 1, 0x11});
  pc({0x7A, 0x11});
  EXPECT_EQ(model.panel().armedAreas(), 0);
}

TEST_F(PanelParametersTest, RestoresPutBackFactoryCodesAndPhonesOrEverything) {
  pc({0x7E, 0xAB, 0x07, 0x00, 0x01, 0x00, 0x01, 0x7E, 0x7A, 4, 7, 1, 1, 0x11});
  pc({0x7E, 0xAB, 0x07, 0x00, 0x01, 0x00, 0x09, 0x7E, 0x7A, 5, 5, 0x11});
  pc({0x7E, 0xAB, 0x07, 0x00, 0x19, 0x00, 0x01, 0x7E, 0x7A, 1, 1, 1, 1, 0x11});
  pc({0x7E, 0xAB, 0x07, 0x00, 0xB5, 0x00, 0x03, 0x7E, 0x7A, 0, 0x2A, 5, 0x11});
  pc({0x7E, 0xAB, 0x07, 0x00, 0x3C, 0x00, 0x01, 0x7E, 0x7A, 9, 0x11});
  const sim::ParameterStore& store = model.panel().parameters();

  pc({0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x09, 0x7E, 0x7A, 0x11});
  EXPECT_EQ(model.panel().codes().user, std::vector<std::string>{"1234"});
  EXPECT_EQ(store.installerCode(), "9999");
  EXPECT_EQ(store.value(0xB5, 3)->text, "");
  EXPECT_EQ(store.value(60, 1)->number, 9u);

  // An action waiting for ENTER is forgotten when program mode ends.
  pc({0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x0A, 0x7E});
  leaveProgramMode();
  pc({0x7A, 0x10, 9, 9, 9, 9, 0x11});
  ASSERT_TRUE(model.panel().programMode());
  pc({0x7A, 0x11});
  EXPECT_EQ(store.value(60, 1)->number, 9u);

  pc({0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x0A, 0x7E, 0x7A, 0x11});
  EXPECT_EQ(store.value(60, 1)->number, 60u);
}

}  // namespace
