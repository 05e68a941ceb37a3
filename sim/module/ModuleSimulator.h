#pragma once

#include <QStringList>

#include "core/link/ModuleSettingsRecord.h"

namespace sim {

// "tarnel-sim module ...": a Halvex IP module that calls in to quilby,
// answers its challenge, hands over its settings record and keeps what
// quilby writes back. Runs its own event loop; returns the exit code.
int RunModuleSimulator(const QStringList& arguments);

// The record a module fresh from the box would send.
quilby::ModuleSettingsRecord DefaultModuleRecord();

}  // namespace sim
