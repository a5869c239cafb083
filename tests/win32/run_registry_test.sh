#!/usr/bin/env bash
# Builds the registry reader for Windows with MinGW-w64 and runs it under Wine against values
# written into Wine's registry. Usage: run_registry_test.sh SOURCE_DIR WORK_DIR
set -euo pipefail
src=$1
work=$2
mkdir -p "$work"
compiler=$(command -v x86_64-w64-mingw32-g++-posix || command -v x86_64-w64-mingw32-g++)
"$compiler" -std=c++20 -O1 -Wall -Wextra -Werror -static \
  -I"$src/platform" -I"$src/about" \
  "$src/tests/win32/registry_probe.cpp" "$src/about/KeyValue.cpp" "$src/platform/registry/Win32Registry.cpp" \
  -ladvapi32 -o "$work/registry_probe.exe"

wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
key='HKLM\SOFTWARE\VyxTest'
"$wine" reg add "$key" /v Text /t REG_SZ /d 'C:\Tools\msinfo32.exe' /f >/dev/null
"$wine" reg add "$key" /v Number /t REG_DWORD /d 4660 /f >/dev/null
"$wine" reg add "$key" /v Five /t REG_DWORD /d 5 /f >/dev/null
"$wine" reg add "$key" /v Expand /t REG_EXPAND_SZ /d '%SystemRoot%\system32' /f >/dev/null
"$wine" reg add "$key" /v Binary /t REG_BINARY /d 0102 /f >/dev/null
"$wine" "$work/registry_probe.exe" | tr -d '\r'
