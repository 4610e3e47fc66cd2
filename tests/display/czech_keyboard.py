# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""On the Czech keyboard layout (setxkbmap cz) the top row types accented
letters and Shift gives its digits: Shift with the top row and the keypad
type digits into a minute field, the letters themselves are refused; on the
results page "+" (unshifted there) zooms and "0" (Shift with é) shows the
whole chart again."""

import subprocess

import pyatspi

import lane

subprocess.run(["setxkbmap", "cz"], check=True, timeout=lane.TIMEOUT)

folder = lane.folder("czech", sample=True)
lane.park_pointer()
tarif = lane.start("tarif", folder)
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
peak = tarif.find("spin button", "Pevná síť – Ve špičce", within=window)
tarif.click(peak)
lane.key("ctrl+a", "BackSpace")
# 1, 2, 3 with Shift on the top row; ě and š without it; 4 and 5 on the keypad.
lane.key("shift+plus", "shift+ecaron", "shift+scaron", "ecaron", "scaron", "KP_4", "KP_5")
lane.wait_for("the digits", lambda: len(lane.text_of(peak)) >= 5)
lane.check(lane.text_of(peak) == "12345", f"the Czech keys typed '{lane.text_of(peak)}'")
lane.shot("czech-digits")

lane.key("ctrl+Tab")
chart = tarif.find("chart", "Poplatky", within=window)
lane.wait_for("the results page", lambda: lane.has_state(chart, pyatspi.STATE_SHOWING))
bar = chart.getChildAtIndex(chart.childCount - 1)
width = lane.extents(bar)[2]
lane.key("plus")
lane.wait_for("the zoom", lambda: lane.extents(bar)[2] > width + 2)
lane.key("shift+eacute")
lane.wait_for("the whole chart", lambda: abs(lane.extents(bar)[2] - width) <= 1)
print("the Czech layout types digits and zooms")
