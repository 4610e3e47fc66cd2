#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
# Compiles the calculator's Windows version resource and checks that its
# texts reach the resource as Windows shows them, in UTF-16, Czech letters
# included. Where no resource compiler was found, the test reports itself
# skipped (77).
set -euo pipefail
windres=$1
rc=$2
if [ ! -x "$windres" ]; then
  echo "No resource compiler (MinGW's windres) was found when the build was configured: skipped"
  exit 77
fi

out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$windres" --preprocessor=cpp "$rc" -O coff -o "$out"

hex() { od -An -v -tx1 | tr -d ' \n'; }
resource=$(hex <"$out")
failures=0
for text in "Program pro výpočet tarifů" "Hovorix pro Windows" "1.0.2.13" "1.0.0.0" "TARIF.EXE" "040504E2"; do
  needle=$(printf '%s' "$text" | iconv -f UTF-8 -t UTF-16LE | hex)
  case "$resource" in
    *"$needle"*) ;;
    *) echo "FAIL: '$text' is not in the resource" >&2; failures=$((failures + 1)) ;;
  esac
done
# The fixed version block after its signature: file version 1.0.2.13 and
# product version 1.0.0.0, each as two little-endian 32-bit words.
case "$resource" in
  *"bd04effe00000100000001000d0002000000010000000000"*) ;;
  *) echo "FAIL: the binary file and product versions are not 1.0.2.13 and 1.0.0.0" >&2; failures=$((failures + 1)) ;;
esac
[ "$failures" -eq 0 ]
