#include <gtest/gtest.h>

#include <vector>

#include "core/events/EventCsv.h"
#include "core/events/EventRecord.h"

namespace {

using namespace events;

std::string LineOf(std::vector<std::uint8_t> frame) {
  const auto record = DecodeEventRecord(frame.data(), frame.size());
  return record ? FormatEventLine(*record) : std::string("(none)");
}

TEST(EventRecord, DecodesTheFieldsOfARecord) {
  const std::vector<std::uint8_t> frame{0x20, 0x07, 0x35, 0x01, 0x80, 0x00, 0x1A, 0x21, 0x01, 0x05, 0x7E};
  const auto record = DecodeEventRecord(frame.data(), frame.size());
  ASSERT_TRUE(record);
  EXPECT_EQ(record->index, 0x35);
  EXPECT_EQ(record->code, 1);
  EXPECT_EQ(record->time, 0x8000);
  EXPECT_EQ(record->date, 0x1A21);
  EXPECT_EQ(record->area, 1);
  EXPECT_EQ(record->number, 5);
  EXPECT_EQ(FormatEventLine(*record), "01/01/2013 17:04:00\tArea A Zone 5 Activated\r\n");
}

TEST(EventRecord, AreaAndUserNumbersFillTheirTexts) {
  EXPECT_EQ(LineOf({0x20, 0x07, 0x01, 39, 0x80, 0x00, 0x1A, 0x21, 2, 7}),
            "01/01/2013 17:04:00\tArea B Armed by User 7\r\n");
  EXPECT_EQ(LineOf({0x20, 0x07, 0x01, 126, 0x80, 0x00, 0x1A, 0x21, 1, 3}),
            "01/01/2013 17:04:00\tOutput 3 ON by user 3\r\n");
}

TEST(EventRecord, DateAndTimeAreShownUncheckedAsThePanelSendsThem) {
  EXPECT_EQ(FormatEventDate(0), "00/00/2000");
  EXPECT_EQ(FormatEventTime(0), "00:00:00");
  // Day 31, month 15, year 2127: no field is validated.
  EXPECT_EQ(FormatEventDate(0xFFFF), "31/15/2127");
  // One step of t is 1.875 s; every sixteenth step falls on a repeat.
  EXPECT_EQ(FormatEventTime(1), "00:00:02");
  EXPECT_EQ(FormatEventTime(15), "00:00:30");
  EXPECT_EQ(FormatEventTime(16), "00:00:30");
  EXPECT_EQ(FormatEventTime(46078), "23:59:58");
}

TEST(EventRecord, CodesBeyondTheTableShowTheirNumber) {
  EXPECT_EQ(LineOf({0x20, 0x07, 0x01, 153, 0, 0, 0, 0, 1, 1}), "00/00/2000 00:00:00\t153\r\n");
  EXPECT_EQ(LineOf({0x20, 0x07, 0x01, 0xFF, 0, 0, 0, 0, 1, 1}), "00/00/2000 00:00:00\t255\r\n");
  // Entries without a text show an empty text after the tab.
  EXPECT_EQ(LineOf({0x20, 0x07, 0x01, 150, 0, 0, 0, 0, 1, 1}), "00/00/2000 00:00:00\t\r\n");
}

TEST(EventRecord, ShortOrForeignFramesAreNoRecords) {
  const std::vector<std::uint8_t> full{0x20, 0x07, 0x35, 0x01, 0x80, 0x00, 0x1A, 0x21, 0x01, 0x05};
  for (std::size_t length = 0; length < full.size(); ++length) {
    // A copy of exactly `length` bytes, so a read past it is caught by the sanitizers.
    const std::vector<std::uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_FALSE(DecodeEventRecord(cut.data(), cut.size())) << length;
  }
  EXPECT_TRUE(DecodeEventRecord(full.data(), full.size()));
  std::vector<std::uint8_t> wrongMarker = full;
  wrongMarker[1] = 0x00;
  EXPECT_FALSE(DecodeEventRecord(wrongMarker.data(), wrongMarker.size()));
  std::vector<std::uint8_t> wrongType = full;
  wrongType[0] = 0x21;
  EXPECT_FALSE(DecodeEventRecord(wrongType.data(), wrongType.size()));
  EXPECT_FALSE(DecodeEventRecord(nullptr, 10));
}

}  // namespace

namespace {

TEST(EventCsv, OneRowPerEventWithAnIsoTimeAndTheRawFields) {
  const std::vector<std::uint8_t> frame{0x20, 0x07, 0x35, 39, 0x80, 0x00, 0x1A, 0x21, 0x02, 0x07, 0x7E};
  const auto record = events::DecodeEventRecord(frame.data(), frame.size());
  ASSERT_TRUE(record);
  EXPECT_EQ(events::EventCsvHeader(), "time,event,code,area,number,index\r\n");
  EXPECT_EQ(events::EventCsvRow(*record), "2013-01-01T17:04:00,Area B Armed by User 7,39,2,7,53\r\n");
  // Dates and times on both sides of what a clock can show; the others leave the time empty.
  const struct {
    std::uint16_t date, time;
    const char* iso;
  } times[] = {
      {29 | 2 << 5 | 24 << 9, 0x8000, "2024-02-29T17:04:00"},
      {29 | 2 << 5 | 25 << 9, 0x8000, ""},
      {31 | 12 << 5 | 25 << 9, 46078, "2025-12-31T23:59:58"},
      {31 | 12 << 5 | 25 << 9, 46079, ""},
      {30 | 4 << 5 | 25 << 9, 0, "2025-04-30T00:00:00"},
      {31 | 4 << 5 | 25 << 9, 0, ""},
      {1 | 13 << 5 | 25 << 9, 0, ""},
      {0, 0, ""},
  };
  for (const auto& t : times) {
    events::EventRecord odd = *record;
    odd.date = t.date;
    odd.time = t.time;
    EXPECT_EQ(events::EventCsvRow(odd), std::string(t.iso) + ",Area B Armed by User 7,39,2,7,53\r\n") << t.date;
  }
  for (const auto& [area, row] : {std::pair{0xC0, "2013-01-01T17:04:00,Area ? Armed by User 7,39,192,7,53\r\n"},
                                  std::pair{0x81, "2013-01-01T17:04:00,Area ? Armed by User 7,39,129,7,53\r\n"}}) {
    events::EventRecord odd = *record;
    odd.area = static_cast<std::uint8_t>(area);
    EXPECT_EQ(events::EventCsvRow(odd), row) << area;
  }
  EXPECT_EQ(events::CsvField("plain text"), "plain text");
  EXPECT_EQ(events::CsvField("a, b"), "\"a, b\"");
  EXPECT_EQ(events::CsvField("say \"hi\"\r\n"), "\"say \"\"hi\"\"\r\n\"");
}

}  // namespace
