# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""A call list of three calendar months on a real display: the summary shows
them in the table "Po měsících", which a screen reader reads month by month
as tarif-cli usage --by-month prints them, the short months' days with what
their star stands for and each zone's minutes of the calendar month with one
decimal; Tab reaches the table after the other two and before the choices,
the arrows move inside it, and Vyplnit still fills the minutes of the whole
list."""

import calendar
import json
import os
import random
from decimal import ROUND_HALF_UP, Decimal

import pyatspi

import lane

MONTHS = ["září 2003", "říjen 2003", "listopad 2003"]
# The fields in the zone order of tarif-cli usage.
FIELDS = ["Pevná síť – Ve špičce", "Pevná síť – Mimo špičku", "Pevná síť – V noci",
          "Mobil Paegas – Ve špičce", "Mobil Paegas – Mimo špičku",
          "Mobil Eurotel – Ve špičce", "Mobil Eurotel – Mimo špičku"]

folder = lane.folder("call-list-months", sample=True)
# From Friday 26 September to Monday 3 November 2003, a few calls a day into
# every network, as an operator's export lists them: 5 days of September and
# 3 of November, both short, and the whole of October.
CALLS = os.path.join(folder, "tri-mesice.csv")
numbers = ["02/2421 5566", "05/4121 3344", "0603 112 233", "0604 556 677", "0602 345 678", "0601 998 877"]
draw = random.Random(2003)
with open(CALLS, "w", encoding="utf-8") as f:
    f.write("Datum;Čas;Volané číslo;Typ hovoru;Délka\n")
    for month, first, last in ((9, 26, 30), (10, 1, 31), (11, 1, 3)):
        for day in range(first, last + 1):
            for _ in range(draw.randint(1, 4)):
                seconds = draw.randint(20, 900)
                f.write(f"{day}.{month}.2003;{draw.randint(0, 23)}:{draw.randint(0, 59):02d};"
                        f"{draw.choice(numbers)};odchozí;{seconds // 60}:{seconds % 60:02d}\n")

usage = json.loads(lane.tarif_cli("usage", "--by-month", "--format", "json", CALLS))


def calendar_minutes(month, zone):
    """The zone's minutes of the calendar month as the summary writes them:
    the seconds / 60, a month covered in part at its pace to the month's end,
    to one decimal, halves up, with the regional decimal comma; checked
    against the four decimals of tarif-cli."""
    year, number = (int(part) for part in month["month"].split("-"))
    in_month = calendar.monthrange(year, number)[1]
    minutes = zone["seconds"] / 60
    if month["days"] != in_month:
        minutes = minutes * in_month / month["days"]
    lane.check(abs(minutes - zone["minutes"]) < 0.00005, f"{month['month']}: {minutes} against tarif-cli's {zone}")
    return str(Decimal(minutes).quantize(Decimal("0.1"), rounding=ROUND_HALF_UP)).replace(".", ",")


# What each row should read: the month, its days (a short one with what the
# star stands for) and the seven zones' minutes of the calendar month.
expected = []
for name, month in zip(MONTHS, usage["months"]):
    days = f"{month['days']}, méně než týden" if month["short"] else str(month["days"])
    expected.append([name, days] + [calendar_minutes(month, zone) for zone in month["zones"]])
lane.check([m["short"] for m in usage["months"]] == [True, False, True], f"tarif-cli gives {usage['months']}")
whole = [str(zone["monthlyMinutes"]) for zone in usage["zones"]]

lane.park_pointer()
tarif = lane.start("tarif", folder)
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
tarif.choose_call_list(CALLS)
summary = tarif.window("Minuty z výpisu hovorů")
table = tarif.find("table", "Po měsících", within=summary)


def rows():
    cells = [c.name for c in lane.descendants(table) if lane.role(c) == "table cell"]
    return [cells[i:i + 9] for i in range(0, len(cells), 9)]


def heads():
    return [h.name for h in lane.descendants(table) if lane.role(h) == "table column header"]


lane.wait_for("the months read", lambda: len(rows()) == 3)
lane.check(rows() == expected, f"the table reads {rows()}, tarif-cli {expected}")
zone_names = [c.name for c in lane.descendants(tarif.find("table", "Započtené hovory", within=summary))
              if lane.role(c) == "table cell"][0::4]
lane.check(heads() == ["Měsíc", "Dní"] + zone_names, f"the table's heads read {heads()}")
note = tarif.find("label", name_starts="* Měsíc, ze kterého", within=summary)
lane.check(lane.has_state(note, pyatspi.STATE_SHOWING), "the short months' note is not shown")
lane.settle()
lane.shot("months")


def focused():
    return [(lane.role(n), n.name) for n in lane.descendants(summary)
            if lane.role(n) != "table cell" and lane.has_state(n, pyatspi.STATE_FOCUSED)]


def current_cell():
    cells = [n.name for n in lane.descendants(table) if lane.role(n) == "table cell"
             and lane.has_state(n, pyatspi.STATE_FOCUSED)]
    return cells[0] if len(cells) == 1 else None


# From Vyplnit round to the month table: after the two other tables, before
# the choices.
lane.wait_for("Vyplnit focused", lambda: focused() == [("push button", "Vyplnit")])
for stop in [("push button", "Storno"), ("label", "tri-mesice.csv"), ("label", "26. 9. 2003 – 3. 11. 2003 (39 dní)"),
             ("label", str(usage["holidayCalls"])), ("table", "Započtené hovory"), ("table", "Nezapočtené hovory"),
             ("table", "Po měsících")]:
    lane.key("Tab")
    lane.wait_for(f"Tab to reach {stop}", lambda: focused() == [stop])
lane.wait_for("a current cell", lambda: current_cell() == "září 2003")
lane.key("Down", "Down")
lane.wait_for("the arrows to move inside the table", lambda: current_cell() == "listopad 2003")
lane.key("Tab")
lane.wait_for("Tab to leave the table for the choices", lambda: focused() == [("combo box", "Zaokrouhlení délky")])
lane.check(current_cell() is None, "a cell of the month table still reports the focus")
lane.key("shift+Tab")
lane.wait_for("Shift+Tab back to the month table, at its place", lambda: current_cell() == "listopad 2003")

tarif.click(tarif.find("push button", "Vyplnit", within=summary))
lane.wait_for("the summary to close", lambda: not lane.has_state(summary, pyatspi.STATE_SHOWING))
filled = [lane.text_of(tarif.find("spin button", name, within=window)) for name in FIELDS]
lane.check(filled == whole, f"Vyplnit filled {filled}, the whole list gives {whole}")
print("three months read as tarif-cli reads them; Vyplnit fills the whole list's", " ".join(filled))
