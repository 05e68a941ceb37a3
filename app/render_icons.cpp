// Build tool: writes the programs' icons as the desktop's hicolor theme wants
// them, <dir>/hicolor/<N>x<N>/apps/{tarnel,quilby}.png, from the same drawing
// the windows use.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "configurator/QuilbyIcon.h"
#include "console/TarnelIcon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_icons OUTPUT-DIR\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor");
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    if (!QDir().mkpath(dir) || !console::TarnelIconImage(size).save(dir + QStringLiteral("/tarnel.png")) ||
        !quilby::QuilbyIconImage(size).save(dir + QStringLiteral("/quilby.png"))) {
      std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(dir));
      return 1;
    }
  }
  return 0;
}
