#include "connect/PcPasswordCheck.h"

namespace connection {
namespace {
PcPasswordCheck* g_installed = nullptr;
}

PcPasswordCheck* PcPasswordCheck::current() { return g_installed; }
void PcPasswordCheck::install(PcPasswordCheck* check) { g_installed = check; }

}  // namespace connection
