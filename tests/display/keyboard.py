# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""Cenikar by keyboard alone, with real X11 keys, read as a screen reader
reads it: Tab into the list, the first Down selects the first tariff,
Ctrl+Down and Ctrl+Up move it, Delete asks and Enter keeps it, Ctrl+N adds a
tariff that comes selected (its fee pasted from the X selection with the
middle button, tidied), Ctrl+S saves, Ctrl+Shift+S opens its dialog, Ctrl+O
opens a file by its name typed while the dialog's completion list shows and
nothing of the dialog stays to take the keys after it, Ctrl+Q closes. The window is a frame, the
operator box goes by its label, and no row claims the focus once the focus
has left the list."""

import re

import pyatspi

import lane

BOX = "^Cenikar - editor ceníku projektu Hovorix$"  # the title of the editor's message boxes
MAIN = f"^{re.escape(lane.EDITOR_CAPTION)} - \\[tarif\\.ini\\]$"

lane.park_pointer()
with open(lane.SAMPLE, "rb") as sample_file:
    backup = sample_file.read()
folder = lane.folder("keyboard", sample=True, files={"zaloha.ini": backup})
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
# The X selection pasted with the middle button is tidied and typed in.
phone = editor.find("text", "Měsíční paušál telefon:", within=dialog)
editor.click(phone)
lane.key("ctrl+a", "BackSpace")
lane.set_clipboard(" 1 234.5\n", selection="PRIMARY")
editor.click(phone, button=2)
lane.wait_for("the middle button's paste", lambda: lane.text_of(phone) == "1234,5")
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
lane.check(b"\r\nsluzba telefon 1234,5\r\n" in lane.file_bytes(folder), "the pasted fee was not saved")

editor.focus(MAIN)
lane.key("ctrl+shift+s")
files = editor.window("Vyberte jméno konfiguračního souboru")
editor.focus("^Vyberte jméno konfiguračního souboru$")
lane.key("Escape")
lane.wait_for("the save dialog to close", lambda: not lane.has_state(files, pyatspi.STATE_SHOWING))

# The name typed in full, its completion list showing, and Enter.
editor.focus(MAIN)
lane.key("ctrl+o")
files = editor.window("Vyberte konfigurační soubor")
editor.focus("^Vyberte konfigurační soubor$")
lane.type_text("zaloha.ini")
lane.wait_for("the completion list", lambda: len(editor.x_windows("")) == 3)
lane.shot("open-completion")
lane.key("Return")
opened = r" - \[.*/zaloha\.ini\]$"
lane.wait_for("the typed file open", lambda: editor.x_windows(opened))
editor.focus(opened)
version_box = editor.find("text", "Číslo verze souboru:")
lane.wait_for("the focus back in the version box", lambda: lane.has_state(version_box, pyatspi.STATE_FOCUSED))
lane.key("Tab")
lane.wait_for("Tab to reach \"Otevři soubor...\"",
              lambda: lane.has_state(editor.find("push button", "Otevři soubor..."), pyatspi.STATE_FOCUSED))
lane.key("ctrl+s")
lane.wait_for("Ctrl+S to save the opened file", lambda: lane.file_bytes(folder, "zaloha.ini") != backup)
lane.check(len(editor.x_windows("")) == 1, "a window of the open dialog stayed after it closed")

lane.key("ctrl+q")
lane.check(editor.wait_exit() == 0, "Ctrl+Q did not close the saved editor")
lane.check_file(folder, "11 tariffs, data version 2000.11")
lane.check_file(folder, "10 tariffs, data version 2000.11", name="zaloha.ini")
print("the editor went by keys alone, and a screen reader read it right")
