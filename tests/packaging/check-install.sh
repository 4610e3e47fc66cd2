#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
# Installs the build into a fresh prefix and checks it as a desktop would see
# it: every file the desktop entries and the AppStream metadata name is where
# they say, and the installed programs find the installed sample tariff file.
# (The freedesktop validators check both files in tests of their own.)
set -euo pipefail
build=$1
source=$2

prefix=$(mktemp -d)
child=
cleanup() {
  [ -n "$child" ] && kill "$child" 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share

# The width and height a PNG file declares in its header.
png_size() {
  local bytes
  bytes=($(od -An -v -tu1 -N24 "$1"))
  [ "${bytes[1]}-${bytes[2]}-${bytes[3]}" = "80-78-71" ] || { echo "not-a-png"; return; }
  echo "$(( (bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19] ))x$(( (bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23] ))"
}

entries=("$share"/applications/*.desktop)
[ ${#entries[@]} -eq 2 ] || fail "expected two desktop entries, found: ${entries[*]}"
for entry in "${entries[@]}"; do
  id=$(basename "$entry" .desktop)
  key() { sed -n "s/^$1=//p" "$entry" | head -n 1; }

  exec_line=$(key Exec)
  program=${exec_line%% *}
  [ -x "$prefix/bin/$program" ] || fail "$id: Exec names $program, not installed in bin/"
  [ "$exec_line" = "$program --user-data" ] || fail "$id: the menu should start $program in the user's folder, not '$exec_line'"
  [ "$(key TryExec)" = "$program" ] || fail "$id: TryExec differs from Exec's program"
  # The programs tell the desktop their entry by this name (Wayland matches
  # windows to entries by it).
  [ "$id" = "org.example.hovorix.${program,,}" ] || fail "$id: the entry of $program should be org.example.hovorix.${program,,}"
  [ -n "$(key 'Name\[cs\]')" ] && [ -n "$(key 'Comment\[cs\]')" ] && [ -n "$(key Name)" ] && [ -n "$(key Comment)" ] ||
    fail "$id: Name and Comment need Czech texts and an English fallback"

  icon=$(key Icon)
  [ "$icon" = "$id" ] || fail "$id: icon named '$icon'"
  [ -s "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$id: no scalable icon"
  for size in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
    if [ -f "$png" ]; then
      actual=$(png_size "$png")
      [ "$actual" = "${size}x${size}" ] || fail "$png is $actual"
    else
      fail "$id: no ${size}x${size} icon"
    fi
  done

  metainfo=$share/metainfo/$id.metainfo.xml
  if [ -f "$metainfo" ]; then
    grep -q "<id>$id</id>" "$metainfo" || fail "$id: metainfo has another id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "$id: metainfo launches another entry"
    grep -q "<binary>$program</binary>" "$metainfo" || fail "$id: metainfo provides another program"
    grep -q "<icon type=\"stock\">$icon</icon>" "$metainfo" || fail "$id: metainfo names another icon"
  else
    fail "$id: no metainfo"
  fi

  [ -s "$share/man/man1/$program.1.gz" ] && gzip -t "$share/man/man1/$program.1.gz" || fail "$program: no manual page"
done

# The calculator states what its Windows version resource states.
calculator=$share/metainfo/org.example.hovorix.tarif.metainfo.xml
for fact in '"FileVersion">1.0.2.13<' '"ProductVersion">1.0.0.0<' '"ProductName">Hovorix pro Windows<' \
            '"FileDescription">Program pro výpočet tarifů<' 'release version="1.0.2.13"'; do
  grep -qF "$fact" "$calculator" || fail "calculator metainfo lacks $fact"
done

[ -x "$prefix/bin/tarif-cli" ] || fail "tarif-cli not installed"
[ -s "$share/man/man1/tarif-cli.1.gz" ] || fail "tarif-cli: no manual page"
cmp -s "$share/hovorix/tarif.ini" "$source/data/tarif.ini" || fail "the installed sample differs from data/tarif.ini"
cmp -s "$share/hovorix/predvolby.txt" "$source/data/predvolby.txt" || fail "the prefix table is not installed beside the sample"
[ -s "$share/doc/hovorix/copyright" ] || fail "no copyright file"

# The installed calculator, started as the menu starts it by a user with a
# decimal point, finds the installed sample and writes it into the user's
# folder in the user's number format.
version=$("$prefix/bin/tarif" --version) || fail "tarif --version failed"
[ "$version" = "tarif 1.0.2.13" ] || fail "tarif --version says '$version'"
home=$prefix/home
seeded=$home/hovorix/tarif.ini
(cd / && exec env -u LC_ALL -u LANG LC_NUMERIC=C XDG_DATA_HOME="$home" XDG_RUNTIME_DIR="$prefix" \
   QT_QPA_PLATFORM=offscreen "$prefix/bin/tarif" --user-data) >/dev/null 2>&1 &
child=$!
for _ in $(seq 100); do
  [ -s "$seeded" ] && break
  sleep 0.1
done
sleep 0.5  # the file is renamed into place whole; give the program a moment to read it
if kill -0 "$child" 2>/dev/null; then
  kill "$child"
else
  fail "tarif --user-data ended by itself"
fi
wait "$child" 2>/dev/null || true
child=
if [ -s "$seeded" ]; then
  summary=$("$prefix/bin/tarif-cli" check --decimal-separator . "$seeded" 2>&1) ||
    fail "the seeded file does not read with a decimal point: $summary"
  [ "$summary" = "$seeded: 10 tariffs, data version 2000.11" ] || fail "the seeded file reads as: $summary"
else
  fail "tarif --user-data wrote no tariff file into $home/hovorix"
fi

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "installation checked"
