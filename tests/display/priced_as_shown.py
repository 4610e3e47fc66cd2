# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""A minute field prices what it shows, under real X11 pastes: a spreadsheet
cell with its line end pasted with Ctrl+V, a count with thousands blanks
with Shift+Insert and with the middle button from the X selection, letters
refused with the field as it was; a count above the largest typed and the
results page opened with Ctrl+Tab becomes the largest, with its message,
before the fee run. Each time the chart reads the price of the number
shown."""

import pyatspi

import lane

# One tariff at 1 a minute into the fixed network at peak: its cost is the
# peak minutes.
TARIFFS = "verze 1\r\nprovider A\r\ntarif One\r\nsazba JTS 1 0\r\n".encode("cp1250")
LARGEST = "Největší počet minut, který lze zadat, je 2\u00a0147\u00a0483\u00a0647."

folder = lane.folder("priced", files={"tarif.ini": TARIFFS})
lane.park_pointer()
tarif = lane.start("tarif", folder)
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
peak = tarif.find("spin button", "Pevná síť – Ve špičce", within=window)
off_peak = tarif.find("spin button", "Pevná síť – Mimo špičku", within=window)
chart = tarif.find("chart", "Poplatky", within=window)


def cleared(field):
    tarif.click(field)
    lane.key("ctrl+a", "BackSpace")
    lane.wait_for(f"{field.name} empty", lambda: lane.text_of(field) == "")


def shows(field, text, what):
    lane.wait_for(f"{what}: '{text}' in {field.name}", lambda: lane.text_of(field) == text)


def priced():
    """The cost the chart shows for the one tariff, digits only."""
    lane.key("ctrl+Tab")
    lane.wait_for("the results page", lambda: lane.has_state(chart, pyatspi.STATE_SHOWING))
    bar = lane.wait_for("the tariff's bar", lambda: chart.childCount == 1 and chart.getChildAtIndex(0))
    name = bar.name
    # Back past the results page: the third page, "Volba tarifu", lies ahead.
    lane.key("ctrl+shift+Tab")
    lane.wait_for("the input page", lambda: lane.has_state(peak, pyatspi.STATE_SHOWING))
    return "".join(c for c in name.split(": ", 1)[1].split(",")[0] if c.isdigit())


def check_priced(field):
    cost = priced()
    lane.check(cost == lane.text_of(field), f"the field shows '{lane.text_of(field)}', the chart prices {cost}")


# A spreadsheet cell, its line end included.
cleared(peak)
lane.set_clipboard("41\r\n")
lane.key("ctrl+v")
shows(peak, "41", "a pasted cell")
check_priced(peak)

# Thousands blanks, pasted with Shift+Insert.
cleared(peak)
lane.set_clipboard(" 1 200 ")
lane.key("shift+Insert")
shows(peak, "1200", "a count with a thousands blank")
check_priced(peak)

# The X selection, pasted with the middle button.
cleared(peak)
lane.set_clipboard("3\u00a045", selection="PRIMARY")
x, y = lane.centre(peak)
lane.click_at(x, y, button=2)
shows(peak, "345", "the middle button's paste")
check_priced(peak)

# Letters: refused, the field as it was.
tarif.click(peak)
lane.key("ctrl+a")
lane.set_clipboard("abc")
lane.key("ctrl+v")
lane.settle()
lane.check(lane.text_of(peak) == "345", f"pasted letters left '{lane.text_of(peak)}'")

# Too many typed, the results page opened at once: the largest, its message,
# and that is what the fee run prices.
tarif.click(peak)
lane.key("ctrl+a")
lane.type_text("3000000000")
shows(peak, "3000000000", "the typed count")
lane.key("ctrl+Tab")
message = tarif.find("label", LARGEST)
lane.shot("largest-count")
lane.key("Return")
lane.wait_for("the message to close", lambda: not lane.has_state(message, pyatspi.STATE_SHOWING))
shows(peak, "2147483647", "the largest count")
lane.wait_for("the results page", lambda: lane.has_state(chart, pyatspi.STATE_SHOWING))
cost = "".join(c for c in chart.getChildAtIndex(0).name.split(": ", 1)[1].split(",")[0] if c.isdigit())
lane.check(cost == "2147483647", f"the chart prices {cost} for the largest count")
lane.shot("priced")
print("every paste and the largest count are priced as shown")
