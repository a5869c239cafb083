#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Vyx Player need.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # fuzzing: clang with libFuzzer
  clang libfuzzer-14-dev
  # libraries
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-svg-dev qt6-webengine-dev libmpv-dev libavformat-dev
  # run time: software GL, fonts, the icon engine for SVG icons
  libgl1-mesa-dri libglx-mesa0 fonts-liberation
  # tests: an X server, media fixtures, screenshots
  xvfb xauth ffmpeg xdotool imagemagick x11-utils procps desktop-file-utils appstream openbox
  # tests: a system-information program to start, and the Windows build of the registry reader
  hardinfo g++-mingw-w64-x86-64-posix wine64
  # benchmarks: the players Vyx Player is measured against, and the script that measures
  python3 mpv vlc-bin vlc-plugin-base vlc-plugin-qt vlc-plugin-video-output
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
