#!/usr/bin/env bash
# Builds the Debian package (tarnel, tarnelctl, quilby, tarnel-sim, their desktop entries
# and icons, the README) and checks it: the files it holds, the dependencies
# it declares, that apt can resolve them, and that the packaged tarnel runs.
#   scripts/package.sh            build in build-package (Release) and check
#   scripts/package.sh --install  also install it with apt and run /usr/bin/tarnel --version
# BUILD_DIR=build reuses an existing build (what CI does).
set -euo pipefail
cd "$(dirname "$0")/.."

install=0
[ "${1:-}" = "--install" ] && install=1

scripts/install-deps.sh
build=${BUILD_DIR:-build-package}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNEL_BUILD_TESTS=OFF \
    -DTARNEL_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" --target tarnel tarnelctl quilby tarnel-sim tarnel-tones desktop_icons
rm -f "$build"/tarnel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/tarnel_*.deb)
echo "package: $deb ($(du -h "$deb" | cut -f1))"
echo "depends: $(dpkg-deb -f "$deb" Depends)"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for file in usr/bin/tarnel usr/bin/tarnelctl usr/bin/quilby usr/bin/tarnel-sim \
            usr/share/applications/tarnel.desktop usr/share/applications/quilby.desktop \
            usr/share/icons/hicolor/48x48/apps/tarnel.png usr/share/icons/hicolor/256x256/apps/quilby.png \
            usr/share/doc/tarnel/README.md; do
  [ -e "$root/$file" ] || { echo "package lacks $file" >&2; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "package does not declare Qt" >&2; exit 1; }
# The tone module and the sites list's driver are loaded at run time: both must come along.
[ -n "$(find "$root/usr" -path "*/tarnel/tarnel-tones.so")" ] || { echo "package lacks the tone module" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6multimedia6 || { echo "package does not declare Qt Multimedia" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6sql6-sqlite || { echo "package does not declare the SQLite driver" >&2; exit 1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root"/usr/share/applications/*.desktop
fi
# Every dependency can be met from what apt knows, without installing anything.
apt-get install --simulate --no-install-recommends "./$deb" >/dev/null
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/tarnel" --version

if [ "$install" = 1 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get install -y "./$deb"
  env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/tarnel --version
  echo "installed; remove with: sudo apt remove tarnel"
fi
