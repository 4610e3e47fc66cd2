# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
"""The real-display lane's helpers: the real programs on the virtual screen
that tests/display/run starts, real X11 keys and clicks through xdotool, and
the windows read through AT-SPI as a screen reader reads them.

A scenario is a plain script:

    import lane
    folder = lane.folder("sample", sample=True)
    tarif = lane.start("tarif", folder)
    field = tarif.find(role="spin button", name="Pevná síť – Ve špičce")
    tarif.click(field)
    lane.type_text("120")
    lane.key("ctrl+Tab")
    lane.check(..., "what went wrong")
    tarif.close()

Every wait has a time limit and ends in a clear failure, never a hang; an
unexpected failure takes a screenshot of the whole screen first.
"""

import atexit
import os
import re
import shutil
import signal
import subprocess
import sys
import threading
import time
import traceback
from decimal import ROUND_HALF_UP, Decimal

import pyatspi
from Xlib import X, Xatom, display as xdisplay, protocol

BIN = os.environ["HOVORIX_BIN"]
SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SAMPLE = os.path.join(SOURCE, "data", "tarif.ini")
SHOTS = os.environ.get("HOVORIX_SHOTS", "/tmp/hovorix-display-shots")
SCRATCH = os.environ.get("HOVORIX_SCRATCH", "/tmp")
TIMEOUT = 15.0
NBSP = "\u00a0"


def amount(value):
    """A cost as the calculator writes it: the nearest hundredth of its
    shortest decimal text, halves away from zero, grouped by threes."""
    rounded = Decimal(repr(value)).quantize(Decimal("0.01"), rounding=ROUND_HALF_UP)
    whole, cents = f"{abs(rounded):.2f}".split(".")
    groups = []
    while len(whole) > 3:
        groups.insert(0, whole[-3:])
        whole = whole[:-3]
    groups.insert(0, whole)
    return ("-" if rounded < 0 else "") + NBSP.join(groups) + "," + cents


def _version_text(name):
    """A version text as users see it, from where the tests keep each once."""
    with open(os.path.join(SOURCE, "tests", "common", "Versions.h"), encoding="utf-8") as f:
        return re.search(rf'\b{name}\[\] = "([^"]*)"', f.read()).group(1)


# The calculator's caption before its data version, the editor's before its
# file name.
CALCULATOR_CAPTION = _version_text("CalculatorCaption")
EDITOR_CAPTION = _version_text("EditorCaption")

_programs = []


class LaneFailure(AssertionError):
    pass


def fail(message):
    shot("failure")
    raise LaneFailure(message)


def check(condition, message):
    """Fails the scenario with the message unless condition holds."""
    if not condition:
        fail(message)


def wait_for(what, probe, timeout=TIMEOUT, interval=0.05):
    """Polls probe() until it returns something true and returns that; fails
    naming what it waited for."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = probe()
        except Exception:  # an accessible that went away while it was read
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            fail(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


def settle(seconds=0.3):
    """Gives the programs time to handle what was sent, where no state can be
    polled for (a key that must do nothing, for example)."""
    time.sleep(seconds)


# --- files ---------------------------------------------------------------------------

def folder(name, sample=False, files=None):
    """A fresh folder under the scenario's scratch space, with the sample
    tariff file as tarif.ini when asked, and any files given as
    {name: bytes}."""
    path = os.path.join(SCRATCH, "folders", name)
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    os.chmod(path, 0o777)
    if sample:
        shutil.copy(SAMPLE, os.path.join(path, "tarif.ini"))
    for file_name, data in (files or {}).items():
        with open(os.path.join(path, file_name), "wb") as f:
            f.write(data)
    return path


def tarif_cli(*args, check_status=True):
    """Runs tarif-cli with the given arguments; returns its standard output."""
    result = subprocess.run([os.path.join(BIN, "tarif-cli"), *args], capture_output=True, text=True,
                            timeout=TIMEOUT)
    if check_status and result.returncode != 0:
        fail(f"tarif-cli {' '.join(args)} exited {result.returncode}: {result.stderr.strip()}")
    return result.stdout


def file_bytes(folder, name="tarif.ini"):
    with open(os.path.join(folder, name), "rb") as f:
        return f.read()


def check_file(folder, expected, name="tarif.ini"):
    """tarif-cli check on the file says this, as a report or as an error."""
    result = subprocess.run([os.path.join(BIN, "tarif-cli"), "check", name], cwd=folder, capture_output=True,
                            text=True, timeout=TIMEOUT)
    said = result.stdout + result.stderr
    check(expected in said, f"tarif-cli check: {said.strip()!r}, not {expected!r}")


# --- X11 input -------------------------------------------------------------------------

def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, timeout=TIMEOUT)


def key(*keys, delay=40):
    """Presses keys as xdotool names them: "Tab", "ctrl+shift+Tab", "Return"."""
    xdotool("key", "--delay", delay, *keys)


def type_text(text, delay=40):
    xdotool("type", "--delay", delay, text)


def pointer():
    """Where the pointer is: (x, y)."""
    out = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True, text=True,
                         timeout=TIMEOUT).stdout
    values = dict(line.split("=", 1) for line in out.split())
    return int(values["X"]), int(values["Y"])


def move_to(x, y):
    # --sync waits for the pointer to move, which it never does when it is
    # there already.
    if pointer() != (int(x), int(y)):
        xdotool("mousemove", "--sync", x, y)


def click_at(x, y, button=1):
    move_to(x, y)
    xdotool("click", button)


def park_pointer():
    """Moves the pointer to the screen's corner, away from tooltips."""
    move_to(0, 0)


def extents(accessible):
    """The accessible's rectangle on the screen: (x, y, width, height)."""
    e = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def centre(accessible):
    x, y, w, h = extents(accessible)
    return x + w // 2, y + h // 2


def shot(name):
    """A picture of the whole screen in the scenario's screenshot folder."""
    os.makedirs(SHOTS, exist_ok=True)
    path = os.path.join(SHOTS, f"{name}.png")
    subprocess.run(["import", "-window", "root", "-strip", path], timeout=TIMEOUT,
                   stderr=subprocess.DEVNULL)
    return path


# --- the X clipboard --------------------------------------------------------------------

_TEXT_TARGETS = ("UTF8_STRING", "STRING", "TEXT", "text/plain;charset=utf-8", "text/plain")


def set_clipboard(text, selection="CLIPBOARD"):
    """Holds text in the X clipboard (or in PRIMARY, the selection the middle
    button pastes), as a program that copied it does: the lane owns the
    selection and hands the text to whoever asks, until another program
    takes the selection over."""
    d = xdisplay.Display()
    owner = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    atom = d.intern_atom(selection)
    targets = d.intern_atom("TARGETS")
    text_targets = {d.intern_atom(name) for name in _TEXT_TARGETS}
    owner.set_selection_owner(atom, X.CurrentTime)
    d.sync()
    if d.get_selection_owner(atom) != owner:
        fail(f"the lane could not take the {selection} selection")

    def serve():
        while True:
            event = d.next_event()
            if event.type == X.SelectionClear:
                d.close()
                return
            if event.type != X.SelectionRequest:
                continue
            prop = event.property if event.property != X.NONE else event.target
            if event.target == targets:
                event.requestor.change_property(prop, Xatom.ATOM, 32, [targets, *text_targets])
            elif event.target in text_targets:
                event.requestor.change_property(prop, event.target, 8, text.encode("utf-8"))
            else:
                prop = X.NONE
            notify = protocol.event.SelectionNotify(time=event.time, requestor=event.requestor,
                                                    selection=event.selection, target=event.target,
                                                    property=prop)
            event.requestor.send_event(notify, event_mask=0)
            d.flush()

    threading.Thread(target=serve, daemon=True).start()


def clipboard_text(selection="CLIPBOARD", timeout=TIMEOUT):
    """What the X clipboard holds, as text; None when nobody holds it."""
    d = xdisplay.Display()
    try:
        window = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
        atom = d.intern_atom(selection)
        if d.get_selection_owner(atom) == X.NONE:
            return None
        utf8 = d.intern_atom("UTF8_STRING")
        prop = d.intern_atom("HOVORIX_LANE")
        window.convert_selection(atom, utf8, prop, X.CurrentTime)
        d.flush()
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            while d.pending_events():
                event = d.next_event()
                if event.type == X.SelectionNotify:
                    if event.property == X.NONE:
                        return None
                    value = window.get_full_property(prop, X.AnyPropertyType)
                    return value.value.decode("utf-8") if value else ""
            time.sleep(0.02)
        fail(f"the {selection} selection's owner did not answer")
    finally:
        d.close()


# --- AT-SPI ------------------------------------------------------------------------------

def role(accessible):
    return accessible.getRoleName()


def text_of(accessible):
    """What a screen reader reads as the control's value: its text, else its name."""
    try:
        t = accessible.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return accessible.name


def states(accessible):
    return accessible.getState()


def has_state(accessible, state):
    return accessible.getState().contains(state)


def descendants(root):
    """Every accessible under root, depth first."""
    out = []
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        out.append(node)
        try:
            count = node.childCount
        except Exception:
            continue
        for i in reversed(range(count)):
            try:
                stack.append(node.getChildAtIndex(i))
            except Exception:
                pass
    return out


def matches(accessible, role_name=None, name=None, name_starts=None):
    try:
        if role_name is not None and accessible.getRoleName() != role_name:
            return False
        if name is not None and accessible.name != name:
            return False
        if name_starts is not None and not (accessible.name or "").startswith(name_starts):
            return False
        return True
    except Exception:
        return False


def focused_in(root):
    """Every accessible under root that says it has the focus."""
    found = []
    for node in descendants(root):
        try:
            if has_state(node, pyatspi.STATE_FOCUSED):
                found.append(node)
        except Exception:  # gone while it was read
            pass
    return found


class FocusEvents:
    """The focus events a screen reader hears from now on: the accessibles
    that were said to take the focus, in order."""

    def __init__(self):
        self._heard = []
        pyatspi.Registry.registerEventListener(self._hear, "focus:")

    def _hear(self, event):
        self._heard.append(event.source)

    def heard(self, seconds=0.3):
        """What was heard so far, once the events of the last seconds are in."""
        from gi.repository import GLib
        context = GLib.MainContext.default()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            while context.iteration(False):
                pass
            time.sleep(0.02)
        return list(self._heard)


def do_action(accessible, action_name):
    """Runs the accessible's action by its name ("Press", "SetFocus", ...), as
    a screen reader does."""
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == action_name:
            action.doAction(i)
            return
    fail(f"{role(accessible)} '{accessible.name}' has no action '{action_name}'")


# --- the programs -------------------------------------------------------------------------

class Program:
    """One running program, found in AT-SPI by its process id."""

    def __init__(self, name, cwd, args=(), env=None, user=None):
        self.name = name
        command = [os.path.join(BIN, name), *args]
        if user is not None:
            command = ["setpriv", f"--reuid={user}", f"--regid={user}", "--init-groups", "--", *command]
        environment = dict(os.environ)
        environment.update(env or {})
        self.process = subprocess.Popen(command, cwd=cwd, env=environment,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        _programs.append(self)
        self._app = None

    @property
    def pid(self):
        return self.process.pid

    def running(self):
        return self.process.poll() is None

    def app(self, timeout=TIMEOUT):
        """The program's AT-SPI application, once it has joined the bus."""
        if self._app is None:
            def probe():
                if not self.running():
                    fail(f"{self.name} ended with status {self.process.returncode}: {self.output()}")
                desktop = pyatspi.Registry.getDesktop(0)
                for i in range(desktop.childCount):
                    candidate = desktop.getChildAtIndex(i)
                    if candidate is not None and candidate.get_process_id() == self.pid:
                        return candidate
                return None
            self._app = wait_for(f"{self.name} to appear in AT-SPI", probe, timeout)
        return self._app

    def windows(self):
        """The program's top-level windows (frames and dialogs), mapped or not."""
        app = self.app()
        return [app.getChildAtIndex(i) for i in range(app.childCount)]

    def window(self, title_starts="", timeout=TIMEOUT):
        """The program's showing top-level window whose title starts so."""
        def probe():
            for w in self.windows():
                if (w.name or "").startswith(title_starts) and has_state(w, pyatspi.STATE_SHOWING):
                    return w
            return None
        return wait_for(f"a window of {self.name} titled '{title_starts}…'", probe, timeout)

    def find(self, role_name=None, name=None, name_starts=None, within=None, timeout=TIMEOUT):
        """The first showing accessible of that role and name."""
        def probe():
            roots = [within] if within is not None else self.windows()
            for root in roots:
                for node in descendants(root):
                    if matches(node, role_name, name, name_starts):
                        return node
            return None
        label = f"{role_name or 'accessible'} '{name or name_starts or ''}' in {self.name}"
        return wait_for(label, probe, timeout)

    def find_all(self, role_name=None, name_starts=None, within=None):
        roots = [within] if within is not None else self.windows()
        return [n for root in roots for n in descendants(root) if matches(n, role_name, None, name_starts)]

    def focused(self):
        """The accessible that AT-SPI reports as focused, or None."""
        for root in self.windows():
            for node in descendants(root):
                try:
                    if has_state(node, pyatspi.STATE_FOCUSED):
                        return node
                except Exception:
                    pass
        return None

    def x_window(self, title_regex, timeout=TIMEOUT):
        """The X11 id of the program's visible window whose title matches.
        xdotool's name search also matches a window by other names than its
        title, so each window it finds is checked by its title here."""
        def probe():
            found = self.x_windows(title_regex)
            return found[0] if found else None
        return wait_for(f"the X window '{title_regex}' of {self.name}", probe, timeout)

    def x_windows(self, title_regex):
        """The X11 ids of the program's visible windows whose title matches, at once."""
        # By the process alone: given a name as well, xdotool's search takes a
        # window that meets either condition, another program's window of
        # the same title among them. The title is checked below.
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.pid)],
                                capture_output=True, text=True)
        found = []
        for wid in result.stdout.split():
            title = subprocess.run(["xdotool", "getwindowname", wid], capture_output=True, text=True).stdout
            if re.search(title_regex, title.rstrip("\n")):
                found.append(wid)
        return found

    def focus(self, title_regex):
        """Gives the window the keyboard focus: there is no window manager to do it."""
        wid = self.x_window(title_regex)
        xdotool("windowfocus", "--sync", wid)
        return wid

    def click(self, accessible, button=1):
        x, y = centre(accessible)
        click_at(x, y, button)

    def choose_call_list(self, path):
        """In the calculator with its minutes page focused: Ctrl+O, the file's
        name typed into the file dialog and Enter, as a user picks a call list."""
        key("ctrl+o")
        self.window("Vyberte výpis hovorů")
        key("ctrl+a")
        type_text(path)
        key("Return")

    def request_close(self, title_regex):
        """Asks the window to close as a window manager's close box does
        (WM_DELETE_WINDOW), so the program's close question runs."""
        wid = int(self.x_window(title_regex), 0)
        d = xdisplay.Display()
        window = d.create_resource_object("window", wid)
        protocols = d.intern_atom("WM_PROTOCOLS")
        delete = d.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        # A round trip: the server has sent the message on before the
        # connection closes.
        d.sync()
        d.close()

    def wait_exit(self, timeout=TIMEOUT):
        wait_for(f"{self.name} to end", lambda: not self.running(), timeout)
        return self.process.returncode

    def output(self):
        """What the program printed, once it has ended."""
        if self.running():
            return ""
        return self.process.stdout.read() if self.process.stdout else ""

    def kill(self):
        if self.running():
            self.process.kill()
            self.process.wait(timeout=TIMEOUT)


def start(name, cwd, args=(), env=None, user=None):
    return Program(name, cwd, args, env, user)


def _stop_all():
    for program in _programs:
        try:
            program.kill()
        except Exception:
            pass


def _on_term(signum, frame):
    raise SystemExit(f"stopped by signal {signum}")


atexit.register(_stop_all)
signal.signal(signal.SIGTERM, _on_term)


def _report_failure(kind, value, tb):
    if not isinstance(value, LaneFailure):
        try:
            shot("failure")
        except Exception:
            pass
    traceback.print_exception(kind, value, tb)
    print(f"FAILED: {value}", file=sys.stderr)


sys.excepthook = _report_failure


# --- message boxes ---------------------------------------------------------------------

def message_box(program, text, timeout=TIMEOUT):
    """The program's showing message box with exactly this text."""
    def probe():
        for window in program.windows():
            if window.getRoleName() == "alert" and has_state(window, pyatspi.STATE_SHOWING):
                if any(role(n) == "label" and n.name == text for n in descendants(window)):
                    return window
        return None
    return wait_for(f"the box '{text[:60]}…'", probe, timeout)


def showing_boxes(program):
    """The texts of the program's message boxes now showing."""
    texts = []
    for window in program.windows():
        try:
            if window.getRoleName() == "alert" and has_state(window, pyatspi.STATE_SHOWING):
                texts += [n.name for n in descendants(window) if role(n) == "label" and n.name]
        except Exception:
            pass
    return texts


def press_enter_in(program, box, title_regex):
    """Enter in the box, as a hurried user answers: its default button."""
    program.focus(title_regex)
    settle()  # the box takes the keyboard once it is up
    key("Return")
    wait_for("the box to close", lambda: not has_state(box, pyatspi.STATE_SHOWING))
