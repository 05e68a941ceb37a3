#pragma once

#include <QStringList>

#include "link/serial/ModemPort.h"

namespace serial {

inline constexpr int kIdentificationBytes = 108;
inline constexpr int kIdentificationTimeoutMs = 200;
inline constexpr std::uint8_t kIdentifyRequest = 0x0D;

// Tries port numbers 1 to 19 of paths in order: opens the port, sends 0x0D
// and waits for the modem's 108-byte identification. Returns the number of
// the first port that answered, with port left open on it, or 0 with port
// closed. interrupted ends the scan early (0).
int FindModemPort(ModemPort& port, const QStringList& paths, const ModemPort::Interrupt& interrupted = {});

}  // namespace serial
