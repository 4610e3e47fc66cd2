# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""Both programs start on a real display, show their windows to a screen
reader with the file's data, and close from the window manager's close
request without a question when nothing was changed."""

import lane

folder = lane.folder("sample", sample=True)
lane.park_pointer()

tarif = lane.start("tarif", folder)
tarif.window(f"{lane.CALCULATOR_CAPTION} [data 2000.11]")
bars = tarif.find_all("list item", within=tarif.find("chart", "Poplatky"))
lane.check(len(bars) == 10, f"the chart shows {len(bars)} bars to a screen reader, not the sample's 10")

editor = lane.start("Cenikar", folder)
editor.window(f"{lane.EDITOR_CAPTION} - [tarif.ini]")
lane.shot("both-programs")

for program, title in ((tarif, "^Hovorix pro Windows"), (editor, "^Cenikar")):
    program.request_close(title)
    status = program.wait_exit()
    lane.check(status == 0, f"{program.name} ended with status {status}")
print("both programs started, were read and closed")
