# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""Minutes from a call list on a real display: Ctrl+O opens the file dialog;
a long list shows its progress, and cancelling it leaves everything as it
was and the window ready for the keyboard again; the sample call list brings
up the summary, which a screen reader reads zone by zone as tarif-cli usage
prints it, and Vyplnit puts the same monthly minutes into the seven fields,
per month."""

import csv
import io
import os

import pyatspi

import lane

CALLS = os.path.join(lane.SOURCE, "data", "vypis-hovoru.csv")
# The fields in the zone order of tarif-cli usage.
FIELDS = ["Pevná síť – Ve špičce", "Pevná síť – Mimo špičku", "Pevná síť – V noci",
          "Mobil Paegas – Ve špičce", "Mobil Paegas – Mimo špičku",
          "Mobil Eurotel – Ve špičce", "Mobil Eurotel – Mimo špičku"]

folder = lane.folder("call-list", sample=True)
# About 300 MB: a couple of seconds of reading.
LONG = os.path.join(folder, "dlouhy.csv")
with open(LONG, "wb") as f:
    f.write("Datum;Čas;Číslo;Délka\n".encode())
    rows = b"1.5.2000;10:00;0602123456;0:01:00\n" * 30000
    for _ in range(300):
        f.write(rows)
records = csv.reader(io.StringIO(lane.tarif_cli("usage", "--format", "csv", CALLS), newline=""))
expected = [row[4] for row in records if row[0] == "zone"]
lane.check(len(expected) == 7, f"tarif-cli usage gave {expected}")

lane.park_pointer()
tarif = lane.start("tarif", folder)
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")


tarif.choose_call_list(LONG)
# Found through X: the program answers a screen reader only between slices
# of reading.
tarif.x_window("^Minuty z výpisu hovorů$")
lane.shot("progress")
lane.key("Escape")
lane.wait_for("the progress to close", lambda: not tarif.x_windows("^Minuty z výpisu hovorů$"))
untouched = [lane.text_of(tarif.find("spin button", name, within=window)) for name in FIELDS]
lane.check(untouched == ["0"] * 7, f"cancelling the reading filled {untouched}")

tarif.choose_call_list(CALLS)

summary = tarif.window("Minuty z výpisu hovorů")
table = tarif.find("table", "Započtené hovory", within=summary)


def shown_minutes():
    cells = [c for c in lane.descendants(table) if lane.role(c) == "table cell"]
    return [cells[i].name for i in range(3, len(cells), 4)]


lane.wait_for("the zones' minutes", lambda: len(shown_minutes()) == 7)
lane.check(shown_minutes() == expected, f"the summary reads {shown_minutes()}, tarif-cli {expected}")
lane.shot("summary")
tarif.click(tarif.find("push button", "Vyplnit", within=summary))
lane.wait_for("the summary to close", lambda: not lane.has_state(summary, pyatspi.STATE_SHOWING))

filled = [lane.text_of(tarif.find("spin button", name, within=window)) for name in FIELDS]
lane.check(filled == expected, f"Vyplnit filled {filled}, tarif-cli gives {expected}")
# The period list, the one combo box of the window, is named after its
# label and reads its choice as its text.
period_list = tarif.find("combo box", within=window)
lane.check(period_list.name == "Uvedené hodnoty jsou", f"the period list is named '{period_list.name}'")
period = lane.text_of(period_list)
lane.check(period == "měsíční", f"the period list shows '{period}'")
lane.shot("filled")
print("the call list's minutes fill the fields as tarif-cli reads them:", " ".join(filled))
