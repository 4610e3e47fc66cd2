#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
# validate.sh desktop-entries|metadata VALIDATOR FILE...: the files pass the
# freedesktop validator (desktop-file-validate, appstreamcli) without a remark.
# Where the validator was not found, the test reports itself skipped (77).
set -euo pipefail
kind=$1
validator=$2
shift 2
if [ ! -x "$validator" ]; then
  echo "No validator for $kind was found when the build was configured: skipped"
  exit 77
fi
case $kind in
  desktop-entries)
    # Hints and warnings leave its exit status at 0; any remark fails here.
    remarks=$("$validator" "$@" 2>&1) || { echo "$remarks"; exit 1; }
    [ -z "$remarks" ] || { echo "$remarks"; exit 1; }
    ;;
  metadata)
    "$validator" validate --no-net --pedantic "$@"
    ;;
esac
