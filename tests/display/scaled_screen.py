# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
# screen: 1280x1024
"""The calculator scaled twice on a 1280 x 1024 screen (QT_SCALE_FACTOR=2):
a ten-digit count shows whole in its field once the field is left, and the
call-list summary, too large for the screen, stays on it with its buttons
in sight while its content scrolls to the control Tab reaches. Sizes
through AT-SPI are in the scaled pixels, so this scenario uses the
keyboard only."""

import os

import pyatspi

import lane

CALLS = os.path.join(lane.SOURCE, "data", "vypis-hovoru.csv")
SCREEN = (1280 // 2, 1024 // 2)

folder = lane.folder("scaled", sample=True)
tarif = lane.start("tarif", folder, env={"QT_SCALE_FACTOR": "2"})
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
peak = tarif.find("spin button", "Pevná síť – Ve špičce", within=window)

# From the page tabs to the first field, which selects its text.
lane.key("Tab")
lane.wait_for("the first field focused", lambda: lane.has_state(peak, pyatspi.STATE_FOCUSED))
lane.type_text("2147483647")
lane.key("Tab")
lane.wait_for("the field left", lambda: not lane.has_state(peak, pyatspi.STATE_FOCUSED))
lane.settle()
x, y, width, height = lane.extents(peak)
text = peak.queryText()
first = text.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)
last = text.getCharacterExtents(9, pyatspi.DESKTOP_COORDS)
lane.check(first[0] >= x and last[0] + last[2] <= x + width,
           f"the digits run from {first[0]} to {last[0] + last[2]}, the field from {x} to {x + width}")
lane.shot("ten-digits")

tarif.choose_call_list(CALLS)
summary = tarif.window("Minuty z výpisu hovorů")
lane.settle()
sx, sy, sw, sh = lane.extents(summary)
lane.check(sx >= 0 and sy >= 0 and sx + sw <= SCREEN[0] and sy + sh <= SCREEN[1],
           f"the summary at {(sx, sy, sw, sh)} does not fit the screen of {SCREEN}")
for name in ("Vyplnit", "Storno"):
    bx, by, bw, bh = lane.extents(tarif.find("push button", name, within=summary))
    lane.check(sx <= bx and bx + bw <= sx + sw and sy <= by and by + bh <= sy + sh,
               f"{name} at {(bx, by, bw, bh)} lies outside the summary at {(sx, sy, sw, sh)}")
bars = [b for b in lane.descendants(summary) if lane.role(b) == "scroll bar" and lane.has_state(b, pyatspi.STATE_SHOWING)]
lane.check(bars, "the summary's content does not scroll")
lane.shot("summary")

# Tab on to the second table, below the first: it scrolls into view.
table = tarif.find("table", "Nezapočtené hovory", within=summary)
lane.key(*["Tab"] * 6)
lane.wait_for("the second table focused", lambda: lane.has_state(table, pyatspi.STATE_FOCUSED))
lane.settle()
tx, ty, tw, th = lane.extents(table)
lane.check(sy <= ty < sy + sh, f"the second table at {(tx, ty, tw, th)} is out of sight in {(sx, sy, sw, sh)}")
lane.shot("summary-scrolled")
lane.key("Escape")
print("scaled twice, the field and the summary fit the screen")
