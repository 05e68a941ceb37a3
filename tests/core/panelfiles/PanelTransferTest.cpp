// Reading a whole panel in batches and planning the writes of a restore,
// against a panel played here by the parameter codecs.
#include <gtest/gtest.h>

#include <numeric>

#include "core/panelfiles/PanelTransfer.h"

namespace {

using panelfiles::AllSlots;
using panelfiles::PanelImage;
using panelfiles::PanelReader;
using panelfiles::SlotIndex;
using Bytes = std::vector<std::uint8_t>;

Bytes View(const panel::FrameBytes& frame) { return {frame.view().begin(), frame.view().end()}; }

std::vector<int> Slots(std::initializer_list<std::pair<int, int>> keys) {
  std::vector<int> slots;
  for (const auto& [p, e] : keys) slots.push_back(SlotIndex(static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(e)));
  return slots;
}

// The reply as the link delivers it: cut at the first 0x7E after the type.
Bytes Delivered(const Bytes& frame) {
  const auto end = std::find(frame.begin() + 1, frame.end(), 0x7E);
  return Bytes(frame.begin() + 1, end + 1);
}

Bytes ReplyFor(int slot, params::Value value) {
  const panelfiles::Slot& s = AllSlots()[static_cast<std::size_t>(slot)];
  return Delivered(params::ReplyFrameFor(*s.parameter, s.entity, value));
}

bool Feed(PanelReader& reader, const Bytes& frame) { return reader.takeFrame(frame.data(), frame.size()); }

TEST(PanelSlots, EveryEntityOfEveryParameterOnceInMenuOrder) {
  EXPECT_EQ(AllSlots().size(), 2332u);
  EXPECT_EQ(SlotIndex(1, 1), 0);  // "User" leads the menu
  EXPECT_EQ(SlotIndex(1, 100), 99);
  EXPECT_EQ(SlotIndex(2, 1), 100);
  EXPECT_EQ(SlotIndex(125, 9), -1);
  EXPECT_EQ(SlotIndex(200, 1), -1);
  const int last = static_cast<int>(AllSlots().size()) - 1;
  EXPECT_EQ(AllSlots()[static_cast<std::size_t>(last)].parameter->path, "Miscellaneous|Miscellaneous User Options");
}

TEST(PanelReading, AsksInBatchesOfEightAndTakesTheRepliesInAnyOrder) {
  std::vector<int> all(AllSlots().size());
  std::iota(all.begin(), all.end(), 0);
  PanelReader reader(all);
  const auto first = reader.nextRequest();
  ASSERT_TRUE(first);
  ASSERT_EQ(first->size(), 64);
  EXPECT_EQ(View(*first).size(), 64u);
  for (int user = 1; user <= 8; ++user) {
    const Bytes request(first->view().begin() + (user - 1) * 8, first->view().begin() + user * 8);
    EXPECT_EQ(request, (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x01, 0x00, static_cast<std::uint8_t>(user), 0x7E}));
  }
  EXPECT_FALSE(reader.nextRequest());  // one batch at a time

  EXPECT_FALSE(Feed(reader, {0x17, 0x07, 0x04, 0x02, 0x01, 0x7E}));            // not asked for
  EXPECT_FALSE(Feed(reader, ReplyFor(SlotIndex(1, 9), {0, "1"})));            // user 9 not asked yet
  EXPECT_FALSE(Feed(reader, {0x1A, 0x07, 0x21, 0x43}));                       // too short
  for (int user = 8; user >= 1; --user)
    EXPECT_TRUE(Feed(reader, ReplyFor(SlotIndex(1, static_cast<std::uint8_t>(user)), {0, std::to_string(user * 11)})));
  EXPECT_FALSE(Feed(reader, ReplyFor(SlotIndex(1, 3), {0, "33"})));           // answered already
  EXPECT_EQ(reader.answered(), 8);
  EXPECT_EQ(reader.image().at(SlotIndex(1, 5)), (params::Value{0, "55"}));

  // Answer everything as the panel would.
  int batches = 1;
  while (auto request = reader.nextRequest()) {
    ++batches;
    for (std::size_t at = 0; at < request->size(); at += 8) {
      const int slot = SlotIndex((*request)[at + 4], (*request)[at + 6]);
      const auto& p = *AllSlots()[static_cast<std::size_t>(slot)].parameter;
      const params::Value value = p.kind == params::ValueKind::Choice ? params::Value{p.choices.front().value, {}}
                                                                       : params::Value{};
      ASSERT_TRUE(Feed(reader, ReplyFor(slot, value))) << p.path;
    }
  }
  EXPECT_TRUE(reader.finished());
  EXPECT_EQ(reader.answered(), 2332);
  EXPECT_TRUE(reader.unanswered().empty());
  EXPECT_GE(batches, 2332 / 8);
}

TEST(PanelReading, AsksAgainAfterATimeOutAndGivesUpAfterThreeAttempts) {
  PanelReader reader(Slots({{60, 1}, {60, 2}, {61, 1}}));
  ASSERT_TRUE(reader.nextRequest());
  EXPECT_TRUE(Feed(reader, ReplyFor(SlotIndex(60, 2), {30, {}})));
  reader.timedOut();
  const auto second = reader.nextRequest();
  ASSERT_TRUE(second);
  EXPECT_EQ(View(*second), (Bytes{0x7E, 0xAB, 0x07, 0x00, 60, 0x00, 1, 0x7E, 0x7E, 0xAB, 0x07, 0x00, 61, 0x00, 1, 0x7E}));
  EXPECT_TRUE(Feed(reader, ReplyFor(SlotIndex(61, 1), {45, {}})));
  reader.timedOut();
  ASSERT_TRUE(reader.nextRequest());
  reader.timedOut();
  EXPECT_FALSE(reader.nextRequest());
  EXPECT_TRUE(reader.finished());
  EXPECT_EQ(reader.unanswered(), Slots({{60, 1}}));
  EXPECT_EQ(reader.answered(), 2);

  // Three batches in a row without any answer: the panel has gone quiet, the rest is given up.
  std::vector<int> many(40);
  std::iota(many.begin(), many.end(), 0);
  PanelReader quiet(many);
  for (int batch = 0; batch < 3; ++batch) {
    ASSERT_TRUE(quiet.nextRequest());
    quiet.timedOut();
  }
  EXPECT_FALSE(quiet.nextRequest());
  EXPECT_TRUE(quiet.finished());
  EXPECT_EQ(quiet.unanswered(), many);
}

TEST(PanelReading, RepliesThatLoseTheirEntityAreAskedOneAtATime) {
  // Parameter 126 is 0x7E: its replies end at the parameter byte.
  PanelReader reader(Slots({{125, 1}, {126, 1}, {126, 2}, {127, 1}}));
  const auto first = reader.nextRequest();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->size(), 16);  // 125/1 and 126/1; 126/2 waits for the next batch
  EXPECT_TRUE(Feed(reader, Bytes{0x17, 0x07, 0x05, 0x7E}));
  EXPECT_EQ(reader.image().at(SlotIndex(126, 1)), (params::Value{5, {}}));
}

TEST(PanelReading, ALateReplyOfAGivenUpReadIsNotTakenForTheNextOne) {
  const Bytes fence{0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x01, 0x7E};
  const Bytes fenceReply{0x18, 0x07, 0x00, 0xD2, 0xC8, 0x01, 0x7E};
  PanelReader reader(Slots({{126, 1}, {126, 2}}));
  ASSERT_TRUE(reader.nextRequest());
  reader.timedOut();  // zone 1's reply is late, not lost
  // Before zone 1 is asked again, the software version: what comes before its answer is old.
  const auto fenceSent = reader.nextRequest();
  ASSERT_TRUE(fenceSent);
  EXPECT_EQ(View(*fenceSent), fence);
  EXPECT_FALSE(reader.nextRequest());
  EXPECT_FALSE(Feed(reader, Bytes{0x17, 0x07, 0x01, 0x7E}));  // zone 1's late reply
  EXPECT_TRUE(Feed(reader, fenceReply));
  ASSERT_TRUE(reader.nextRequest());  // zone 1 again
  EXPECT_TRUE(Feed(reader, Bytes{0x17, 0x07, 0x01, 0x7E}));
  const auto zone2 = reader.nextRequest();
  ASSERT_TRUE(zone2);
  EXPECT_EQ(View(*zone2), (Bytes{0x7E, 0xAB, 0x07, 0x00, 0x7E, 0x00, 0x02, 0x7E}));
  EXPECT_TRUE(Feed(reader, Bytes{0x17, 0x07, 0x02, 0x7E}));
  EXPECT_EQ(reader.image().at(SlotIndex(126, 1)), (params::Value{1, {}}));
  EXPECT_EQ(reader.image().at(SlotIndex(126, 2)), (params::Value{2, {}}));
  EXPECT_TRUE(reader.finished());

  // A fence that is never answered is asked three times, then the reading goes on.
  PanelReader deaf(Slots({{60, 1}}), true);
  for (int attempt = 0; attempt < 3; ++attempt) {
    const auto sent = deaf.nextRequest();
    ASSERT_TRUE(sent);
    EXPECT_EQ(View(*sent), fence);
    deaf.timedOut();
  }
  const auto read = deaf.nextRequest();
  ASSERT_TRUE(read);
  EXPECT_EQ(View(*read), (Bytes{0x7E, 0xAB, 0x07, 0x00, 60, 0x00, 1, 0x7E}));
}

TEST(PanelReading, TakesOptionBytesAsBytesAndNamesValuesCutShortByTheDelimiter) {
  // An option byte may come as a byte reply.
  PanelReader options(Slots({{122, 5}}));
  ASSERT_TRUE(options.nextRequest());
  EXPECT_TRUE(Feed(options, {0x17, 0x07, 0x5A, 0x7A, 0x05, 0x7E}));
  EXPECT_EQ(options.image().at(SlotIndex(122, 5)), (params::Value{0x5A, {}}));

  // Over TCP 7E 16 07 00 7E 7A 05 7E arrives cut at the value: read alone, that is the slot's.
  PanelReader alone(Slots({{122, 5}}));
  ASSERT_TRUE(alone.nextRequest());
  EXPECT_FALSE(Feed(alone, {0x26, 0x07, 0x7E}));  // not a reply this slot takes
  EXPECT_TRUE(Feed(alone, {0x16, 0x07, 0x00, 0x7E}));
  EXPECT_TRUE(alone.finished());
  EXPECT_EQ(alone.cutShort(), Slots({{122, 5}}));
  EXPECT_TRUE(alone.unanswered().empty());

  // In a batch it names no slot: the open ones are asked again one at a time, after the fence.
  PanelReader batch(Slots({{60, 1}, {60, 2}, {61, 1}, {61, 2}}));
  ASSERT_TRUE(batch.nextRequest());
  EXPECT_TRUE(Feed(batch, ReplyFor(SlotIndex(60, 2), {30, {}})));
  EXPECT_FALSE(Feed(batch, {0x17, 0x07, 0x7E}));  // 60/1 holds 126
  EXPECT_TRUE(Feed(batch, ReplyFor(SlotIndex(61, 1), {45, {}})));
  batch.timedOut();  // 61/2's reply is lost
  const auto fence = batch.nextRequest();
  ASSERT_TRUE(fence);
  EXPECT_EQ(View(*fence), (Bytes{0x7E, 0xAB, 0x07, 0x00, 0xC8, 0x00, 0x01, 0x7E}));
  EXPECT_TRUE(Feed(batch, {0x18, 0x07, 0x00, 0xD2, 0xC8, 0x01, 0x7E}));
  const auto first = batch.nextRequest();
  ASSERT_TRUE(first);
  EXPECT_EQ(View(*first), (Bytes{0x7E, 0xAB, 0x07, 0x00, 60, 0x00, 1, 0x7E}));
  EXPECT_TRUE(Feed(batch, {0x17, 0x07, 0x7E}));
  const auto second = batch.nextRequest();
  ASSERT_TRUE(second);
  EXPECT_EQ(View(*second), (Bytes{0x7E, 0xAB, 0x07, 0x00, 61, 0x00, 2, 0x7E}));
  EXPECT_TRUE(Feed(batch, ReplyFor(SlotIndex(61, 2), {20, {}})));
  EXPECT_TRUE(batch.finished());
  EXPECT_EQ(batch.cutShort(), Slots({{60, 1}}));
  EXPECT_TRUE(batch.unanswered().empty());
  EXPECT_EQ(batch.answered(), 3);

  // Once every other read of the batch is answered, the cut replies are the open ones': no wait.
  PanelReader settled(Slots({{60, 1}, {60, 2}, {172, 1}}));
  ASSERT_TRUE(settled.nextRequest());
  EXPECT_FALSE(Feed(settled, {0x19, 0x07, 0x04, 0x7E}));  // 172/1 holds 11:50
  EXPECT_FALSE(Feed(settled, {0x17, 0x07, 0x7E}));
  EXPECT_TRUE(Feed(settled, ReplyFor(SlotIndex(60, 2), {30, {}})));
  EXPECT_TRUE(settled.finished());
  EXPECT_EQ(settled.cutShort(), Slots({{172, 1}, {60, 1}}));  // in menu order
}

TEST(RestorePlan, WritesWhatDiffersAsTheEditorsWouldWithTheirPauses) {
  PanelImage panel;
  PanelImage wanted;
  const auto set = [](PanelImage& image, int p, int e, params::Value v) {
    image.set(SlotIndex(static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(e)), std::move(v));
  };
  // The menu's first slot and its last: a plan that stops short of either misses them.
  set(panel, 1, 1, {0, "1234"});
  set(wanted, 1, 1, {0, "5678"});
  set(panel, 25, 0, {0x00, {}});
  set(wanted, 25, 0, {0x81, {}});
  set(panel, 122, 5, {0x05, {}});
  set(wanted, 122, 5, {0x84, {}});
  set(panel, 60, 1, {60, {}});
  set(wanted, 60, 1, {60, {}});  // equal: no write
  set(panel, 1, 7, {0, "1234"});
  set(wanted, 1, 7, {0, "987"});
  set(wanted, 144, 3, {30, {}});  // not reported by the panel: not written
  set(wanted, 123, 1, {0x01, {}});
  set(panel, 45, 1, {0x00, {}});
  set(wanted, 45, 1, {0x10, {}});  // only the hidden option 5 differs: kept
  set(panel, 45, 2, {0x00, {}});
  set(wanted, 45, 2, {0x11, {}});  // options 1 and 5 differ: option 1 is written
  set(panel, 0xAD, 1, {1700, {}});
  set(wanted, 0xAD, 1, {2400, {}});  // 24:00: no editor types it, kept

  const panelfiles::WritePlan plan = panelfiles::PlanWrites(panel, wanted);
  const auto step = [](int p, int e, Bytes bytes, int pauseMs) {
    return std::tuple{SlotIndex(static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(e)), bytes, pauseMs};
  };
  std::vector<std::tuple<int, Bytes, int>> steps;
  for (const auto& s : plan.steps) steps.emplace_back(s.slot, View(s.bytes), s.pauseMs);
  EXPECT_EQ(steps,
            (std::vector<std::tuple<int, Bytes, int>>{
                step(1, 1, {0x7E, 0xAB, 0x07, 0x00, 0x01, 0x00, 0x01, 0x7E, 0x7A, 0x05, 0x06, 0x07, 0x08, 0x11}, 1000),
                step(1, 7, {0x7E, 0xAB, 0x07, 0x00, 0x01, 0x00, 0x07, 0x7E, 0x7A, 0x09, 0x08, 0x07, 0x11}, 1000),
                step(45, 2, {0x7E, 0xAB, 0x07, 0x00, 0x2D, 0x00, 0x02, 0x7E, 0x7A, 0x01, 0x11}, 500),
                step(122, 5, {0x7E, 0xAB, 0x07, 0x00, 0x7A, 0x00, 0x05, 0x7E, 0x7A, 0x01, 0x08, 0x11}, 750),
                step(25, 0, {0x7E, 0xAB, 0x07, 0x00, 0x19, 0x00, 0x00, 0x7E, 0x7A, 0x01, 0x08, 0x11}, 750),
            }));
  EXPECT_EQ(plan.unread, Slots({{123, 1}, {144, 3}}));
  EXPECT_EQ(plan.kept, Slots({{0xAD, 1}, {45, 1}}));
  EXPECT_EQ(panelfiles::PauseAfterWrite(*params::FindPanelParameter(60, 1), params::Entry(Bytes{4, 5})), 100);
}

TEST(Compare, ListsEverySlotThatDiffersKnownOnOneSideIncluded) {
  PanelImage a;
  PanelImage b;
  a.set(SlotIndex(60, 1), {60, {}});
  b.set(SlotIndex(60, 1), {61, {}});
  a.set(SlotIndex(0xB5, 3), {0, "0123"});
  b.set(SlotIndex(0xAA, 2), {0, {}});
  a.set(SlotIndex(1, 1), {0, "1234"});
  b.set(SlotIndex(1, 1), {0, "1234"});
  const auto differences = panelfiles::Compare(a, b);
  ASSERT_EQ(differences.size(), 3u);
  EXPECT_EQ(differences[0].slot, SlotIndex(0xAA, 2));  // holidays come before phone numbers in the menu
  EXPECT_FALSE(differences[0].left);
  EXPECT_EQ(differences[1].slot, SlotIndex(0xB5, 3));
  EXPECT_FALSE(differences[1].right);
  EXPECT_EQ(differences[2].slot, SlotIndex(60, 1));
  EXPECT_EQ(differences[2].left, (params::Value{60, {}}));
}

}  // namespace
