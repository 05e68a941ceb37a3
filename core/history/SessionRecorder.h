#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/link/PcMessageReader.h"
#include "core/parameters/ProgramEntry.h"

namespace history {

// "09 60": value bytes in hex, as panel files write a value no editor types.
std::string HexBytes(std::span<const std::uint8_t> bytes);

// What a session did to one parameter, as the panel reported it: the value
// bytes of its reply before the session first wrote the parameter, and of
// its reply when read back at the end (nothing where no reply came).
struct ParameterChange {
  std::uint8_t parameter = 0;
  std::uint8_t entity = 0;
  std::optional<std::string> before;
  std::optional<std::string> after;
  friend bool operator==(const ParameterChange&, const ParameterChange&) = default;
};

// Follows one program-mode session from what the PC sends and what the
// panel answers, and knows which parameters were written and what they held
// before and after. A write is an entry the panel takes as one (keys, then
// ENTER) into a parameter an editor reads; reads alone change nothing.
//
// Replies are matched to reads by the order the panel answers them in: a
// reply for (parameter, entity) answers the oldest read of it still open,
// and every read sent before that one is left unanswered. So the reply to a
// read sent together with the keys that follow it still counts as "before",
// however late it comes.
class SessionRecorder : private panel::PcMessageReader::Handler {
 public:
  using Address = std::pair<std::uint8_t, std::uint8_t>;

  // A parameter was first written, or its before or after became known.
  std::function<void(const ParameterChange&)> onChange;

  // Everything the PC sends, as one send hands it over.
  void sent(std::span<const std::uint8_t> bytes);
  // A frame from the panel as delivered (frame[0] the type byte).
  void received(const std::uint8_t* frame, std::size_t length);

  // The session is ending: a reply to a read sent from now on, after a
  // parameter's last write, is that parameter's "after".
  void startReadBack();
  bool readingBack() const { return readingBack_; }
  // Written parameters whose "after" is not known yet, in the order first written.
  std::vector<Address> awaitingReadBack() const;
  // In the order first written.
  const std::vector<ParameterChange>& changes() const { return changes_; }

 private:
  struct OpenRead {
    Address address;
    std::uint64_t number;
    bool readBack;
  };
  struct Track {
    std::optional<std::string> lastSeen;  // the latest reply while not yet written
    std::optional<std::size_t> change;
    std::uint64_t firstWrite = 0;  // the number of the read each write acted on
    std::uint64_t lastWrite = 0;
  };

  void pcFrame(std::span<const std::uint8_t> frame) override;
  void pcKey(std::uint8_t key) override;
  void answered(const OpenRead& read, const std::string& value);
  void notify(std::size_t change);

  panel::PcMessageReader reader_;
  params::ProgramEntry entry_;
  std::deque<OpenRead> open_;
  std::uint64_t reads_ = 0;
  bool readingBack_ = false;
  std::map<Address, Track> tracks_;
  std::vector<ParameterChange> changes_;
};

}  // namespace history
