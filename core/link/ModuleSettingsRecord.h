#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quilby {

// The Halvex module's 341-byte settings record. It is edited in place: only
// the fields the screen shows are touched, every other byte and bit goes
// back to the module exactly as it came.
class ModuleSettingsRecord {
 public:
  static constexpr std::size_t kSize = 341;
  using Bytes = std::array<std::uint8_t, kSize>;

  // A record from stored bytes; none unless there are exactly kSize of them.
  static std::optional<ModuleSettingsRecord> FromBytes(std::span<const std::uint8_t> bytes);

  // Zero-ended 8-bit texts, each inside a field of fixed size.
  enum class Text {
    IpAddress,
    DefaultGateway,
    DnsServer,
    AuthorizedPc,
    Receiver1,
    Receiver2,
    Receiver3,
    Receiver4,
    AccountNumber,
    Password,
  };
  struct Field {
    std::size_t offset;
    std::size_t size;
  };
  static constexpr Field field(Text text) {
    switch (text) {
      case Text::IpAddress: return {8, 16};
      case Text::DefaultGateway: return {24, 16};
      case Text::DnsServer: return {40, 16};
      case Text::AuthorizedPc: return {56, 16};
      case Text::Receiver1: return {72, 60};
      case Text::Receiver2: return {132, 60};
      case Text::Receiver3: return {192, 60};
      case Text::Receiver4: return {252, 60};
      case Text::AccountNumber: return {312, 5};
      case Text::Password: return {317, 16};
    }
    return {0, 0};
  }
  // One byte is kept for the terminator.
  static constexpr std::size_t maxChars(Text text) { return field(text).size - 1; }

  static constexpr std::size_t kAddressModeOffset = 1;
  static constexpr std::size_t kSubnetMaskOffset = 4;
  static constexpr std::size_t kDirectConnectOffset = 333;
  static constexpr std::size_t kOptionsOffset = 335;
  static constexpr std::size_t kLinkVersionOffset = 337;

  static constexpr std::uint8_t kNonAuthorizedBit = 0x01;  // byte 333
  static constexpr std::uint8_t kEthernetTamperBit = 0x02;  // byte 335
  static constexpr std::uint8_t kSystemTamperBit = 0x04;    // byte 335
  static constexpr std::uint8_t kAckDisabledBit = 0x80;     // byte 335

  ModuleSettingsRecord() = default;
  explicit ModuleSettingsRecord(const Bytes& bytes) : bytes_(bytes) {}

  const Bytes& bytes() const { return bytes_; }
  Bytes& bytes() { return bytes_; }
  std::uint8_t* data() { return bytes_.data(); }

  // Stops at the first zero or at the end of the field, whichever comes
  // first: a field filled to its last byte must not run into the next one.
  std::string text(Text which) const;
  // Cuts to maxChars, ends with a zero and clears the rest of the field, so
  // no tail of a longer old text (an old password above all) goes back.
  void setText(Text which, std::string_view value);

  // Byte 1: non-zero means the module asks for its address.
  bool obtainAddressAutomatically() const { return bytes_[kAddressModeOffset] != 0; }
  void setObtainAddressAutomatically(bool on) { bytes_[kAddressModeOffset] = on ? 1 : 0; }

  // Stored little-endian with the first dotted number in the top byte, the
  // value an address control hands over.
  std::uint32_t subnetMask() const;
  void setSubnetMask(std::uint32_t mask);

  bool nonAuthorizedConnect() const { return bit(kDirectConnectOffset, kNonAuthorizedBit); }
  void setNonAuthorizedConnect(bool on) { setBit(kDirectConnectOffset, kNonAuthorizedBit, on); }
  bool ethernetTamper() const { return bit(kOptionsOffset, kEthernetTamperBit); }
  void setEthernetTamper(bool on) { setBit(kOptionsOffset, kEthernetTamperBit, on); }
  bool systemTamper() const { return bit(kOptionsOffset, kSystemTamperBit); }
  void setSystemTamper(bool on) { setBit(kOptionsOffset, kSystemTamperBit, on); }
  bool acknowledgementsDisabled() const { return bit(kOptionsOffset, kAckDisabledBit); }
  void setAcknowledgementsDisabled(bool on) { setBit(kOptionsOffset, kAckDisabledBit, on); }

  // "%c %d.%02d": letter, signed major, signed minor.
  std::string linkVersionText() const;

 private:
  bool bit(std::size_t offset, std::uint8_t mask) const { return (bytes_[offset] & mask) != 0; }
  void setBit(std::size_t offset, std::uint8_t mask, bool on);

  Bytes bytes_{};
};

// "a.b.c.d" with a in the top byte.
std::string FormatDottedQuad(std::uint32_t value);
// Strict: four numbers 0 to 255 and nothing else.
std::optional<std::uint32_t> ParseDottedQuad(std::string_view text);
// What an address control reads from a half-typed entry: missing or empty
// numbers count as 0, numbers above 255 as 255.
std::uint32_t ParseDottedQuadLenient(std::string_view text);

}  // namespace quilby
