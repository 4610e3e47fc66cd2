# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""An unprivileged user's file in a folder he may not write: the editor's save
writes the file itself, keeps its owner and shows no message box. The editor
runs as that user, so it is driven by its window's place alone, without the
accessibility bus; setting the folder up needs root (ctest label root)."""

import os
import pwd
import re
import shutil
import sys

import lane

SKIPPED = 77  # ctest's code for a scenario that could not run here

if os.geteuid() != 0:
    print("the save as an unprivileged user needs root to set it up; skipped")
    sys.exit(SKIPPED)
lane.park_pointer()
user = pwd.getpwnam("nobody")
folder = lane.folder("read-only-folder", sample=True)
os.chown(os.path.join(folder, "tarif.ini"), user.pw_uid, user.pw_gid)
os.chmod(folder, 0o755)
runtime = os.path.join(lane.SCRATCH, "runtime-nobody")
os.makedirs(runtime, mode=0o700, exist_ok=True)
shutil.chown(runtime, user.pw_uid, user.pw_gid)
editor = lane.start("Cenikar", folder, user=str(user.pw_uid), env={"XDG_RUNTIME_DIR": runtime})
window = editor.focus(f"^{re.escape(lane.EDITOR_CAPTION)} - \\[tarif\\.ini\\]$")
geometry = dict(line.split("=") for line in
                lane.subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                                    capture_output=True, text=True).stdout.split())
left, top = int(geometry["X"]), int(geometry["Y"])
lane.click_at(left + 220, top + 18)  # the version box
lane.key("ctrl+a")
lane.type_text("2031.6")
lane.click_at(left + 200, top + 172)  # "Ulož soubor"
lane.wait_for("the save", lambda: b"verze 2031.6\r\n" in lane.file_bytes(folder))
lane.settle()
lane.shot("unprivileged-save")
lane.check(editor.running(), "the editor ended")
boxes = [wid for wid in lane.subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(editor.pid)],
                                            capture_output=True, text=True).stdout.split()
         if "editor ceníku" in lane.subprocess.run(["xdotool", "getwindowname", wid], capture_output=True,
                                                   text=True).stdout]
lane.check(not boxes, "the save showed a message box")
lane.check(os.stat(os.path.join(folder, "tarif.ini")).st_uid == user.pw_uid, "the file changed its owner")
lane.check(os.listdir(folder) == ["tarif.ini"], f"the folder holds {sorted(os.listdir(folder))}")
editor.kill()
lane.check_file(folder, "10 tariffs, data version 2031.6")
print("the unprivileged user's save wrote the file itself")
