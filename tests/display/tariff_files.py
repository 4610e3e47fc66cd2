# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""The tariff file is never lost and both programs use the same one, as a
user meets it on a real display: a partly read file that closing and saving
leave alone, an LF-ended file that the calculator warns about and the editor
reads in full on the user's word, a folder holding only TARIF.INI, a wheel turn over a box
without the focus, and the hint of a disabled arrow. After each run
tarif-cli checks the file."""

import os
import re
import time

import pyatspi

import lane

with open(lane.SAMPLE, "rb") as f:
    SAMPLE = f.read()
EDITOR_BOX = "^Cenikar - editor ceníku projektu Hovorix$"  # the title of the editor's message boxes


def message_box(program, text):
    """The program's showing message box with exactly this text."""
    def probe():
        for window in program.windows():
            if window.getRoleName() == "alert" and lane.has_state(window, pyatspi.STATE_SHOWING):
                if any(lane.role(n) == "label" and n.name == text for n in lane.descendants(window)):
                    return window
        return None
    return lane.wait_for(f"the box '{text[:60]}…'", probe)


def answer_with_enter(program, box, title):
    """Presses Enter in the box: its default button answers."""
    program.focus(title)
    lane.settle()  # the box takes the keyboard once it is up
    lane.key("Return")
    lane.wait_for("the box to close", lambda: not lane.has_state(box, pyatspi.STATE_SHOWING))


def click_button(program, name):
    program.click(program.find("push button", name))




def close(program, title):
    """Closes the window as a window manager's close box does; the program
    must end without a question. Qt drops a close request that comes just
    after a message box has gone, so it is asked again; a question would
    keep every request from getting through."""
    for _ in range(5):
        program.request_close(title)
        deadline = time.monotonic() + 2
        while program.running() and time.monotonic() < deadline:
            time.sleep(0.05)
        if not program.running():
            status = program.wait_exit()
            lane.check(status == 0, f"{program.name} ended with status {status}")
            return
    lane.fail(f"{program.name} did not close")


lane.park_pointer()

# 1. A file read only up to a bad number (line 30 of the sample) is neither
#    replaced when the window closes nor by a save that the user leaves at
#    its default answer.
lines = SAMPLE.split(b"\r\n")
lines[29] = lines[29].replace(b"2,9", b"2.9")
partial = b"\r\n".join(lines)
folder = lane.folder("partly-read", files={"tarif.ini": partial})
for save in (False, True):
    editor = lane.start("Cenikar", folder)
    # The number reads with a decimal point: the box says why on a line of its own.
    answer_with_enter(editor, message_box(editor, "'2.9' is not a valid floating point value.\ntarif.ini, řádek 30: "
                                                  "soubor byl nejspíš uložen s jiným desetinným oddělovačem (jiné "
                                                  "místní nastavení)."), EDITOR_BOX)
    editor.window(lane.EDITOR_CAPTION)
    if save:
        click_button(editor, "Ulož soubor")
        question = message_box(editor, "Uložením přes soubor tarif.ini se ztratí:\n– byl načten jen po řádek 30; "
                                       "uložením se ztratí řádky 30 až 166.\nPřesto uložit?")
        lane.shot("partly-read-save-question")
        answer_with_enter(editor, question, EDITOR_BOX)
    close(editor, f"^{re.escape(lane.EDITOR_CAPTION)}$")
    lane.check(lane.file_bytes(folder) == partial, f"the partly read file changed (save: {save})")
lane.check_file(folder, "tarif.ini:30: '2.9' is not a valid floating point value")

# 2. Lines ended by LF alone: the calculator says so and reads by the rule;
#    the editor offers LF as the line end, Enter takes it, and the save keeps
#    every tariff and the version, with CR LF.
folder = lane.folder("lf-only", files={"tarif.ini": SAMPLE.replace(b"\r\n", b"\n")})
tarif = lane.start("tarif", folder)
warning = message_box(tarif, "Soubor tarif.ini má konce řádků jen LF (bez CR), takže je podle pravidel ceníku "
                             "celý jediným řádkem a jeho tarify se nezobrazí. Otevřete ho v programu Cenikar "
                             "a uložte, tím se převede.")
lane.shot("lf-only-calculator-warning")
answer_with_enter(tarif, warning, "^Hovorix pro Windows$")
tarif.window(f"{lane.CALCULATOR_CAPTION} [data neudáno]")
close(tarif, f"^{re.escape(lane.CALCULATOR_CAPTION)}")
editor = lane.start("Cenikar", folder)
offer = message_box(editor, "Soubor tarif.ini má konce řádků jen LF (bez CR), takže je podle pravidel ceníku celý "
                            "jediným řádkem.\n\nNačíst ho s LF jako koncem řádku? Při uložení dostane konce "
                            "řádků CR LF.")
lane.shot("lf-only-editor-offer")
answer_with_enter(editor, offer, EDITOR_BOX)
editor.window(f"{lane.EDITOR_CAPTION} - [tarif.ini]")
rows = editor.find_all("list item", within=editor.find("list", "Uložené tarify:"))
lane.check(len(rows) == 10, f"the converted file shows {len(rows)} tariffs, not 10")
click_button(editor, "Ulož soubor")
lane.wait_for("the save", lambda: b"\r\n" in lane.file_bytes(folder))
close(editor, f"^{re.escape(lane.EDITOR_CAPTION)}")
lane.check_file(folder, "10 tariffs, data version 2000.11")

# 3. A folder holding only TARIF.INI: the editor works on that file, and the
#    calculator sees what it saved.
folder = lane.folder("upper-case", files={"TARIF.INI": SAMPLE})
editor = lane.start("Cenikar", folder)
editor.window(f"{lane.EDITOR_CAPTION} - [TARIF.INI]")
editor.focus(f"^{re.escape(lane.EDITOR_CAPTION)} - \\[TARIF\\.INI\\]$")
editor.click(editor.find("text", "Číslo verze souboru:"))
lane.key("ctrl+a")
lane.type_text("2025.1")
click_button(editor, "Ulož soubor")
lane.wait_for("the save", lambda: b"verze 2025.1\r\n" in lane.file_bytes(folder, "TARIF.INI"))
close(editor, f"^{re.escape(lane.EDITOR_CAPTION)}")
lane.check(os.listdir(folder) == ["TARIF.INI"], f"the folder holds {sorted(os.listdir(folder))}")
tarif = lane.start("tarif", folder)
tarif.window(f"{lane.CALCULATOR_CAPTION} [data 2025.1]")
close(tarif, f"^{re.escape(lane.CALCULATOR_CAPTION)}")
lane.check_file(folder, "10 tariffs, data version 2025.1", "TARIF.INI")

# 9 and 11 (faults that only a real display shows). A wheel turn over the
# provider box without the focus changes nothing; a disabled arrow shows its
# hint.
folder = lane.folder("sample", sample=True)
editor = lane.start("Cenikar", folder)
editor.window(f"{lane.EDITOR_CAPTION} - [tarif.ini]")
x, y = lane.centre(editor.find("push button", "Posune označený tarif nahoru"))
lane.move_to(x - 3, y - 3)
lane.move_to(x, y)
lane.wait_for("the disabled arrow's hint",
              lambda: any(w.getRoleName() == "tool tip" and w.name == "Posune označený tarif nahoru"
                          and lane.has_state(w, pyatspi.STATE_SHOWING) for w in editor.windows()))
lane.shot("disabled-arrow-hint")
editor.click(editor.find_all("list item", within=editor.find("list", "Uložené tarify:"))[0])
click_button(editor, "Uprav...")
dialog = editor.window("Podrobné informace")
editor.focus("^Podrobné informace$")
lane.key("ctrl+a")
lane.type_text("Oskar")
lane.key("Tab")
# The box is named after its label; what it holds is the text of its edit field.
provider = editor.find("combo box", "Operátor:", within=dialog)
typed = editor.find("text", "Operátor:", within=provider)
x, y = lane.centre(provider)
lane.move_to(x, y)
for button in (4, 4, 5, 5, 5):
    lane.xdotool("click", button)
lane.settle()
lane.check(lane.text_of(typed) == "Oskar", f"a wheel turn made the provider {lane.text_of(typed)!r}")
click_button(editor, "Storno")
close(editor, f"^{re.escape(lane.EDITOR_CAPTION)}")
print("the tariff files came through every run intact or deliberately saved")
