# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""Cenikar by keyboard alone, with real X11 keys, read as a screen reader
reads it: Tab into the list, the first Down selects the first tariff,
Ctrl+Down and Ctrl+Up move it, Delete asks and Enter keeps it, Ctrl+N adds a
tariff that comes selected, Ctrl+S saves, Ctrl+O and Ctrl+Shift+S open their
dialogs, Ctrl+Q closes. The window is a frame, the operator box goes by its
label, and no row claims the focus once the focus has left the list."""

import re

import pyatspi

import lane

BOX = "^Cenikar - editor ceníku projektu Hovorix$"  # the title of the editor's message boxes
MAIN = f"^{re.escape(lane.EDITOR_CAPTION)} - \\[tarif\\.ini\\]$"

lane.park_pointer()
folder = lane.folder("keyboard", sample=True)
editor = lane.start("Cenikar", folder)
window = editor.window(f"{lane.EDITOR_CAPTION} - [tarif.ini]")
lane.check(window.getRoleName() == "frame", f"the main window is a {window.getRoleName()}, not a frame")
the_list = editor.find("list", "Uložené tarify:")


def rows():
    return editor.find_all("list item", within=the_list)


def names():
    return [row.name for row in rows()]


def selected():
    return [i for i, row in enumerate(rows()) if lane.has_state(row, pyatspi.STATE_SELECTED)]


def focused_rows():
    return [row.name for row in rows() if lane.has_state(row, pyatspi.STATE_FOCUSED)]


def enabled(name):
    return lane.has_state(editor.find("push button", name), pyatspi.STATE_ENABLED)


sample = names()
editor.focus(MAIN)
# The focus starts on "Přidej..."; Tab passes the disabled "Smaž..." to the list.
lane.key("Tab")
lane.wait_for("the list to have the focus", lambda: lane.has_state(the_list, pyatspi.STATE_FOCUSED))
lane.key("Down")
lane.wait_for("the first tariff selected", lambda: selected() == [0])
lane.check(enabled("Uprav...") and enabled("Smaž..."), "the row buttons are off after Down")

lane.key("ctrl+Down")
lane.wait_for("the first tariff one place down", lambda: names()[:2] == [sample[1], sample[0]] and selected() == [1])
lane.key("ctrl+Up")
lane.wait_for("the tariff back on top", lambda: names() == sample and selected() == [0])

lane.key("Delete")
question = lane.message_box(editor, f'Opravdu smazat tarif "{sample[0]}" ?')
lane.shot("delete-question")
lane.press_enter_in(editor, question, BOX)
lane.check(names() == sample, "Delete and Enter deleted a tariff")

editor.focus(MAIN)
lane.key("ctrl+n")
dialog = editor.window("Podrobné informace")
provider = editor.find("combo box", "Operátor:", within=dialog)
lane.check(lane.text_of(editor.find("text", "Operátor:", within=provider)) == "NEDEFINOVÁN",
           "the operator box of a new tariff does not hold NEDEFINOVÁN")
editor.focus("^Podrobné informace$")
lane.key("Return")
lane.wait_for("the new tariff, selected", lambda: len(rows()) == 11 and selected() == [10])
new_row = rows()[10]
lane.check(lane.has_state(new_row, pyatspi.STATE_SHOWING), "the new tariff is out of sight")
lane.check(enabled("Uprav...") and enabled("Smaž..."), "the row buttons are off after an add")
lane.shot("tariff-added")

editor.focus(MAIN)
editor.click(editor.find("text", "Číslo verze souboru:"))
lane.wait_for("the version box to have the focus",
              lambda: lane.has_state(editor.find("text", "Číslo verze souboru:"), pyatspi.STATE_FOCUSED))
lane.check(focused_rows() == [], f"rows claim the focus the list has not: {focused_rows()}")
lane.key("ctrl+s")
lane.wait_for("the save", lambda: lane.file_bytes(folder).count(b"\r\nprovider ") == 11)

for keys, title in (("ctrl+o", "Vyberte konfigurační soubor"),
                    ("ctrl+shift+s", "Vyberte jméno konfiguračního souboru")):
    editor.focus(MAIN)
    lane.key(keys)
    files = editor.window(title)
    editor.focus(f"^{title}$")
    lane.key("Escape")
    lane.wait_for(f"the dialog '{title}' to close", lambda: not lane.has_state(files, pyatspi.STATE_SHOWING))

editor.focus(MAIN)
lane.key("ctrl+q")
lane.check(editor.wait_exit() == 0, "Ctrl+Q did not close the saved editor")
lane.check_file(folder, "11 tariffs, data version 2000.11")
print("the editor went by keys alone, and a screen reader read it right")
