# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""The call-list summary by keyboard, as a screen reader follows it: Tab,
Shift+Tab and Ctrl+Tab go through its controls in reading order and come
back round, each table one stop with the arrows inside it; at every step
one control alone reports the focus, and no blank label is left to stop at."""

import os

import pyatspi

import lane

CALLS = os.path.join(lane.SOURCE, "data", "vypis-hovoru.csv")
# The stops after Vyplnit, which has the focus when the summary opens.
FORWARD = [("push button", "Storno"), ("label", "vypis-hovoru.csv"), ("label", "1. 5. 2000 – 31. 5. 2000 (31 dní)"),
           ("label", "3"), ("table", "Započtené hovory"), ("table", "Nezapočtené hovory"),
           ("combo box", "Zaokrouhlení délky"), ("check box", "svátky jako víkend"),
           ("radio button", "podle výpisu: 31"), ("push button", "Vyplnit"), ("push button", "Storno")]

folder = lane.folder("call-list-keys", sample=True)
lane.park_pointer()
tarif = lane.start("tarif", folder)
tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
tarif.choose_call_list(CALLS)
summary = tarif.window("Minuty z výpisu hovorů")


def focused():
    """The controls that report the focus, a table's current cell aside."""
    return [(lane.role(n), n.name) for n in lane.descendants(summary)
            if lane.role(n) != "table cell" and lane.has_state(n, pyatspi.STATE_FOCUSED)]


lane.wait_for("Vyplnit focused", lambda: focused() == [("push button", "Vyplnit")])


def walk(keys, expected):
    for stop in expected:
        lane.key(keys)
        lane.wait_for(f"{keys} to reach {stop}", lambda: focused() == [stop])


blank = [lane.role(n) for n in lane.descendants(summary) if lane.role(n) == "label" and not n.name]
lane.check(not blank, f"{len(blank)} blank labels in the summary")

walk("Tab", FORWARD)
walk("ctrl+Tab", FORWARD[1:3])
walk("shift+Tab", [FORWARD[1], FORWARD[0], ("push button", "Vyplnit")])
walk("ctrl+shift+Tab", [FORWARD[8], FORWARD[7]])

# Into the first table: the arrows move its current cell, Tab leaves it.
walk("shift+Tab", FORWARD[6:3:-1])
table = tarif.find("table", "Započtené hovory", within=summary)


def current_cell():
    cells = [n for n in lane.descendants(table) if lane.role(n) == "table cell"
             and lane.has_state(n, pyatspi.STATE_FOCUSED)]
    return cells[0].name if len(cells) == 1 else None


lane.wait_for("a current cell", current_cell)
lane.key("Down", "Down")
lane.wait_for("the arrows to move inside the table", lambda: current_cell() == "Pevná síť – v noci")
lane.shot("table-cell")
walk("Tab", [FORWARD[5]])
lane.check(current_cell() is None, "a cell of the table left still reports the focus")
lane.key("Escape")
lane.wait_for("the summary to close", lambda: not lane.has_state(summary, pyatspi.STATE_SHOWING))
print("Tab goes round the summary's controls, one stop each")
