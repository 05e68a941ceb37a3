#pragma once

#include <QSettings>

#include "core/link/LinkHandshake.h"

namespace panel {

// The derivation constants and the login-only access code, from the
// "Link" section of the settings (K1..K4 in hex, AccessCode as four
// characters); anything missing or malformed keeps its default.
LinkSecrets LoadLinkSecrets(QSettings& settings);

}  // namespace panel
