#!/usr/bin/env bash
# Nothing is written to disk but what the user saves: with a fresh home folder, a page that uses
# local storage, IndexedDB, the cache API and a service worker leaves no file behind, in the
# home folder or among the temporary files.
# Usage: writes_nothing.sh VYXPLAYER WORK_DIR   (needs DISPLAY, xdotool)
set -euo pipefail
player=$1
work=$2
rm -rf "$work" && mkdir -p "$work/home" "$work/site" "$work/tmp" "$work/run"
chmod 700 "$work/run"
source "$(dirname "$0")/../support/checks.sh"
cat >"$work/site/store.html" <<'HTML'
<html><head><title>storing</title></head><body><script>
localStorage.setItem('k', 'v');
const db = indexedDB.open('db', 1);
db.onupgradeneeded = () => db.result.createObjectStore('o');
db.onsuccess = db.onerror = () => { document.title = 'stored'; };
navigator.serviceWorker && navigator.serviceWorker.register('sw.js').catch(() => 0);
window.caches && caches.open('c').catch(() => 0);
</script></body></html>
HTML
echo "self.addEventListener('fetch', () => 0);" >"$work/site/sw.js"
# The runtime folder is a desktop session's memory-backed one; it is given, as a session would.
env -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$work/home" TMPDIR="$work/tmp" \
  XDG_RUNTIME_DIR="$work/run" \
  "$player" --browse "$work/site/store.html" >/dev/null 2>&1 &
pid=$!
check wait_for shown 'Vyx Surfer +stored$'
kill -TERM "$pid"
wait "$pid" || true
check test -z "$(find "$work/home" "$work/tmp" -mindepth 1 | head -n 5)"
finish
