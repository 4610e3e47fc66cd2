# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""The current tariff on "Volba tarifu" on a real display, by keyboard alone:
Tab from the page tabs reaches "Váš současný tarif:", scrolled into view and
named for a screen reader; Down picks a tariff that is not the cheapest,
Tab goes on to "Jednorázové náklady přechodu (Kč)", where a cost is typed.
The sentence, read through AT-SPI, gives what tarif-cli choose --current
--switch-cost gives in JSON: the costs, the saving a month and a year, how
far the cheapest stays cheaper and the months a switch takes to pay."""

import json
import math
import os

import pyatspi

import lane

NBSP = lane.NBSP
MINUTES = [("Pevná síť – Ve špičce", "120"), ("Pevná síť – Mimo špičku", "40"),
           ("Mobil Paegas – Ve špičce", "60"), ("Mobil Eurotel – Ve špičce", "25")]
OPTIONS = ["--jts", "120", "--jts-mimo", "40", "--paegas", "60", "--eurotel", "25"]
SWITCH_COST = "500"


def cli_choice(current):
    return json.loads(lane.tarif_cli("choose", *OPTIONS, "--current", str(current), "--switch-cost", SWITCH_COST,
                                     "--format", "json", os.path.join(folder, "tarif.ini")))


def expected_parts(choice):
    """What the sentence must say, as the calculator words tarif-cli's figures."""
    current = choice["current"]
    cheapest = choice["atOne"]
    parts = [f"Se současným tarifem {current['label']} platíte {lane.amount(current['cost'])}{NBSP}Kč měsíčně.",
             f"Nejlevnější {cheapest['label']} stojí {lane.amount(cheapest['cost'])}{NBSP}Kč: ušetříte "
             f"{lane.amount(current['saving'])}{NBSP}Kč měsíčně, {lane.amount(current['yearlySaving'])}{NBSP}Kč ročně."]
    low, high = current["cheaperFrom"], current["cheaperTo"]
    to_start, to_end = low <= choice["from"], high >= choice["to"]
    if to_start and to_end:
        parts.append(f"{cheapest['label']} zůstává levnější než váš tarif v celém zvoleném rozsahu")
    else:
        # Whole percent, rounded inward.
        less = 100 - math.ceil(round(low * 100, 6))
        more = math.floor(round(high * 100, 6)) - 100
        if less > 0:
            parts.append(f"ubude až o {less}{NBSP}% (dolní mez rozsahu)" if to_start
                         else f"ubude nejvýše o {less}{NBSP}%")
        if 0 < more <= 100:
            parts.append(f"přibude až o {more}{NBSP}% (horní mez rozsahu)" if to_end
                         else f"přibude nejvýše o {more}{NBSP}%")
    months = current["breakEvenMonths"]
    word = "měsíc" if months == 1 else "měsíce" if months <= 4 else "měsíců"
    parts.append(f"Přechod se vyplatí za {months:.0f} {word}.")
    return parts


folder = lane.folder("current-tariff", sample=True)
data_home = os.path.join(lane.SCRATCH, "data-home")
environment = {"XDG_DATA_HOME": data_home}
# A tariff of the file that is not the cheapest at these minutes, one the
# cheapest is cheaper than only within the range where there is one.
choices = [cli_choice(i) for i in range(10)]
saving = [i for i in range(10) if choices[i]["current"]["saving"] > 0]
within = [i for i in saving if choices[i]["current"]["cheaperFrom"] > choices[i]["from"] or
          choices[i]["current"]["cheaperTo"] < choices[i]["to"]]
current = (within or saving)[0]
choice = choices[current]

lane.park_pointer()
tarif = lane.start("tarif", folder, env=environment)
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
for name, minutes in MINUTES:
    tarif.click(tarif.find("spin button", name, within=window))
    lane.key("ctrl+a")
    lane.type_text(minutes)
tarif.click(tarif.find("page tab", "Volba tarifu", within=window))

# On with Tab, after the sentence, to the combo.
combo = tarif.find("combo box", "Váš současný tarif", within=window)
for _ in range(3):
    lane.key("Tab")
    lane.settle(0.2)
    if lane.has_state(combo, pyatspi.STATE_FOCUSED):
        break
lane.wait_for("the combo focused", lambda: lane.has_state(combo, pyatspi.STATE_FOCUSED), timeout=2)
lane.check(lane.has_state(combo, pyatspi.STATE_SHOWING) and lane.text_of(combo) == "neuvedeno",
           f"the combo reads '{lane.text_of(combo)}'")
for _ in range(current + 1):
    lane.key("Down")
lane.wait_for("the tariff picked", lambda: lane.text_of(combo) == choice["current"]["label"])
lane.key("Tab")
cost = tarif.find("spin button", "Jednorázové náklady přechodu (Kč)", within=window)
lane.wait_for("the switching cost focused", lambda: lane.has_state(cost, pyatspi.STATE_FOCUSED))
lane.type_text(SWITCH_COST)
lane.key("Tab")

sentence = tarif.find("label", name_starts="Se současným tarifem", within=window)
parts = expected_parts(choice)
try:
    lane.wait_for("the sentence", lambda: all(part in sentence.name for part in parts), timeout=5)
except lane.LaneFailure:
    lane.fail(f"the sentence '{sentence.name}' does not say {[p for p in parts if p not in sentence.name]}, "
              f"as tarif-cli's {choice['current']} gives it")
lane.shot("current-tariff")
tarif.request_close("^Hovorix pro Windows")
lane.check(tarif.wait_exit() == 0, "tarif did not end cleanly")
print("the current tariff, picked by keyboard, reads as tarif-cli choose --current says")
