// The steps of a GSM call: which command answers each report of the serial
// worker, and when the call is ready, given up, or stuck on the modem's word.
#include <gtest/gtest.h>

#include <QObject>

#include "connect/GsmDial.h"

namespace {

class RecordingWorker : public serial::SerialCommandSink {
 public:
  void post(int command, QObject*) override { commands.push_back(command); }
  bool running() const override { return true; }
  std::vector<int> commands;
};

TEST(GsmDial, EachReportGetsItsCommandAndTheCallEndsReadyGivenUpOrStuck) {
  using Outcome = connection::GsmDial::Outcome;
  const struct {
    std::vector<std::pair<int, int>> reports;
    Outcome outcome;
    bool stalled;
    std::vector<int> commands;  // after the opening 0
    const char* status;
    const char* failure = "";  // when it is not the status
  } cases[] = {
      {{{0, 2}}, Outcome::Going, false, {6}, "Dialing"},
      {{{0, 2}, {5, 8}, {5, 0}}, Outcome::Going, false, {6, 11, 11}, "Dailing!."},
      {{{0, 2}, {5, 8}, {5, 16}}, Outcome::Ready, false, {6, 11}, "Dailing!"},
      {{{0, 0}}, Outcome::Cancelled, false, {6}, "Dialing"},
      {{{0, 2}, {5, 8}, {5, 17}}, Outcome::Going, true, {6, 11}, "No carrier"},
      {{{0, 2}, {5, 19}}, Outcome::Going, true, {6}, "I don't know your phone number!"},
      {{{0, 2}, {5, 15}}, Outcome::Going, false, {6, 11}, "Password error!"},
      // The hang-up after a refused password or a broken line is not the cause.
      {{{0, 2}, {5, 9}, {5, 15}, {5, 18}}, Outcome::Going, true, {6, 11, 11}, "No carrier", "Password error!"},
      {{{0, 2}, {5, 8}, {5, 21}, {5, 17}}, Outcome::Going, true, {6, 11}, "No carrier",
       "Error communication. Try again"},
      {{{0, 2}, {5, 15}, {5, 20}, {5, 17}}, Outcome::Going, true, {6, 11}, "No carrier"},
      {{{0, 2}, {4, 1}, {5, 16}}, Outcome::Cancelled, false, {6}, "Dialing"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "ending with " << c.reports.back().first << "," << c.reports.back().second);
    RecordingWorker worker;
    QObject owner;
    connection::GsmDial dial(worker, &owner);
    dial.start();
    EXPECT_FALSE(dial.stalled());
    for (const auto& [code, value] : c.reports) dial.report(code, value);
    EXPECT_EQ(dial.outcome(), c.outcome);
    EXPECT_EQ(dial.stalled(), c.stalled);
    std::vector<int> expected{0};
    expected.insert(expected.end(), c.commands.begin(), c.commands.end());
    EXPECT_EQ(worker.commands, expected);
    EXPECT_EQ(dial.statusText(), QString::fromUtf8(c.status));
    EXPECT_EQ(dial.failureText(), QString::fromUtf8(*c.failure ? c.failure : c.status));
  }
}

}  // namespace
