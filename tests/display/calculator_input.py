# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""The minute fields under real keys, a real mouse and real message boxes:
keys held with Alt, Super or Ctrl never type, a step button stops when a
message box takes the mouse, and the field tabbed into has its text selected
and is the one a screen reader reports, also when a message came between."""

import pyatspi

import lane

folder = lane.folder("sample", sample=True)
lane.park_pointer()
tarif = lane.start("tarif", folder)
tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
peak = tarif.find("spin button", "Pevná síť – Ve špičce")
off_peak = tarif.find("spin button", "Pevná síť – Mimo špičku")


def enter(field, text):
    tarif.click(field)
    lane.key("ctrl+a")
    lane.type_text(text)
    lane.wait_for(f"'{text}' in {field.name}", lambda: lane.text_of(field) == text)


def answer_message(text):
    message = tarif.find("label", text)
    lane.shot("message")
    lane.key("Return")
    lane.wait_for("the message to close", lambda: not lane.has_state(message, pyatspi.STATE_SHOWING))


# Commands are no typing; Shift and the keypad type.
enter(peak, "12")
lane.key("alt+a", "alt+q", "super+a", "ctrl+1", "KP_3")
lane.wait_for("the keypad's digit", lambda: lane.text_of(peak) != "12")
lane.check(lane.text_of(peak) == "123", f"keys held with Alt, Super or Ctrl typed: '{lane.text_of(peak)}'")

# Tab into a field past the conversion message: its text is selected, and
# it is the focused control.
enter(off_peak, "123")
enter(peak, "-")
lane.key("Tab")
answer_message("'-' is not a valid floating point value.")
lane.wait_for("a focused control", tarif.focused)
focused = tarif.focused()
lane.check(focused.name == off_peak.name, f"a screen reader finds '{focused.name}' focused, not {off_peak.name}")
lane.type_text("4")
lane.wait_for("the typed digit", lambda: lane.text_of(off_peak) != "123")
lane.check(lane.text_of(off_peak) == "4", f"typing after the message gave '{lane.text_of(off_peak)}', not '4'")

# A click on a step button that brings the message up ends with it.
tarif.click(peak)
x, y, width, _ = lane.extents(off_peak)
lane.click_at(x + width - 6, y + 5)
answer_message("'-' is not a valid floating point value.")
lane.settle(1.0)
lane.check(lane.text_of(off_peak) == "4", f"the step button went on stepping: '{lane.text_of(off_peak)}'")
lane.shot("input-after-messages")
print("keys, messages and step buttons behave")
