#!/usr/bin/env bash
# Installs the Debian 12 packages that Vyx Player needs, by group:
#   run    what the program needs at run time (software GL, fonts, Qt's Wayland client, Qt's
#          own translations)
#   build  the compiler, CMake and the libraries' development packages
#   test   an X server, a window manager, real input, media fixtures (ffmpeg, mkvtoolnix),
#          screenshots, a screen reader's view (AT-SPI), a Wayland compositor (weston) and a
#          desktop's screen saver on D-Bus, lintian, the system-information program
#          and the Windows build of the registry reader (Wine, MinGW)
#   fuzz   clang with libFuzzer
#   bench  the players Vyx Player is measured against, Python for the script that measures, and
#          glxinfo, which tells a GPU from software GL
# Usage: install-deps.sh GROUP...   (no group: all of them)
set -euo pipefail

declare -A groups=(
  [run]="libgl1-mesa-dri libglx-mesa0 libegl-mesa0 fonts-liberation qt6-wayland
         qt6-translations-l10n"
  [build]="cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
           qt6-base-private-dev qt6-tools-dev qt6-l10n-tools qt6-svg-dev qt6-webengine-dev libmpv-dev libavformat-dev libxcb1-dev"
  [test]="xvfb xauth ffmpeg xdotool imagemagick x11-utils procps desktop-file-utils appstream
          openbox python3 python3-xlib dbus-daemon playerctl xprintidle lintian hardinfo g++-mingw-w64-x86-64-posix wine64
          mkvtoolnix at-spi2-core python3-pyatspi weston python3-dbus python3-gi"
  [fuzz]="clang libfuzzer-14-dev"
  [bench]="python3 python3-xlib mesa-utils mpv vlc-bin vlc-plugin-base vlc-plugin-qt vlc-plugin-video-output"
)
wanted=("$@")
[ ${#wanted[@]} -gt 0 ] || wanted=(run build test fuzz bench)

missing=()
for group in "${wanted[@]}"; do
  [ -n "${groups[$group]+set}" ] || { echo "install-deps.sh: no group '$group'" >&2; exit 2; }
  for package in ${groups[$group]}; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
