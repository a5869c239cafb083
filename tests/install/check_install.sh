#!/usr/bin/env bash
# Installs into a temporary prefix, validates the desktop integration files and starts the
# installed player on a file the way a file manager's "Open with" would (%U: a file:// URL).
# Usage: check_install.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

source "$(dirname "$0")/../support/checks.sh"
check test -x "$prefix/bin/vyxplayer"
check test -f "$prefix/share/applications/vyxplayer.desktop"
check test -f "$prefix/share/icons/hicolor/scalable/apps/vyxplayer.svg"
for size in 16 22 24 32 48 64 128 256; do
  check test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/vyxplayer.png"
done
check test -n "$(find "$prefix" -name vyxwebengine.so)"
check desktop-file-validate "$prefix/share/applications/vyxplayer.desktop"
check appstreamcli validate --no-net "$prefix/share/metainfo/io.github.vyxplayer.metainfo.xml"
check grep -q "<mediatype>audio/x-scpls</mediatype>" "$prefix/share/metainfo/io.github.vyxplayer.metainfo.xml"
check grep -q '^Exec=vyxplayer %U$' "$prefix/share/applications/vyxplayer.desktop"
for type in video/x-msvideo video/mpeg audio/mpeg video/x-ms-wmv application/vnd.ms-asf audio/x-wav \
            video/x-ivf audio/mp2 video/mp4 video/x-matroska audio/flac audio/x-mpegurl \
            application/vnd.apple.mpegurl audio/x-scpls; do
  check grep -q "^MimeType=.*$type;" "$prefix/share/applications/vyxplayer.desktop"
done
# MIDI has no demuxer: the player would refuse what the desktop offered it.
check test -z "$(grep '^MimeType=.*midi' "$prefix/share/applications/vyxplayer.desktop")"
check test "$("$prefix/bin/vyxplayer" --version)" = "Vyx Player 1.2.0"
# The catalogues are installed where the installed program finds them: its help in German, and
# in English under LANG=C whatever LANGUAGE asks.
for language in de fr es pt_BR ru zh_CN ja ar; do
  check test -s "$prefix/share/vyxplayer/translations/vyxplayer_$language.qm"
  check grep -q "^Comment\\[$language\\]=" "$prefix/share/applications/vyxplayer.desktop"
  check grep -q "<summary xml:lang=\"$language\">" "$prefix/share/metainfo/io.github.vyxplayer.metainfo.xml"
done
check test -z "$(env LANGUAGE=de LANG=de_DE.UTF-8 "$prefix/bin/vyxplayer" --help | grep '^Usage:')"
check test -n "$(env LANGUAGE=de LANG=C "$prefix/bin/vyxplayer" --help | grep '^Usage:')"

# A clip whose name needs percent-encoding, opened as the desktop file's %U would pass it.
clip="$work/my clip é.mp4"
ffmpeg -loglevel error -y -f lavfi -i testsrc=size=160x120:rate=25 -t 6 -pix_fmt yuv420p "$clip"
url=$(python3 -c 'import pathlib,sys; print(pathlib.Path(sys.argv[1]).as_uri())' "$clip")
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/vyxplayer.desktop")
command=${exec_line/\%U/$url}
PATH="$prefix/bin:$PATH" plays_without_error $command
finish
