#!/usr/bin/env bash
# Gathers the program's texts into the catalogues of translations/ (Qt Linguist's .ts files),
# keeping what is translated already; run it after texts change, then translate what is new.
# Usage: scripts/update-translations.sh
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
languages=(de fr es pt_BR ru zh_CN ja ar)
files=()
for language in "${languages[@]}"; do files+=("translations/vyxplayer_$language.ts"); done
"$lupdate" -no-obsolete -locations relative -extensions cpp,h \
  app player browser links about mediaplayer mpris platform -ts "${files[@]}"
