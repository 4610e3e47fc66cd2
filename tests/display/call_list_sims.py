# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""A business list of two SIMs in the call-list summary, as a screen reader
and the keyboard meet it: "Číslo:" is the stop after the file's name, named
by its label, reached by Alt+S too; the arrow keys read the other number's
calls, and the period and the figures follow."""

import os

import pyatspi

import lane

LIST = ("Číslo účastníka;Datum;Čas;Volané číslo;Délka\n"
        "603 222 333;2.5.2000;10:00;602123456;300\n"
        "602 111 222;2.5.2000;11:00;602123456;600\n"
        "+420 602 111 222;31.5.2000;10:00;602123456;600\n").encode()

folder = lane.folder("call-list-sims", sample=True, files={"firma.csv": LIST})
lane.park_pointer()
tarif = lane.start("tarif", folder)
tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
tarif.choose_call_list(os.path.join(folder, "firma.csv"))
summary = tarif.window("Minuty z výpisu hovorů")


def focused():
    return [(lane.role(n), n.name) for n in lane.descendants(summary)
            if lane.role(n) != "table cell" and lane.has_state(n, pyatspi.STATE_FOCUSED)]


def shown(role_name, name_starts):
    return [lane.text_of(n) for n in lane.descendants(summary)
            if lane.role(n) == role_name and lane.text_of(n).startswith(name_starts)]


NUMBER = ("combo box", "Číslo")
lane.wait_for("Vyplnit focused", lambda: focused() == [("push button", "Vyplnit")])
for stop in [("push button", "Storno"), ("label", "firma.csv"), NUMBER]:
    lane.key("Tab")
    lane.wait_for(f"Tab to reach {stop}", lambda: focused() == [stop])
lane.check(shown("combo box", "602") == ["602 111 222 (2 hovory)"], "the number with most calls read first")
lane.check(shown("label", "2. 5. 2000") == ["2. 5. 2000 – 31. 5. 2000 (30 dní)"], "its period")

lane.key("Down")
lane.wait_for("the other number read", lambda: shown("label", "2. 5. 2000") == ["2. 5. 2000 – 2. 5. 2000 (1 den)"])
lane.check(shown("combo box", "603") == ["603 222 333 (1 hovor)"], "the number chosen shown")

lane.key("shift+Tab")
lane.wait_for("Shift+Tab to the file's name", lambda: focused() == [("label", "firma.csv")])
lane.key("alt+s")
lane.wait_for("Alt+S to the number", lambda: focused() == [NUMBER])
print("The SIM is chosen in the summary by keyboard, named for a screen reader")
