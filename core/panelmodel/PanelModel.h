#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <span>
#include <vector>

#include "core/link/PcMessageReader.h"
#include "core/panelmodel/AlarmPanel.h"
#include "core/panelmodel/EventMemory.h"
#include "core/panelmodel/PanelDiagnostics.h"

namespace sim {

// The panel as the PC sees it through its IP module or modem: it takes the
// PC's messages (delimited frames and undelimited key strokes), lets the
// alarm panel act on them and sends every status frame whose bytes changed.
// Transports around it carry the bytes.
class PanelModel : private panel::PcMessageReader::Handler {
 public:
  using Bytes = std::span<const std::uint8_t>;
  using FrameSink = std::function<void(Bytes frame)>;

  explicit PanelModel(FrameSink sendFrame, AlarmPanel::Codes codes = {});
  virtual ~PanelModel() = default;

  // Every message the PC sends, as it was cut from the stream (frames with
  // their delimiters, key strokes with their 0x7A lead).
  std::function<void(Bytes message)> onMessage;

  void setFrameSink(FrameSink sink) { sendFrame_ = std::move(sink); }

  // The link to the PC stands: version, clock and the whole status, changed or not.
  void linkUp();
  // One second passed.
  void tick();
  // Bytes from the PC, already de-scrambled; messages may be split anywhere.
  void receive(Bytes bytes);

  // Change the panel from outside (zones, troubles...), then publishChanges().
  AlarmPanel& panel() { return panel_; }
  const AlarmPanel& panel() const { return panel_; }
  // The event memory, seeded with a history and kept up as the panel changes.
  EventMemory& events() { return events_; }
  // Sends the answers the panel owes and every status frame that changed.
  void publishChanges();

  // The panel's clock runs on its own: it does not follow the host's time
  // zone, and its day of the week (tm_wday, set with the time) only moves on
  // at midnight, as the panel's own register does.
  void setClock(const std::tm& time) { clock_ = time; }
  void sendClock();
  const std::tm& clock() const { return clock_; }
  void setVersion(int version, std::uint8_t build) {
    version_ = version;
    build_ = build;
  }
  std::uint8_t build() const { return build_; }

 protected:
  void send(std::initializer_list<std::uint8_t> frame);
  void send(Bytes frame);

  // A complete frame from the PC, delimiters stripped: frame[0] is the type.
  virtual void handleFrame(Bytes frame);
  // One key, from a key-stroke message or a key frame.
  virtual void handleKey(std::uint8_t key);

  void sendVersion();

 private:
  void pcFrame(Bytes frame) override;
  void pcKey(std::uint8_t key) override;
  void pcKeysTaken(Bytes keys) override;
  // An ENTER into a position the parameter store keeps no value for.
  void carryOut(const ParameterStore::Entry& entry);
  bool setClockFrom(const ParameterStore::Entry& entry);

  FrameSink sendFrame_;
  AlarmPanel panel_;
  EventMemory events_;
  PanelDiagnostics diagnostics_;
  // What the PC was last sent of each status frame; empty = not sent on this link.
  std::array<AlarmPanel::Frame, std::size(AlarmPanel::kAllStatus)> lastSent_;
  std::tm clock_{};
  int version_ = 210;
  std::uint8_t build_ = 5;

  panel::PcMessageReader reader_;
};

}  // namespace sim
