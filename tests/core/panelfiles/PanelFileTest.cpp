// Panel files: the exact text a save writes (files outlive program
// versions), every value surviving a save and a read, and files refused with
// the line at fault.
#include <gtest/gtest.h>

#include "core/panelfiles/PanelFile.h"
#include "tests/core/panelfiles/SampleValues.h"

namespace {

using panelfiles::AllSlots;
using panelfiles::PanelImage;
using panelfiles::SlotIndex;

int Slot(int p, int e) { return SlotIndex(static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(e)); }

TEST(PanelFile, WritesOneLinePerKnownValueWithItsMenuPath) {
  PanelImage image;
  image.softwareVersion = "2.10";
  image.set(Slot(1, 1), {0, "1234"});
  image.set(Slot(122, 5), {0x45, {}});
  image.set(Slot(45, 2), {0x0A, {}});
  image.set(Slot(60, 1), {60, {}});
  image.set(Slot(175, 8), {0, ""});
  image.set(Slot(0xAC, 1), {800, {}});
  image.set(Slot(0xAA, 1), {25 + 1200 + 260000, {}});
  image.set(Slot(0xAA, 2), {0, {}});
  image.set(Slot(0x1B, 2), {5, {}});
  image.set(Slot(0xB5, 3), {0, "0W*5#"});
  image.set(Slot(0xAD, 2), {2400, {}});
  EXPECT_EQ(panelfiles::WritePanelFile(image),
            "# tarnel panel file: every parameter the program-mode editors read, one per line,\n"
            "# in the order of the program-mode menu, with the menu path beside it.\n"
            "format = 1\n"
            "panel-software = \"2.10\"\n"
            "\n"
            "[parameters]\n"
            "\"P1 user 1\" = \"1234\"  # User > Code\n"
            "\"P172 time zone 1\" = \"08:00\"  # Clock Setting > Time zone > Start\n"
            "\"P173 time zone 2\" = \"raw 09 60\"  # Clock Setting > Time zone > End; no editor types this value\n"
            "\"P27 finish\" = 5  # Clock Setting > Set clock > Sunday\n"
            "\"P170 holiday 1\" = 2026-12-25  # Clock Setting > Holydays > Date\n"
            "\"P170 holiday 2\" = \"none\"  # Clock Setting > Holydays > Date\n"
            "\"P181 phone 3\" = \"0W*5#\"  # Phone Number > Number\n"
            "\"P175/8\" = \"\"  # Dialler > Dialling Pre-Fix Number\n"
            "\"P45 area B\" = 0x0A  # Area > Area Optioin A\n"
            "\"P60 area A\" = 60  # Area > Armed Exit Delay Time\n"
            "\"P122 zone 5\" = 0x45  # Zone-Main > Zone Alarm Type Options > Zone Options A\n");
}

using panelfilestest::SampleValue;

TEST(PanelFile, EveryValueOfEverySlotSurvivesASaveAndARead) {
  PanelImage image;
  image.softwareVersion = "2.10 [005] \"beta\" \\\t";
  for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot) image.set(slot, SampleValue(slot));
  const auto read = panelfiles::ReadPanelFile(panelfiles::WritePanelFile(image));
  ASSERT_TRUE(std::holds_alternative<PanelImage>(read)) << panelfiles::Describe(std::get<panelfiles::FileError>(read));
  const PanelImage& back = std::get<PanelImage>(read);
  EXPECT_EQ(back.softwareVersion, image.softwareVersion);
  for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot)
    EXPECT_EQ(back.at(slot), image.at(slot)) << panelfiles::SlotKey(slot);

  // A file may hold only some parameters: the rest stays unknown.
  const auto partial = panelfiles::ReadPanelFile("format = 1\n[parameters]\n\"P60 area B\" = 30\n");
  ASSERT_TRUE(std::holds_alternative<PanelImage>(partial));
  EXPECT_EQ(std::get<PanelImage>(partial).knownCount(), 1u);
  EXPECT_EQ(std::get<PanelImage>(partial).at(Slot(60, 2)), (params::Value{30, {}}));
}

// Two saves of one panel, the lines they share left out: what they read to
// differs exactly where the whole files do, a value on one side only included.
TEST(PanelFile, FilesWithoutTheirSharedLinesCompareAsTheWholeFiles) {
  PanelImage before;
  before.softwareVersion = "2.10";
  for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot) before.set(slot, SampleValue(slot));
  PanelImage after = before;
  after.softwareVersion = "2.11";
  after.set(Slot(60, 1), {45, {}});
  after.set(Slot(173, 2), {2400, {}});  // 24:00, a raw line
  after.forget(Slot(1, 100));
  before.forget(Slot(122, 16));
  const std::string left = panelfiles::WritePanelFile(before);
  const std::string right = panelfiles::WritePanelFile(after);
  const panelfiles::FilePair pair = panelfiles::WithoutSharedLines(left, right);
  EXPECT_LT(pair.left.size() + pair.right.size(), 2000u);
  const auto read = [](const std::string& text) { return std::get<PanelImage>(panelfiles::ReadPanelFile(text)); };
  const auto slots = [](const std::vector<panelfiles::Difference>& found) {
    std::vector<int> list;
    for (const auto& d : found) list.push_back(d.slot);
    return list;
  };
  const std::vector<panelfiles::Difference> whole = panelfiles::Compare(read(left), read(right));
  EXPECT_EQ(slots(whole), (std::vector<int>{Slot(1, 100), Slot(173, 2), Slot(60, 1), Slot(122, 16)}));
  const std::vector<panelfiles::Difference> reduced = panelfiles::Compare(read(pair.left), read(pair.right));
  EXPECT_EQ(slots(reduced), slots(whole));
  for (std::size_t i = 0; i < whole.size() && i < reduced.size(); ++i) {
    EXPECT_EQ(reduced[i].left, whole[i].left);
    EXPECT_EQ(reduced[i].right, whole[i].right);
  }
  EXPECT_EQ(read(pair.right).softwareVersion, "2.11");
}

TEST(PanelFile, RefusesAFileWithTheLineAtFault) {
  const std::string head = "format = 1\npanel-software = \"2.10\"\n[parameters]\n";
  const struct {
    std::string text;
    int line;
    std::string says;
  } cases[] = {
      {head + "\"P60 area A\" = 60\n\"P60 area B\" = \n", 5, ""},
      {head + "\"P60 area A\" = 60\n\"P60 area A\" = 61\n", 5, "this key is given a second time"},
      {head + "\"P60 area A\" = 60\n\"P61 zone 3\" = 1\n", 5, "unknown parameter \"P61 zone 3\""},
      {head + "\"P125 zone 9\" = 1\n", 4, "unknown parameter"},
      {head + "\"P60 area A\" = 256\n", 4, "P60 area A (Area > Armed Exit Delay Time) must be a number from 0 to 255"},
      {head + "\"P157 zone 1\" = 99\n", 4, "from 100 to 700"},
      {head + "\"P60 area A\" = -1\n", 4, "must be"},
      {head + "\"P122 zone 1\" = \"0x05\"\n", 4, "must be"},
      {head + "\"P127 zone 1\" = 7\n", 4, "must be"},
      {head + "\"P1 user 1\" = \"1234567\"\n", 4, "must be"},
      {head + "\"P1 user 1\" = 1234\n", 4, "must be"},
      {head + "\"P181 phone 1\" = \"12a4\"\n", 4, "must be"},
      {head + "\"P172 time zone 1\" = \"24:00\"\n", 4, "must be"},
      {head + "\"P170 holiday 1\" = 2026-02-29\n", 4, "date"},
      {head + "\"P170 holiday 1\" = 1999-12-31\n", 4, "must be"},
      {"format = 2\n[parameters]\n", 1, "format 2 is not 1"},
      {"format = \"1\"\n", 1, "format ? is not 1"},
      // A float is no format number, however close to one, and is never taken as an integer.
      {"format = 1.0\n", 1, "format ? is not 1, the one this program reads (a whole number, without a point)"},
      {"format = 7.77e45\n[parameters]\n", 1, "format ? is not 1"},
      {head + "\"P60 area A\" = 60.0\n", 4, "must be"},
      // Raw bytes: only as many as the parameter's reply carries.
      {head + "\"P60 area A\" = \"raw 01 02 03\"\n", 4, "or raw and its reply's value bytes in hex"},
      {head + "\"P172 time zone 1\" = \"raw 09\"\n", 4, "must be"},
      {"[parameters]\n\"P60 area A\" = 60\n", 0, "names no format"},
      {"format = 1\nowner = \"me\"\n", 2, "unknown entry \"owner\""},
  };
  for (const auto& c : cases) {
    const auto read = panelfiles::ReadPanelFile(c.text);
    ASSERT_TRUE(std::holds_alternative<panelfiles::FileError>(read)) << c.text;
    const auto& error = std::get<panelfiles::FileError>(read);
    EXPECT_EQ(error.line, c.line) << c.text << panelfiles::Describe(error);
    EXPECT_NE(error.message.find(c.says), std::string::npos) << panelfiles::Describe(error);
  }
  EXPECT_EQ(panelfiles::Describe({12, "unknown parameter \"P9\""}), "line 12: unknown parameter \"P9\"");
}

}  // namespace
