#include "link/serial/ModemPortList.h"

#include <QCollator>
#include <QSerialPortInfo>
#include <algorithm>
#include <mutex>

namespace serial {
namespace {

std::mutex g_mutex;
QStringList g_explicitPaths;

}  // namespace

void SetModemPortPaths(const QStringList& paths) {
  const std::lock_guard lock(g_mutex);
  g_explicitPaths = paths;
}

QStringList ModemPortPaths() {
  {
    const std::lock_guard lock(g_mutex);
    if (!g_explicitPaths.isEmpty()) return g_explicitPaths;
  }
  return SystemSerialPortPaths();
}

QStringList SystemSerialPortPaths() {
  QStringList paths;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) paths << info.systemLocation();
  QCollator natural;
  natural.setNumericMode(true);
  std::sort(paths.begin(), paths.end(), [&](const QString& a, const QString& b) { return natural.compare(a, b) < 0; });
  return paths;
}

QString ModemPortPath(const QStringList& paths, int number) {
  if (number < kFirstPortNumber || number > kLastPortNumber || number > paths.size()) return {};
  return paths[number - 1];
}

}  // namespace serial
