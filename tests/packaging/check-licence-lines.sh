#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
# check-licence-lines.sh SOURCE_DIR: every source file the project keeps in git
# (C++, CMake, Python, shell) opens with the licence identifier and a
# copyright line. Data whose bytes are fixed carries none. Outside a git
# checkout (a source tarball) there is no list to check: skipped.
set -euo pipefail
cd "$1"
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || exit 77

missing=()
while IFS= read -r -d '' file; do
  case "$file" in
    *.cpp | *.h | *.h.in | *.rc.in | *.cmake | *CMakeLists.txt | *.py | *.sh) ;;
    *) head -c 2 "$file" | grep -q '#!' || continue ;;
  esac
  head -n 4 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' &&
    head -n 4 "$file" | grep -q 'SPDX-FileCopyrightText: ' || missing+=("$file")
done < <(git ls-files -z)

if [ ${#missing[@]} -gt 0 ]; then
  printf 'No licence or copyright line at the top of:\n' >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi
