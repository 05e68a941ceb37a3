#include "console/RememberedCodes.h"

namespace console {
namespace {
RememberedCodes* g_codes = nullptr;
}  // namespace

RememberedCodes* RememberedCodes::current() { return g_codes; }

void RememberedCodes::install(RememberedCodes* codes) { g_codes = codes; }

}  // namespace console
