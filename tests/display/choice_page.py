# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""The page "Volba tarifu" on a real display. Reached by a click on its tab
and by a screen reader pressing the tab, it is computed with the fees; its
sentence and its table, read through AT-SPI, say what tarif-cli choose says
for the same minutes, also after a range typed into "od" and "do" (with a
decimal comma and with a point) and another choice of "Měnit:"; a range
outside 0 to 100 typed into "do" brings the message and leaves "do" as it
was; Ctrl+C puts the tables on the X clipboard, also from "od" just reached
by Shift+Tab; "Zvětšit graf" opens the plot in a window of its own; and a
call list of three months given at start brings the months table, as
tarif-cli choose --by-month reads the list, its short last month named and
not counted."""

import json
import os

import pyatspi

import lane

NBSP = lane.NBSP
SENTENCE_START = "Při zadané spotřebě"
TABLE = "Nejlevnější tarif podle spotřeby"
# The fields, the minutes typed into them and the options of tarif-cli.
MINUTES = [("Pevná síť – Ve špičce", "120", "--jts"), ("Pevná síť – Mimo špičku", "40", "--jts-mimo"),
           ("Mobil Paegas – Ve špičce", "60", "--paegas"), ("Mobil Eurotel – Ve špičce", "25", "--eurotel")]


def scale(value, decimals=2):
    return f"{value:.{decimals}f}".replace(".", ",") + "×"


def short_scale(value, decimals=2):
    """A scale in a sentence: no trailing zeros."""
    return f"{value:.{decimals}f}".rstrip("0").rstrip(".").replace(".", ",") + "×"


def percent(value):
    return f"{value:.1f}".replace(".", ",") + NBSP + "%"


def cli_choice(*options):
    return json.loads(lane.tarif_cli("choose", *options, "--format", "json", os.path.join(folder, "tarif.ini")))


def cells_of(table):
    """The table's rows as a screen reader reads them, cell by cell."""
    cells = [c.name for c in lane.descendants(table) if lane.role(c) == "table cell"]
    columns = table.queryTable().nColumns
    return [cells[i:i + columns] for i in range(0, len(cells), columns)]


def compare(sentence, table, choice, route):
    """The sentence and the table against tarif-cli's answer."""
    one = choice["atOne"]
    said = [f"je nejlevnější {one['label']} ({lane.amount(one['cost'])}{NBSP}Kč měsíčně)"]
    less, more = round(100 - one["from"] * 100), round(one["to"] * 100 - 100)
    below, above = one["below"], one["above"]
    if not below and not above:
        said.append(f"v celém zvoleném rozsahu, od {short_scale(choice['from'], 4)} do {short_scale(choice['to'], 4)}")
    elif less == 0 and more == 0:
        said.append(f"Tarif {one['label']} je nejlevnější jen při zadané spotřebě; už při změně o 1{NBSP}% je "
                    "nejlevnější jiný.")
    else:
        if less > 0:
            said.append(f"ubude nejvýše o {less}{NBSP}%" if below else f"ubude až o {less}{NBSP}% (dolní mez")
        if more > 100:
            grown = short_scale(one["to"])
            said.append(f"přibude nejvýše na {grown} zadané spotřeby" if above
                        else f"přibude až na {grown} zadané spotřeby (horní mez")
        elif more > 0:
            said.append(f"přibude nejvýše o {more}{NBSP}%" if above else f"přibude až o {more}{NBSP}% (horní mez")
        if below and above and below["index"] == above["index"]:
            said.append(f"při menší i větší spotřebě je nejlevnější {below['label']}")
        else:
            if below:
                said.append(f"při menší spotřebě je nejlevnější {below['label']}")
            if above:
                said.append(f"{'při větší' if below else 'při větší spotřebě je nejlevnější'} {above['label']}")
    said.append(f"Druhý nejlevnější, {one['next']['label']}, stojí o {lane.amount(one['difference']['amount'])}{NBSP}Kč "
                f"({percent(one['difference']['percent'])}) víc.")

    def unsaid():
        return [part for part in said if part not in sentence.name]
    try:
        lane.wait_for(f"the sentence after {route}", lambda: not unsaid(), timeout=5)
    except lane.LaneFailure:
        lane.fail(f"after {route} the sentence '{sentence.name}' does not say {unsaid()} as tarif-cli does")

    expected = []
    for interval in choice["intervals"]:
        low, high = lane.amount(interval["costFrom"]), lane.amount(interval["costTo"])
        expected.append([scale(interval["from"]), scale(interval["to"]), interval["label"],
                         low if low == high else f"{low} – {high}"])
    try:
        lane.wait_for(f"the table after {route}", lambda: cells_of(table) == expected, timeout=5)
    except lane.LaneFailure:
        lane.fail(f"after {route} the table reads {cells_of(table)}, tarif-cli {expected}")


folder = lane.folder("choice-page", sample=True)
lane.park_pointer()
tarif = lane.start("tarif", folder)
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
input_tab = tarif.find("page tab", "Provolané minuty", within=window)
choice_tab = tarif.find("page tab", "Volba tarifu", within=window)
for name, minutes, _ in MINUTES:
    tarif.click(tarif.find("spin button", name, within=window))
    lane.key("ctrl+a")
    lane.type_text(minutes)
options = [item for _, minutes, option in MINUTES for item in (option, minutes)]

# A click on the tab.
tarif.click(choice_tab)
sentence = tarif.find("label", name_starts=SENTENCE_START, within=window)
table = tarif.find("table", TABLE, within=window)
lane.wait_for("the page", lambda: lane.has_state(table, pyatspi.STATE_SHOWING))
compare(sentence, table, cli_choice(*options), "a click on the tab")
lane.shot("page")

# Other minutes, then the tab pressed as a screen reader presses it.
tarif.click(input_tab)
peak = tarif.find("spin button", MINUTES[0][0], within=window)
lane.wait_for("the input page", lambda: lane.has_state(peak, pyatspi.STATE_SHOWING))
tarif.click(peak)
lane.key("ctrl+a")
lane.type_text("300")
options[1] = "300"
lane.do_action(choice_tab, "Press")
lane.wait_for("the page", lambda: lane.has_state(table, pyatspi.STATE_SHOWING))
sentence = tarif.find("label", name_starts=SENTENCE_START, within=window)
compare(sentence, table, cli_choice(*options), "the tab's accessible action")

# A range typed with the decimal comma and with a point, and only the fixed
# network varying.
for name, value in (("do", "1,5"), ("od", "0.8")):
    tarif.click(tarif.find("spin button", name, within=window))
    lane.key("ctrl+a")
    lane.type_text(value)
    lane.key("Tab")
varied = tarif.find("combo box", "Měnit", within=window)
tarif.click(varied)
tarif.click(tarif.find("list item", "jen pevnou síť"))
lane.wait_for("the fixed network chosen", lambda: lane.text_of(varied) == "jen pevnou síť")
sentence = tarif.find("label", name_starts=SENTENCE_START, within=window)
choice = cli_choice(*options, "--from", "0,8", "--to", "1,5", "--vary", "jts")
compare(sentence, table, choice, "the range 0,8 to 1,5 of the fixed network")
lane.shot("range")

# "150" into "do": the message, and "do" as it was.
upper = tarif.find("spin button", "do", within=window)
tarif.click(upper)
lane.key("ctrl+a")
lane.type_text("150")
lane.key("Return")
box = lane.message_box(tarif, "Rozsah musí splňovat 0 ≤ od < do ≤ 100.")
lane.shot("range-refused")
lane.press_enter_in(tarif, box, "^Hovorix pro Windows$")
lane.wait_for("'do' as it was", lambda: lane.text_of(upper) == "1,50×")
compare(sentence, table, choice, "a refused range")

# Shift+Tab from "do" selects all of "od"; Ctrl+C copies the tables still.
tarif.click(upper)
lane.key("shift+Tab")
lane.wait_for("'od' focused", lambda: lane.has_state(tarif.find("spin button", "od", within=window),
                                                     pyatspi.STATE_FOCUSED))
lane.set_clipboard("before")
lane.key("ctrl+c")
copied = lane.wait_for("the copied tables", lambda: (lane.clipboard_text() or "").startswith(TABLE) and
                       lane.clipboard_text())
lane.check(len(copied.splitlines()) == 2 + len(choice["intervals"]), f"Ctrl+C in 'od' copied {copied!r}")

# On from "do" with Tab: the plot, "Zvětšit graf", the table, each scrolled
# into sight; Ctrl+C in the table.
tarif.click(tarif.find("spin button", "do", within=window))
plot = tarif.find("chart", "Graf ceny podle spotřeby", within=window)
button = tarif.find("push button", "Zvětšit graf", within=window)
for stop in (plot, button, table):
    lane.key("Tab")
    lane.wait_for(f"Tab to reach {stop.name}", lambda: lane.has_state(stop, pyatspi.STATE_FOCUSED))
x, y, width, height = lane.extents(table)
lane.check(lane.extents(window)[1] < y < lane.extents(window)[1] + 387, f"the focused table is at {y}, out of sight")
lane.key("ctrl+c")
copied = lane.wait_for("the copied tables", lambda: lane.clipboard_text())
rows = copied.splitlines()
lane.check(rows[0] == TABLE and len(rows) == 2 + len(choice["intervals"]),
           f"Ctrl+C copied {copied!r}")
lane.check(rows[2].split("\t")[2] == choice["intervals"][0]["label"], f"Ctrl+C copied {copied!r}")

# "Zvětšit graf": the same plot in a window of its own, which Escape closes.
lane.key("shift+Tab")
lane.wait_for("Zvětšit graf focused", lambda: lane.has_state(button, pyatspi.STATE_FOCUSED))
lane.key("space")
large = tarif.window("Volba tarifu – graf")
large_plot = tarif.find("chart", "Graf ceny podle spotřeby", within=large)
lane.check(large_plot.description == plot.description and plot.description.startswith("Měsíční cena"),
           f"the large plot says '{large_plot.description}', the page's '{plot.description}'")
x, y, width, height = lane.extents(large)
lane.check(width > 404 and height > 387, f"the large plot's window is {width} x {height}")
lane.shot("large-plot")
tarif.focus("^Volba tarifu – graf$")
lane.key("Escape")
lane.wait_for("the large plot to close", lambda: not tarif.x_windows("^Volba tarifu – graf$"))
tarif.request_close("^Hovorix pro Windows")
lane.check(tarif.wait_exit() == 0, "tarif did not end cleanly")

# A call list of three months, the last one 5 days of June, short, given at
# start.
calls = os.path.join(folder, "tri-mesice.csv")
with open(calls, "w", encoding="utf-8", newline="") as f:
    f.write("Datum;Čas;Volané číslo;Služba;Délka\r\n"
            "01.04.2000;09:00:00;0602 111 222;Příchozí hovor;0:01:00\r\n"
            "03.04.2000;10:00:00;02/2421 5566;Odchozí hovor;1:00:00\r\n"
            "02.05.2000;10:00:00;0602 345 678;Odchozí hovor;5:10:00\r\n"
            "01.06.2000;19:30:00;0601 998 877;Odchozí hovor;0:30:00\r\n"
            "05.06.2000;09:00:00;0602 111 222;Příchozí hovor;0:01:00\r\n")
tarif = lane.start("tarif", folder, args=("--calls", calls))
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
tarif.click(tarif.find("page tab", "Volba tarifu", within=window))
months = tarif.find("table", "Po měsících – tri-mesice.csv", within=window)
lane.wait_for("the months", lambda: lane.has_state(months, pyatspi.STATE_SHOWING))
choice = cli_choice("--calls", calls, "--by-month")
expected = []
for month in choice["months"]:
    shown = cells_of(months)[len(expected)]
    lane.check(shown[1].split(" z ")[0] == str(month["days"]) and shown[2] == month["label"]
               and shown[3] == lane.amount(month["cost"]), f"{month['month']}: the table reads {shown}, tarif-cli {month}")
    expected.append(shown)
period = choice["period"]
total = cells_of(months)[-1]
lane.check(total[0] == "Celé období" and total[2] == period["label"] and total[3] == lane.amount(period["cost"]),
           f"the period reads {total}, tarif-cli {period}")
said = tarif.find("label", name_starts="Podle výpisu hovorů", within=window).name
lane.check(f"nejlevnější {period['label']} (celkem {lane.amount(period['cost'])}{NBSP}Kč)" in said
           or f"je {period['label']} nejlevnější" in said, f"the months sentence '{said}' against {period}")
# June is in the table and the period, but not among the months compared.
lane.check([month["short"] for month in choice["months"]] == [False, False, True] and period["monthsCounted"] == 2,
           f"tarif-cli gives {choice['months']}, {period}")
lane.check(f" {period['monthsCounted']} měsíc" in said and said.endswith(" (krátké měsíce se nepočítají: červen 2000)."),
           f"the months sentence '{said}' does not leave June out")
compare(tarif.find("label", name_starts=SENTENCE_START, within=window),
        tarif.find("table", TABLE, within=window), cli_choice("--calls", calls), "a call list given at start")
lane.shot("months")
print("the page reads as tarif-cli choose after a click, a screen reader's press, a typed range and a call list")
