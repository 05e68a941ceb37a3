#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb: tarnel's keypad window against
# the simulated panel and quilby showing a simulated module's settings, at a
# scale factor of 2, once with the default palette and once with a dark one
# (qt6ct's "darker" colour scheme, as a dark desktop would give it).
#   scripts/screenshots.sh        writes docs/*-hidpi.png and docs/*-dark.png
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
dpkg-query -W -f='${Status}' qt6ct 2>/dev/null | grep -q "install ok installed" || {
  sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends qt6ct >/dev/null
}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target tarnel quilby tarnel-sim

work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT

export DISPLAY=:96
Xvfb "$DISPLAY" -screen 0 2000x1400x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1

# A dark desktop's palette, through the qt6ct platform theme.
mkdir -p "$work/dark/qt6ct"
cat >"$work/dark/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
CONF

free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }

# shot NAME THEME-ENV... -- PROGRAM...: runs the program, lets the simulator feed it, saves docs/NAME.png
shot() {
  local name=$1 theme=$2 program=$3
  local port; port=$(free_port)
  local config="$work/config-$name"; mkdir -p "$config"
  local env=(QT_SCALE_FACTOR=2 XDG_CONFIG_HOME="$config")
  [ "$theme" = dark ] && env=(QT_SCALE_FACTOR=2 XDG_CONFIG_HOME="$work/dark" QT_QPA_PLATFORMTHEME=qt6ct)
  mkfifo "$work/in-$name"
  if [ "$program" = tarnel ]; then
    env "${env[@]}" build/bin/tarnel --listen-port "$port" &
    local app=$!
    sleep 1
    build/bin/tarnel-sim --connect "127.0.0.1:$port" <"$work/in-$name" >/dev/null &
    local sim=$!
    exec 3>"$work/in-$name"
    sleep 1
    printf 'zone open 3\nzone open 12\nzone tamper 7\nzone alarm 9\ntrouble battery on\noutput on 2\narm A\n' >&3
  else
    env "${env[@]}" build/bin/quilby --port "$port" &
    local app=$!
    sleep 1
    build/bin/tarnel-sim module --connect "127.0.0.1:$port" <"$work/in-$name" >/dev/null &
    local sim=$!
    exec 3>"$work/in-$name"
  fi
  sleep 3
  import -window root "$work/$name.png"
  convert "$work/$name.png" -trim +repage "docs/$name.png"
  echo "docs/$name.png: $(identify -format '%wx%h' "docs/$name.png")"
  exec 3>&-
  kill "$app" "$sim" 2>/dev/null || true
  wait "$app" "$sim" 2>/dev/null || true
}

shot keypad-window-hidpi light tarnel
shot keypad-window-dark dark tarnel
shot quilby-hidpi light quilby
shot quilby-dark dark quilby
