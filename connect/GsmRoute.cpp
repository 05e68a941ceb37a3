#include "connect/GsmRoute.h"

namespace connection {
namespace {
GsmRoute* g_installed = nullptr;
}

GsmRoute* GsmRoute::current() { return g_installed; }
void GsmRoute::install(GsmRoute* route) { g_installed = route; }

}  // namespace connection
