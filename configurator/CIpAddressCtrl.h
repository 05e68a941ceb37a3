#pragma once

#include <QLineEdit>
#include <cstdint>

namespace quilby {

// A dotted IPv4 entry. Typing is held to four numbers of 0 to 255; texts
// from a record are shown as they came, so an odd one is not lost.
class CIpAddressCtrl : public QLineEdit {
  Q_OBJECT
 public:
  explicit CIpAddressCtrl(QWidget* parent = nullptr);

  void setAddress(std::uint32_t value);
  // Missing numbers count as 0, the way a half-filled address control reads.
  std::uint32_t address() const;
};

}  // namespace quilby
