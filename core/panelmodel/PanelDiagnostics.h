#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <vector>

namespace sim {

class AlarmPanel;
class EventMemory;

// Parameter 200 of the panel: four diagnostic values to read, and four
// maintenance actions that a read positions on and ENTER carries out.
class PanelDiagnostics {
 public:
  using Frame = std::vector<std::uint8_t>;

  static constexpr std::uint8_t kParameter = 200;
  enum class Action : std::uint8_t { RestoreCodesAndPhones = 9, RestoreAll = 10, ClearMemory = 11, CallBack = 12 };

  // Battery voltage in tenths of a volt, charged and with a battery trouble.
  static constexpr std::uint8_t kBatteryCharged = 138;
  static constexpr std::uint8_t kBatteryLow = 112;

  // A parameter read: for parameter 200 the answer for entities 1, 3, 4
  // and 5; for 9 to 12 no answer, but the action waits for ENTER. Every
  // other read forgets a waiting action.
  std::optional<Frame> read(std::uint8_t parameter, std::uint8_t entity, const AlarmPanel& panel, int version,
                            const std::tm& clock);
  // A key in program mode: ENTER hands out the waiting action, every key forgets it.
  std::optional<Action> key(std::uint8_t key);
  // Leaving program mode forgets a waiting action too.
  void forget() { waiting_.reset(); }
  // Does what the action says and logs it in the event memory.
  static void CarryOut(Action action, AlarmPanel& panel, EventMemory& memory, const std::tm& clock);

 private:
  std::optional<Action> waiting_;
};

}  // namespace sim
