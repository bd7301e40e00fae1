# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
"""What a screen reader receives over AT-SPI while one move is played.

Starts the game, listens to its focus, name and description events like a screen reader does,
and plays with the keys: blue drops a chip, then slides a rail so that the chip falls and the
buttons hide. Prints every event received and checks that the focus moved at most once onto a
shown control during the move, and that the button it ends on says whose turn it is and both
scores. Then it asks for a hint and takes the slide back: the focused control must say each on
its own. With --computer the computer plays blue instead (the settings store says so): its turn
must be said by the control that has the focus once it has played.
Usage: screen_reader_listener.py GAME DATA_DIR [--computer]
"""
import re
import subprocess
import sys

import pyatspi
from gi.repository import GLib

game_path, data_dir = sys.argv[1], sys.argv[2]
against_computer = "--computer" in sys.argv[3:]
EVENTS = ("focus:", "object:state-changed:focused",
          "object:property-change:accessible-description", "object:property-change:accessible-name")
SUMMARY = re.compile(r"^Ходят (синие|красные) фишки\. Синие: (\d+), Красные: (\d+)\.")
LIMIT_S = 60  # a bound on waiting, not a measure: a stuck game fails instead of hanging

game = subprocess.Popen([game_path], cwd=data_dir)
received = []      # (phase, line) in the order they came
focus_gains = []   # (phase, name, role, description, shown)
told = []          # (phase, description, focused): what a changed description said
phase = "start"
failures = []
stopped = False


def stop():
    global stopped
    stopped = True
    pyatspi.Registry.stop()


def fail(why):
    failures.append(why)
    stop()


def fresh(obj):
    """The object as the game has it now, not as a cache remembers it."""
    try:
        obj.clear_cache()
    except Exception:
        pass
    return obj


def describe(obj):
    try:
        obj = fresh(obj)
        shown = obj.getState().contains(pyatspi.STATE_SHOWING)
        return obj.name, obj.getRoleName(), obj.description, shown
    except Exception as e:  # gone while asked
        return "<gone: %s>" % e, "", "", False


def on_event(event):
    if event.host_application is None or event.host_application.get_process_id() != game.pid:
        return
    if event.type.startswith("object:state-changed:focused") and not event.detail1:
        received.append((phase, "%s lost: %s" % (event.type, event.source.name)))
        return
    name, role, description, shown = describe(event.source)
    if event.type.startswith("object:property-change"):
        changed = description if event.type.endswith("description") else name
        received.append((phase, "%s: [%s] «%s»" % (event.type, role, changed)))
        if event.type.endswith("description"):
            told.append((phase, changed, fresh(event.source).getState().contains(pyatspi.STATE_FOCUSED)))
        return
    received.append((phase, "%s: %s [%s] «%s»%s" % (event.type, name, role, description, "" if shown else " (hidden)")))
    if event.type.startswith("object:state-changed:focused"):
        focus_gains.append((phase, name, role, description, shown))


def walk(obj):
    yield obj
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == game.pid:
            for window in app:
                if window is not None and window.name == "Рейкобой":
                    return window
    return None


def control(window, role, pattern):
    for obj in walk(window):
        if obj.getRole() == role and re.fullmatch(pattern, obj.name or ""):
            return obj
    raise LookupError("no %s named like «%s»" % (pyatspi.Role(role), pattern))


def activate():
    """The game's window takes the keyboard, as a window manager would give it."""
    window_id = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(game.pid),
                                "--name", "^Рейкобой$"], capture_output=True, text=True, timeout=30,
                               check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True, timeout=30)


def press_space():
    press("space")


def press(keys):
    activate()
    subprocess.run(["xdotool", "key", keys], check=True, timeout=30)


def focused_says(start):
    """The control that has the focus now says, first of all, what begins with `start`."""
    def check():
        for obj in walk(window):
            if fresh(obj).getState().contains(pyatspi.STATE_FOCUSED):
                return (obj.description or "").startswith(start)
        return False
    return check


def said_on_focus(start):
    """The focused control's description changed to begin with `start`, in this phase."""
    return lambda: any(t[0] == phase and t[1].startswith(start) and t[2] for t in told)


def settled_on_button():
    """The last focus went to a shown push button that tells the turn and the scores."""
    gains = [g for g in focus_gains if g[0] == phase]
    if not gains:
        return False
    _, name, role, _, shown = gains[-1]
    for obj in walk(window):
        if obj.name == name and obj.getRoleName() == role:
            description = fresh(obj).description
            return shown and obj.getRole() == pyatspi.ROLE_PUSH_BUTTON and bool(SUMMARY.match(description))
    return False


steps = []  # (what it waits for, what it does then), run one after the other


def run_steps():
    try:
        return take_steps()
    except Exception as e:  # a GLib callback's exception would leave the loop waiting
        fail("%s: %s" % (type(e).__name__, e))
        return False


def take_steps():
    while steps:
        ready, action = steps[0]
        if not ready():
            return True  # asked again on the next tick
        steps.pop(0)
        action()
        if not steps or stopped:
            break
    if not stopped:
        stop()
    return False


def set_phase(name):
    global phase
    phase = name


def grab(name_pattern, next_phase):
    def act():
        activate()
        set_phase(next_phase)
        button = control(window, pyatspi.ROLE_PUSH_BUTTON, name_pattern)
        if not button.queryComponent().grabFocus():
            fail("the button «%s» would not take the focus" % button.name)
    return act


quiet_ticks = [0]


def quiet_after_settling():
    """Settled on its button, and no more events for a while: the move has ended."""
    if not settled_on_button():
        quiet_ticks[0] = 0
        return False
    count = len(received)
    if quiet_ticks[0] and count == quiet_ticks[1]:
        quiet_ticks[0] += 1
    else:
        quiet_ticks[:] = [1, count]
    return quiet_ticks[0] >= 5


window = None


def found_window():
    global window
    if game.poll() is not None:
        fail("the game ended with status %s before its window was seen" % game.returncode)
        return False
    window = find_window()
    return window is not None


pyatspi.Registry.registerEventListener(on_event, *EVENTS)
if against_computer:
    steps += [
        (found_window, lambda: (set_phase("computer"), activate())),
        (focused_says("Компьютер "), lambda: set_phase("after")),
    ]
else:
    steps += [
        (found_window, grab(r"Бросить фишку в столбец 7", "drop: focus")),
        (lambda: any(g[0] == "drop: focus" and g[1] == "Бросить фишку в столбец 7" for g in focus_gains),
         lambda: (set_phase("drop"), press_space())),
        (quiet_after_settling, grab(r"Рейка 2 вправо", "slide: focus")),
        (lambda: any(g[0] == "slide: focus" and g[1] == "Рейка 2 вправо" for g in focus_gains),
         lambda: (set_phase("slide"), press_space())),
        (quiet_after_settling, lambda: (set_phase("hint"), press("ctrl+h"))),
        (said_on_focus("Подсказка: "), lambda: (set_phase("undo"), press("ctrl+z"))),
        (said_on_focus("Ход взят назад: сдвиг рейки 2 вправо."), lambda: set_phase("after")),
    ]
GLib.timeout_add(100, run_steps)
GLib.timeout_add_seconds(LIMIT_S, lambda: fail("no end of the move within %d s, waiting in phase '%s'" % (LIMIT_S, phase)))
try:
    pyatspi.Registry.start()
finally:
    pyatspi.Registry.deregisterEventListener(on_event, *EVENTS)

print("What the listener received, by phase:")
for when, line in received:
    print("  [%s] %s" % (when, line))

if not failures and not against_computer:
    moving = [g for g in focus_gains if g[0] == "slide"]
    for _, name, role, _, shown in moving:
        if not shown:
            failures.append("the focus went onto the hidden %s «%s»" % (role, name))
    if len(moving) > 2:
        failures.append("the focus moved %d times during the move, not at most once before it settled"
                        % (len(moving) - 1))
    if not moving:
        failures.append("the focus never came back to a button after the move")
    else:
        _, name, role, description, _ = moving[-1]
        said = SUMMARY.match(description)
        if not said:
            failures.append("the focused %s «%s» says «%s», not whose turn it is and the scores"
                            % (role, name, description))
        elif said.group(1) != "красные":
            failures.append("after blue's move it says «%s»" % description)
        else:
            blue = control(window, pyatspi.ROLE_LABEL, r"Синие: \d+")
            red = control(window, pyatspi.ROLE_LABEL, r"Красные: \d+")
            print("Score labels: «%s», «%s»" % (blue.name, red.name))
            if (blue.name, red.name) != ("Синие: " + said.group(2), "Красные: " + said.group(3)):
                failures.append("the labels «%s», «%s» differ from «%s»" % (blue.name, red.name, description))

game.terminate()
try:
    game.wait(timeout=10)
except subprocess.TimeoutExpired:
    game.kill()
    game.wait()
for why in failures:
    print("FAILED: " + why, file=sys.stderr)
sys.exit(1 if failures else 0)
