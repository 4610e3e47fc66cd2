# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""The calculator as a screen reader meets it through AT-SPI: the window is
a frame; the period list is named after its label and reads its choice as
its text; a minute field is a value in the range a field prices, stepped by
Increase and Decrease and set as typing the number and leaving the field
would (with the message for too large a count); the about box's links are
links with the action that follows them, out of the Tab order; the window
"Zvětšit graf" is a frame whose plot takes the focus; and at every Tab stop
of both programs one control alone reports the focus."""

import pyatspi

import lane

LARGEST = "Největší počet minut, který lze zadat, je 2\u00a0147\u00a0483\u00a0647."

folder = lane.folder("screen-reader", sample=True)
lane.park_pointer()
tarif = lane.start("tarif", folder)
window = tarif.window("Hovorix pro Windows")
tarif.focus("^Hovorix pro Windows")
lane.check(lane.role(window) == "frame", f"the main window is a {lane.role(window)}, not a frame")

period = tarif.find("combo box", within=window)
lane.check(period.name == "Uvedené hodnoty jsou", f"the period list is named '{period.name}'")
lane.check(lane.text_of(period) == "měsíční", f"the period list reads '{lane.text_of(period)}'")

peak = tarif.find("spin button", "Pevná síť – Ve špičce", within=window)
value = peak.queryValue()
lane.check((value.minimumValue, value.maximumValue) == (0, 2147483647),
           f"a field's range is {value.minimumValue} to {value.maximumValue}")
lane.do_action(peak, "Increase")
lane.do_action(peak, "Increase")
lane.do_action(peak, "Decrease")
lane.wait_for("the steps", lambda: lane.text_of(peak) == "1")
lane.check(value.currentValue == 1, f"the field shows 1, its value is {value.currentValue}")
value.currentValue = 250
lane.wait_for("the value set", lambda: lane.text_of(peak) == "250")
value.currentValue = -4
lane.wait_for("a negative count left as 0", lambda: lane.text_of(peak) == "0")
value.currentValue = 3e9
message = tarif.find("label", LARGEST)
lane.key("Return")
lane.wait_for("the message to close", lambda: not lane.has_state(message, pyatspi.STATE_SHOWING))
lane.wait_for("the largest count", lambda: lane.text_of(peak) == "2147483647")
lane.check(peak.queryValue().currentValue == 2147483647, "the value does not follow the text")

for caption in ("E-mail: hovorix@example.org", "www.example.org/hovorix"):
    link = tarif.find(name=caption, within=window)
    lane.check(lane.role(link) == "link", f"'{caption}' is a {lane.role(link)}")
    actions = link.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    lane.check("Press" in names, f"'{caption}' has the actions {names}")
    lane.check(not lane.has_state(link, pyatspi.STATE_FOCUSABLE), f"'{caption}' is in the Tab order")

# Round every control of both programs by Tab: at each stop one control
# says it has the focus, with at most the current item of the list or table
# that has it, and it is what the screen reader last heard take the focus;
# no container of it, nor a control the focus has left, nor an item of a
# drop-down list once a choice is made.


def key_of(node):
    return lane.role(node), node.name, lane.extents(node)


def the_focus(program, where):
    found = [node for w in program.windows() for node in lane.focused_in(w)]
    items = [node for node in found if lane.role(node) in ("list item", "table cell")]
    controls = [node for node in found if node not in items]
    said = [(lane.role(node), node.name) for node in found]
    lane.check(len(controls) == 1 and len(items) <= 1, f"{where}: these say they have the focus: {said}")
    control = controls[0]
    lane.check(not items or key_of(items[0].parent) == key_of(control),
               f"{where}: an item of another list says it has the focus: {said}")
    heard = events.heard()
    lane.check(heard and key_of(heard[-1]) == key_of(control),
               f"{where}: {said} has the focus, the screen reader last heard of "
               f"{[(lane.role(node), node.name) for node in heard[-1:]]}")
    return control


def choose_another(program, box, where):
    """Another choice in the drop-down list, made in the list as it drops down."""
    edits = [n for n in lane.descendants(box) if lane.role(n) == "text"]
    shown = (lambda: lane.text_of(edits[0])) if edits else (lambda: lane.text_of(box))
    before = shown()
    first = lane.descendants(box.getChildAtIndex(0))[1].name
    lane.key("alt+Down")
    lane.wait_for(f"the list of {box.name} down",
                  lambda: any(lane.role(n) == "list item" for w in program.windows() for n in lane.focused_in(w)))
    lane.key("Up" if before != first else "Down", "Return")
    lane.wait_for(f"another choice in {box.name}", lambda: shown() != before)
    lane.settle(0.15)
    the_focus(program, f"{where}, after a choice in {box.name}")


def round_of(program, where, choose=(), limit=30):
    """Tab from the control that has the focus until it has it again, and
    on to the next stop once more."""
    first = key_of(the_focus(program, f"{where}, at the start"))
    round_done = False
    for stop in range(1, limit):
        lane.key("Tab")
        lane.settle(0.15)
        control = the_focus(program, f"{where}, stop {stop}")
        if round_done:
            return
        if lane.role(control) == "combo box" and control.name in choose:
            choose_another(program, control, where)
        round_done = key_of(control) == first
    lane.fail(f"{where}: Tab does not come round in {limit} stops")


events = lane.FocusEvents()
tarif.focus("^Hovorix pro Windows")
tarif.click(peak)
lane.key("shift+Tab")  # from the first field to the page tabs
for page in ("Provolané minuty", "Poplatky", "Volba tarifu"):
    tab = tarif.find("page tab", page, within=window)
    lane.wait_for(f"the page tab {page}", lambda: lane.has_state(tab, pyatspi.STATE_FOCUSED))
    round_of(tarif, page, choose=("Uvedené hodnoty jsou", "Měnit"))
    lane.key("shift+Tab", "Right")  # back to the page tabs, and on to the next page

# "Zvětšit graf", pressed from the keyboard: a frame of its own whose plot
# the screen reader hears take the focus.
button = tarif.find("push button", "Zvětšit graf", within=window)
for _ in range(10):
    if lane.has_state(button, pyatspi.STATE_FOCUSED):
        break
    lane.key("Tab")
    lane.settle(0.15)
lane.key("space")
large = tarif.window("Volba tarifu – graf")
lane.check(lane.role(large) == "frame", f"the window 'Zvětšit graf' is a {lane.role(large)}")
lane.check(lane.role(the_focus(tarif, "Zvětšit graf")) == "chart", "the plot of 'Zvětšit graf' lacks the focus")
tarif.focus("^Volba tarifu – graf$")
lane.key("Escape")
lane.wait_for("the large plot to close", lambda: not tarif.x_windows("^Volba tarifu – graf$"))
tarif.request_close("^Hovorix pro Windows")
lane.check(tarif.wait_exit() == 0, "tarif did not end cleanly")

editor = lane.start("Cenikar", folder)
editor_window = editor.window(f"{lane.EDITOR_CAPTION} - [tarif.ini]")
editor.focus(f"^{lane.EDITOR_CAPTION}")
round_of(editor, "Cenikar")
lane.key("ctrl+n")
dialog = editor.window("Podrobné informace")
editor.focus("^Podrobné informace$")
round_of(editor, "the tariff dialog", choose=("Operátor:",))
lane.shot("screen-reader")
lane.do_action(editor.find("push button", "Storno", within=dialog), "Press")
lane.wait_for("the dialog to close", lambda: not lane.has_state(dialog, pyatspi.STATE_SHOWING))
editor.request_close(f"^{lane.EDITOR_CAPTION}")
lane.check(editor.wait_exit() == 0, "Cenikar did not end cleanly")
print("the windows, the period list, the fields, the links and the focus read as they should")
