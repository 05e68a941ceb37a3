#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/parameters/PanelParameters.h"
#include "core/parameters/ProgramEntry.h"

namespace sim {

// The codes of a panel as it leaves the factory.
inline constexpr std::string_view kFactoryUserCode = "1234";
inline constexpr std::string_view kFactoryInstallerCode = "9999";

// Codes to seed a panel with: users 1, 2, ... get the user codes in order.
struct PanelCodes {
  std::vector<std::string> user{std::string(kFactoryUserCode)};
  std::string installer{kFactoryInstallerCode};
};

// The installer parameters of the panel: a value for every parameter and
// entity an editor reads, starting as a commissioned panel leaves the
// factory. It takes program mode's reads and keys as the panel does: a read
// positions it on (parameter, entity), and the keys after it, up to ENTER,
// are one entry written into that parameter.
class ParameterStore {
 public:
  using Frame = std::vector<std::uint8_t>;

  // An entry into a position the store keeps no value for (the clock, the
  // un-map command, diagnostics): the caller acts on it.
  using Entry = params::ProgramEntry::Typed;

  // Parameters that are commands or live values rather than stored values.
  static constexpr std::uint8_t kClock = 0x1A;  // entities 1 time, 2 day of week, 3 date
  static constexpr std::uint8_t kUnmap = 0x2B;  // entity = output

  static constexpr int kUsers = 100;

  ParameterStore();
  // The factory values with these codes instead of the factory codes.
  explicit ParameterStore(const PanelCodes& codes);

  // The value of (parameter, entity), or null for no parameter of the catalogue.
  const params::Value* value(std::uint8_t parameter, std::uint8_t entity) const;
  // Sets it if its reply can carry the value, whether or not keys could
  // type it (a panel that has lived for years may hold anything its replies
  // carry); false (and nothing changed) otherwise.
  bool set(std::uint8_t parameter, std::uint8_t entity, const params::Value& value);

  // A read request: positions the store on (parameter, entity), whatever it
  // is, and forgets keys typed before; answers for a parameter it keeps.
  std::optional<Frame> read(std::uint8_t parameter, std::uint8_t entity);
  // A key in program mode. ENTER ends the entry: applied to the parameter
  // read last (a refused entry changes nothing), or handed back when the
  // store keeps no value there. No (0x10) leaves the item: the keys typed
  // so far and the position are dropped.
  std::optional<Entry> key(std::uint8_t key);
  // Program mode ends: no position, no keys.
  void leave();

  // The user (1 to 100) whose code this is, or 0; an empty code is no code.
  int userWithCode(std::string_view digits) const;
  const std::string& installerCode() const;
  // Every user code that is set, user 1 first.
  std::vector<std::string> userCodes() const;

  // The time zones (bit n-1 = zone n) active at `now` by their days, start
  // and end, invert bit and the holidays.
  std::uint8_t activeTimeZones(const std::tm& now) const;

  // Clears the option bytes of an output; false for no output 1 to 8.
  bool unmapOutput(std::uint8_t output);
  // Maintenance: the factory's codes and phone numbers, or every factory value.
  void restoreCodesAndPhones();
  void restoreAll();

 private:
  // Where the value of (parameter, entity) is kept.
  struct Slot {
    const params::PanelParameter* parameter;
    std::size_t row;
    std::size_t entity;
  };
  static std::optional<Slot> SlotOf(std::uint8_t parameter, std::uint8_t entity);
  void seedCodes(const PanelCodes& codes);
  void restoreWhere(bool (*restored)(const params::PanelParameter&));

  // Per catalogue row, per entity from the row's first.
  std::vector<std::vector<params::Value>> values_;
  params::ProgramEntry entry_;
};

}  // namespace sim
