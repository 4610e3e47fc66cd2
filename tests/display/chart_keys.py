# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""The results page by keyboard: right after the tab is clicked, Ctrl+C
copies the results and "+", "-" and "0" zoom the cost axis; the chart's
description names five of the cheapest and how many more; and a tariff file
without tariffs says so where the chart would be."""

import pyatspi

import lane


def tariff_file(costs):
    lines = ["verze 1"]
    for i, cost in enumerate(costs):
        lines += [f"provider P{i}", "tarif T", f"sluzba telefon {cost}"]
    return ("\r\n".join(lines) + "\r\n").encode("cp1250")


COSTS = [100] * 7 + [400]
folder = lane.folder("chart-keys", files={"tarif.ini": tariff_file(COSTS)})
lane.park_pointer()
tarif = lane.start("tarif", folder)
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
tarif.click(tarif.find("page tab", "Poplatky", within=window))
chart = tarif.find("chart", "Poplatky", within=window)
lane.wait_for("the results page", lambda: lane.has_state(chart, pyatspi.STATE_SHOWING))
lane.park_pointer()
lane.check(chart.description == "Nejlevnější: P0-T, P1-T, P2-T, P3-T, P4-T a 2 další (100,00)",
           f"the chart is described as '{chart.description}'")

lane.key("ctrl+c")
expected = "".join(f"P{i}-T\t{cost},00\n" for i, cost in enumerate(COSTS))
lane.wait_for("the results in the clipboard", lambda: lane.clipboard_text() == expected)

bar = chart.getChildAtIndex(0)
width = lane.extents(bar)[2]


def bar_width(factor, what):
    lane.wait_for(f"{what}: the first bar {factor} times as wide",
                  lambda: abs(lane.extents(bar)[2] - factor * width) <= 2)


lane.key("plus")
bar_width(2, "+")
lane.key("KP_Add")
bar_width(4, "the keypad's +")
lane.shot("zoomed")
lane.key("minus")
bar_width(2, "-")
lane.key("0")
bar_width(1, "0")

# A file without tariffs: said where the chart would be.
tarif.request_close("^Hovorix pro Windows")
tarif.wait_exit()
empty = lane.folder("no-tariffs", files={"tarif.ini": b"verze 2\r\n"})
tarif = lane.start("tarif", empty)
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
tarif.click(tarif.find("page tab", "Poplatky", within=window))
chart = tarif.find("chart", "Poplatky", within=window)
lane.wait_for("the results page", lambda: lane.has_state(chart, pyatspi.STATE_SHOWING))
lane.park_pointer()
lane.check(chart.description == "Soubor tarif.ini neobsahuje žádné tarify.",
           f"a file without tariffs is described as '{chart.description}'")
lane.shot("no-tariffs")
print("the chart copies, zooms and describes by keyboard")
