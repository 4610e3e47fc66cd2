# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""Two editors on one tariff file, and a file renamed away, answered as a
hurried user answers: Enter on every question. The first editor reads the
second's save again when the user comes back to it; with a change of its
own it never saves over the second's work; a file gone meanwhile is
reported and not made again. Keys and clicks are real X11 input."""

import os
import re

import lane

BOX = "^Cenikar - editor ceníku projektu Hovorix$"  # the title of the editor's message boxes
MAIN = f"^{re.escape(lane.EDITOR_CAPTION)} - \\[tarif\\.ini\\]$"


def rows(editor):
    return [n.name for n in editor.find_all("list item", within=editor.find("list", "Uložené tarify:"))]


def wait_rows(editor, count, what):
    lane.wait_for(f"{what}: {count} tariffs", lambda: len(rows(editor)) == count)


def tariffs_in_file(folder):
    path = os.path.join(folder, "tarif.ini")
    return lane.file_bytes(folder).count(b"\r\nprovider ") if os.path.exists(path) else None


def delete_first_and_save(editor, folder, left):
    """The second user deletes the first tariff on purpose ("Ano") and saves."""
    editor.focus(MAIN)
    editor.click(editor.find_all("list item", within=editor.find("list", "Uložené tarify:"))[0])
    lane.key("Delete")
    box = editor.find("alert", name_starts="")
    editor.click(editor.find("push button", "Ano", within=box))
    wait_rows(editor, left, "the second editor after its delete")
    editor.focus(MAIN)
    lane.key("ctrl+s")
    lane.wait_for("the second editor's save", lambda: tariffs_in_file(folder) == left)


lane.park_pointer()
folder = lane.folder("other-programs", sample=True)
first = lane.start("Cenikar", folder)
second = lane.start("Cenikar", folder)
# Side by side, so that a click lands in the editor it is meant for.
for editor, left in ((first, 40), (second, 560)):
    editor.window(f"{lane.EDITOR_CAPTION} - [tarif.ini]")
    lane.xdotool("windowmove", "--sync", editor.x_window(MAIN), left, 200)
    lane.wait_for("the window's new place",
                  lambda: lane.extents(editor.find("list", "Uložené tarify:"))[0] < left + 40)
lane.shot("two-editors")

# 1. The second editor saves a delete; back in the first, Enter reads the
#    file again.
delete_first_and_save(second, folder, 9)
first.focus(MAIN)
offer = lane.message_box(first, "Soubor tarif.ini byl změněn jiným programem. Načíst ho znovu?")
lane.shot("read-again-offer")
lane.press_enter_in(first, offer, BOX)
wait_rows(first, 9, "the first editor after reading the file again")

# 2. The first changes the version, the second deletes another tariff and
#    saves. The first asks nothing when the user comes back (its own change
#    comes first), and its save, Ctrl+S and Enter, keeps the second's file.
first.focus(MAIN)
first.click(first.find("text", "Číslo verze souboru:"))
lane.key("ctrl+a")
lane.type_text("2031.1")
delete_first_and_save(second, folder, 8)
first.focus(MAIN)
lane.settle(1)
lane.check(not lane.showing_boxes(first), f"the first editor said {lane.showing_boxes(first)}")
lane.key("ctrl+s")
question = lane.message_box(first, "Uložením přes soubor tarif.ini se ztratí:\n– změny, které v souboru mezitím "
                                   "udělal jiný program\nPřesto uložit?")
lane.check([b.name for b in first.find_all("push button", within=question)] == ["Ano", "Ne", "Uložit jako..."],
           "the question does not offer Ano, Ne and Uložit jako...")
lane.shot("save-question")
lane.press_enter_in(first, question, BOX)
lane.check(tariffs_in_file(folder) == 8 and b"2031.1" not in lane.file_bytes(folder),
           "the first editor saved over the second's work")

# 3. The file renamed away: each editor says so once it is activated, and
#    closing, Enter on both questions, makes no new file.
os.rename(os.path.join(folder, "tarif.ini"), os.path.join(folder, "jinam.ini"))
GONE = ("Soubor tarif.ini už neexistuje: jiný program ho smazal nebo přejmenoval. Tarify zůstávají v okně; "
        "uložením se soubor vytvoří znovu.")
for editor in (second, first):
    editor.focus(MAIN)
    gone = lane.message_box(editor, GONE)
    lane.press_enter_in(editor, gone, BOX)
lane.shot("gone-said")
first.focus(MAIN)
lane.key("ctrl+q")
closing = lane.message_box(first, "Soubor tarif.ini byl změněn. Uložit ?")
lane.press_enter_in(first, closing, BOX)
question = lane.message_box(first, "Uložením přes soubor tarif.ini se ztratí:\n– změny, které v souboru mezitím "
                                   "udělal jiný program\nPřesto uložit?")
lane.press_enter_in(first, question, BOX)
lane.settle()
lane.check(first.running(), "the first editor closed without saving its changes")
lane.check(sorted(os.listdir(folder)) == ["jinam.ini"], f"the folder holds {sorted(os.listdir(folder))}")
lane.check_file(folder, "8 tariffs, data version 2000.11", "jinam.ini")
print("no editor saved over another program's work, and a gone file was not made again")
