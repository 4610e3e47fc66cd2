# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""Forty tariffs, more than the results page holds a line of text apart: the
chart scrolls, every bar in sight keeps a line of its own with its label and
cost, the keyboard walk and the wheel bring bars into view, zooming out comes
back to the bars scrolled to, and a screen reader finds each bar where it
stands on the screen."""

import pyatspi

import lane

COUNT = 40


def tariff_file(count):
    lines = ["verze 1"]
    for i in range(count):
        lines += ["", "provider " + ("PAEGAS" if i % 2 == 0 else "EUROTEL"), f"tarif Tarif {i}",
                  f"sluzba telefon {100 + 37 * i % 900}", "konec"]
    return ("\r\n".join(lines) + "\r\n").encode("cp1250")


folder = lane.folder("forty", files={"tarif.ini": tariff_file(COUNT)})
lane.park_pointer()
tarif = lane.start("tarif", folder)
tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
tarif.click(tarif.find("page tab", "Poplatky"))
chart = tarif.find("chart", "Poplatky")
lane.wait_for("the results page", lambda: lane.has_state(chart, pyatspi.STATE_SHOWING))
lane.park_pointer()
bars = [chart.getChildAtIndex(i) for i in range(chart.childCount)]
lane.check(len(bars) == COUNT, f"{len(bars)} bars for {COUNT} tariffs")
cx, cy, cw, ch = lane.extents(chart)


def in_view():
    return [i for i, bar in enumerate(bars) if lane.has_state(bar, pyatspi.STATE_SHOWING)]


def shown():
    """The bars in sight, checked to lie within the chart a line apart."""
    indexes = in_view()
    rows = [lane.extents(bars[i]) for i in indexes]
    for i, (x, y, w, h) in zip(indexes, rows):
        lane.check(cx <= x and x + w <= cx + cw and cy <= y and y + h <= cy + ch,
                   f"bar {i} at {(x, y, w, h)} lies outside the chart at {(cx, cy, cw, ch)}")
    for (_, above, _, _), (_, below, _, _) in zip(rows, rows[1:]):
        lane.check(below - above >= 12, f"bars stand {below - above} px apart, closer than a line of text")
    return indexes


first_page = shown()
lane.shot("forty-top")
lane.check(first_page[0] == 0 and 12 <= len(first_page) < COUNT,
           f"the top of the chart shows bars {first_page}")

# The keyboard walk brings the last bar into view, the wheel scrolls.
x, y = lane.centre(bars[first_page[-1]])
lane.click_at(cx + 5, y)
lane.key("End")
lane.wait_for("the last bar in view", lambda: in_view()[-1] == COUNT - 1)
shown()
lane.key("Escape")
lane.shot("forty-end")
lane.key("Home")
lane.wait_for("the first bar in view", lambda: in_view()[0] == 0)
lane.key("Escape")
lane.move_to(cx + cw // 2, cy + ch // 2)
lane.xdotool("click", 5)
lane.wait_for("the wheel to scroll", lambda: in_view()[0] > 0)
shown()

# Zoomed in and out again, the chart stays with the bars scrolled to.
lane.key("End")
lane.wait_for("the last bar in view", lambda: in_view()[-1] == COUNT - 1)
lane.key("Escape")
left, top, _, _ = lane.extents(bars[COUNT - 8])


def drag(start, end):
    lane.move_to(*start)
    lane.xdotool("mousedown", 1)
    lane.move_to((start[0] + end[0]) // 2, (start[1] + end[1]) // 2)
    lane.move_to(*end)
    lane.xdotool("mouseup", 1)


drag((left + 20, top), (left + 160, top + 80))
lane.wait_for("the zoom", lambda: len(in_view()) < len(first_page))
drag((left + 160, top + 80), (left + 20, top))
lane.wait_for("the zoom to end", lambda: len(in_view()) == len(first_page))
lane.park_pointer()
lane.check(shown() == list(range(COUNT - len(first_page), COUNT)),
           f"after zooming out the chart shows bars {shown()}, not the last {len(first_page)}")
lane.shot("forty-zoomed-out")
print("the forty bars scroll and each reads in a line of its own")
