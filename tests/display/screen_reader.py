# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""The calculator as a screen reader meets it through AT-SPI: the window is
a frame; the period list is named after its label and reads its choice as
its text; a minute field is a value in the range a field prices, stepped by
Increase and Decrease and set as typing the number and leaving the field
would (with the message for too large a count); the about box's links are
links with the action that follows them, out of the Tab order; and at every
Tab one control alone reports the focus."""

import pyatspi

import lane

LARGEST = "Největší počet minut, který lze zadat, je 2\u00a0147\u00a0483\u00a0647."

folder = lane.folder("screen-reader", sample=True)
lane.park_pointer()
tarif = lane.start("tarif", folder)
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
lane.check(lane.role(window) == "frame", f"the main window is a {lane.role(window)}, not a frame")

period = tarif.find("combo box", within=window)
lane.check(period.name == "Uvedené hodnoty jsou", f"the period list is named '{period.name}'")
lane.check(lane.text_of(period) == "měsíční", f"the period list reads '{lane.text_of(period)}'")

peak = tarif.find("spin button", "Pevná síť – Ve špičce", within=window)
value = peak.queryValue()
lane.check((value.minimumValue, value.maximumValue) == (0, 2147483647),
           f"a field's range is {value.minimumValue} to {value.maximumValue}")
lane.do_action(peak, "Increase")
lane.do_action(peak, "Increase")
lane.do_action(peak, "Decrease")
lane.wait_for("the steps", lambda: lane.text_of(peak) == "1")
lane.check(value.currentValue == 1, f"the field shows 1, its value is {value.currentValue}")
value.currentValue = 250
lane.wait_for("the value set", lambda: lane.text_of(peak) == "250")
value.currentValue = -4
lane.wait_for("a negative count left as 0", lambda: lane.text_of(peak) == "0")
value.currentValue = 3e9
message = tarif.find("label", LARGEST)
lane.key("Return")
lane.wait_for("the message to close", lambda: not lane.has_state(message, pyatspi.STATE_SHOWING))
lane.wait_for("the largest count", lambda: lane.text_of(peak) == "2147483647")
lane.check(peak.queryValue().currentValue == 2147483647, "the value does not follow the text")

for caption in ("E-mail: hovorix@example.org", "www.example.org/hovorix"):
    link = tarif.find(name=caption, within=window)
    lane.check(lane.role(link) == "link", f"'{caption}' is a {lane.role(link)}")
    actions = link.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    lane.check("Press" in names, f"'{caption}' has the actions {names}")
    lane.check(not lane.has_state(link, pyatspi.STATE_FOCUSABLE), f"'{caption}' is in the Tab order")

# Round the input page: one control reports the focus at each stop. The
# containers of the focused one (the page tabs around the tab shown) may say
# so too; a control the focus has left may not.


def focused_controls():
    focused = [n for n in lane.descendants(window) if lane.has_state(n, pyatspi.STATE_FOCUSED)]
    inner = [n for n in focused
             if not any(lane.has_state(d, pyatspi.STATE_FOCUSED) for d in lane.descendants(n)[1:])]
    return [(lane.role(n), n.name) for n in inner]


tarif.focus("^Hovorix pro Windows")
for _ in range(12):
    lane.key("Tab")
    lane.settle(0.15)
    lane.check(len(focused_controls()) == 1, f"after Tab these report the focus: {focused_controls()}")
lane.shot("screen-reader")
print("the window, the period list, the fields and the links read as they should")
