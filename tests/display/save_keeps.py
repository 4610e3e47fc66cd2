# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""What a save would lose is never lost unasked, answered as a hurried user
answers, Enter on every question: a text longer than 255 characters, lines
no rule reads (comments, a note after a rate pair), on Ctrl+S and on closing
alike; and a save keeps the file's access-control list, its user.*
attributes and its mode. Keys are real X11 input; the editor is read through
AT-SPI."""

import os
import re
import shutil
import subprocess

import lane

with open(lane.SAMPLE, "rb") as f:
    SAMPLE = f.read()
BOX = "^Cenikar - editor ceníku projektu Hovorix$"  # the title of the editor's message boxes
MAIN = f"^{re.escape(lane.EDITOR_CAPTION)} - \\[tarif\\.ini\\]$"


def change_version(editor, version):
    editor.focus(MAIN)
    editor.click(editor.find("text", "Číslo verze souboru:"))
    lane.key("ctrl+a")
    lane.type_text(version)


def keeps_on_save_and_close(folder, original, losses, shot):
    """A change, then Ctrl+S and Ctrl+Q with Enter on every question: the
    file stays as it was and the window stays open."""
    question = "Uložením přes soubor tarif.ini se ztratí:\n" + "".join(f"– {loss}\n" for loss in losses) + \
               "Přesto uložit?"
    change_version(editor, "2031.2")
    lane.key("ctrl+s")
    box = lane.message_box(editor, question)
    lane.shot(shot)
    lane.press_enter_in(editor, box, BOX)
    editor.focus(MAIN)
    lane.key("ctrl+q")
    lane.press_enter_in(editor, lane.message_box(editor, "Soubor tarif.ini byl změněn. Uložit ?"), BOX)
    lane.press_enter_in(editor, lane.message_box(editor, question), BOX)
    lane.settle()
    lane.check(editor.running(), "the window closed")
    lane.check(lane.file_bytes(folder) == original, "the file changed")
    editor.kill()


lines = SAMPLE.split(b"\r\n")
lane.park_pointer()

# 2. A provider of 300 characters on line 5: the editor says so once read,
#    and a save would lose its end.
long_text = lines[:4] + [b"provider " + b"PAEGAS " * 43] + lines[5:]
folder = lane.folder("long-text", files={"tarif.ini": b"\r\n".join(long_text)})
editor = lane.start("Cenikar", folder)
warning = lane.message_box(editor, "Soubor tarif.ini obsahuje na řádku 5 text delší než 255 znaků; program z něj "
                                   "zná jen prvních 255.")
lane.shot("long-text-warning")
lane.press_enter_in(editor, warning, BOX)
editor.window(f"{lane.EDITOR_CAPTION} - [tarif.ini]")
keeps_on_save_and_close(folder, b"\r\n".join(long_text), ["konec 1 textu delšího než 255 znaků"],
                        "long-text-question")

# 3. Two comments after the writer's own lines, and a note after a rate
#    pair: three lines a save would drop, the first quoted.
comment = "// Ceník z webu operátora, stav k 1. listopadu 2000"
noted = list(lines)
noted[11] += " pozn.".encode()  # "sazba JTS 7,9 0 pozn."
noted[3:3] = [comment.encode("cp1250"), b"// kontrola: Pavel"]
folder = lane.folder("unread-lines", files={"tarif.ini": b"\r\n".join(noted)})
editor = lane.start("Cenikar", folder)
editor.window(f"{lane.EDITOR_CAPTION} - [tarif.ini]")
keeps_on_save_and_close(folder, b"\r\n".join(noted),
                        [f"3 řádky, kterým program nerozumí (první je řádek 4: „{comment[:40]}…“)"],
                        "unread-lines-question")

# 4. A file another user may write through its access-control list, with a
#    user attribute: a save (no question: nothing is lost) keeps both, and
#    the group keeps reading only.
lane.check(shutil.which("setfacl") and shutil.which("getfacl"), "setfacl or getfacl is missing; ./scripts/deps "
                                                                 "installs the package acl")
folder = lane.folder("access-list", sample=True)
path = os.path.join(folder, "tarif.ini")
try:
    os.setxattr(path, "user.poznamka", "ceník od Pavla".encode())
    subprocess.run(["setfacl", "-m", "u:nobody:rw", path], check=True, capture_output=True)
except (OSError, subprocess.CalledProcessError) as error:
    print(f"this file system keeps no access-control lists or user attributes ({error}); that part skipped")
else:
    def acl():
        return subprocess.run(["getfacl", "--omit-header", "--numeric", path], check=True, capture_output=True,
                              text=True).stdout
    before = (acl(), os.stat(path).st_mode, os.getxattr(path, "user.poznamka"))
    lane.check("group::r--" in before[0] and "mask::rw-" in before[0], f"the list as set: {before[0]!r}")
    editor = lane.start("Cenikar", folder)
    editor.window(f"{lane.EDITOR_CAPTION} - [tarif.ini]")
    change_version(editor, "2031.4")
    lane.key("ctrl+s")
    lane.wait_for("the save", lambda: b"verze 2031.4\r\n" in lane.file_bytes(folder))
    after = (acl(), os.stat(path).st_mode, os.getxattr(path, "user.poznamka"))
    lane.check(after == before, f"the save changed the list, mode or attribute: {before} became {after}")
    lane.check(not lane.showing_boxes(editor), f"the save said {lane.showing_boxes(editor)}")
    editor.focus(MAIN)
    lane.key("ctrl+q")
    lane.check(editor.wait_exit() == 0, "the editor did not close after its save")
    lane.check(sorted(os.listdir(folder)) == ["tarif.ini"], f"the folder holds {sorted(os.listdir(folder))}")
    lane.check_file(folder, "10 tariffs, data version 2031.4")
print("no save lost what it was not told to, and a save kept the list and attributes")
