# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""Both programs over one tariff file: a tariff added and saved in Cenikar is
priced by tarif, and every way of leaving the input page for the results page
(a click on the tab, Ctrl+Tab, Ctrl+Shift+Tab round the three pages by way of
"Volba tarifu", a screen reader pressing the tab) runs the fee run first, so
the chart reads as tarif-cli prices the same file."""

import os
import re

import pyatspi

import lane

folder = lane.folder("round-trip", sample=True)
lane.park_pointer()

# Cenikar: add a tariff and save the file.
editor = lane.start("Cenikar", folder)
editor.window(f"{lane.EDITOR_CAPTION} - [tarif.ini]")
editor.focus("^Cenikar")
editor.click(editor.find("push button", "Přidej..."))
dialog = editor.window("Podrobné informace")
lane.type_text("OSKAR")
for name, value in (("Název tarifu:", "Go"), ("Měsíční paušál telefon:", "199"),
                    ("Pevná síť – Ve špičce: poplatek za minutu", "2,5")):
    editor.click(editor.find("text", name, within=dialog))
    lane.key("ctrl+a")
    lane.type_text(value)
lane.shot("new-tariff")
editor.click(editor.find("push button", "OK", within=dialog))
editor.find("list item", "OSKAR-Go")
editor.click(editor.find("push button", "Ulož soubor"))
editor.request_close("^Cenikar")
lane.check(editor.wait_exit() == 0, "Cenikar did not end cleanly after saving")

# tarif on the same file.
tarif = lane.start("tarif", folder)
tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
peak = tarif.find("spin button", "Pevná síť – Ve špičce")
chart = tarif.find("chart", "Poplatky")
input_tab = tarif.find("page tab", "Provolané minuty")
results_tab = tarif.find("page tab", "Poplatky")


def enter_minutes(minutes):
    tarif.click(peak)
    lane.key("ctrl+a")
    lane.type_text(str(minutes))
    lane.wait_for(f"{minutes} minutes", lambda: lane.text_of(peak) == str(minutes))


def on_results(showing):
    lane.wait_for("the results page" if showing else "the input page",
                  lambda: lane.has_state(chart, pyatspi.STATE_SHOWING) == showing)


def compare(minutes, route):
    on_results(True)
    cli = lane.tarif_cli("costs", "--jts", str(minutes), os.path.join(folder, "tarif.ini"))
    expected = [": ".join(re.split(r" {2,}", line.strip(), maxsplit=1)) for line in cli.splitlines() if line.strip()]
    shown = [chart.getChildAtIndex(i).name for i in range(chart.childCount)]
    lane.check(shown == expected, f"after {route} with {minutes} minutes the chart reads {shown}, tarif-cli {expected}")
    lane.check(any(bar.startswith("OSKAR-Go: ") for bar in shown), "the tariff added in Cenikar is not on the chart")


enter_minutes(100)
tarif.click(results_tab)
compare(100, "a click on the tab")
lane.shot("results-100")

lane.key("ctrl+shift+Tab")
on_results(False)
enter_minutes(200)
lane.key("ctrl+Tab")
compare(200, "Ctrl+Tab")

# Three pages: Ctrl+Tab goes on to "Volba tarifu" and round to the input
# page; Ctrl+Shift+Tab goes back from it to "Volba tarifu", computing the
# fees as it leaves the input page, and on to the results.
choice_tab = tarif.find("page tab", "Volba tarifu")
lane.key("ctrl+Tab")
lane.wait_for("Volba tarifu", lambda: lane.has_state(choice_tab, pyatspi.STATE_SELECTED))
lane.key("ctrl+Tab")
lane.wait_for("the input page", lambda: lane.has_state(peak, pyatspi.STATE_SHOWING))
enter_minutes(300)
lane.key("ctrl+shift+Tab")
lane.wait_for("Volba tarifu", lambda: lane.has_state(choice_tab, pyatspi.STATE_SELECTED))
lane.key("ctrl+shift+Tab")
compare(300, "Ctrl+Shift+Tab by way of Volba tarifu")

tarif.click(input_tab)
on_results(False)
enter_minutes(400)
lane.do_action(results_tab, "Press")
compare(400, "the tab's accessible action")
lane.shot("results-400")
print("the chart reads as tarif-cli after every way to the results page")
