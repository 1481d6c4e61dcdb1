# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a screen reader meets it, through the assistive-technology service (AT-SPI).

Run by accessibility.sh on a private session bus under a virtual display: argv = program, button demo
(brizel-render), work folder. Walks the tree of every window and checks roles, names, states, actions and
key bindings against the table below, then drives the program by actions only.
"""

import os
import subprocess
import sys
import time

import pyatspi

PROGRAM, DEMO, WORK = sys.argv[1:4]
PICS = os.path.join(os.path.dirname(PROGRAM), "pics")
SETTINGS = os.path.join(os.environ["XDG_CONFIG_HOME"], "Pinsola", "Pinsola.conf")
# A call that waits for a window it opened would hold up the screen reader: the client gives up after
# this long, well before a person would.
pyatspi.setTimeout(4000, 30000)
ANSWER_SECONDS = 2.0

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def wait_for(find, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree changes while it is walked
            found = None
        if found:
            return found
        time.sleep(0.1)
    return None


def fresh(acc):
    if acc is not None:
        acc.clearCache()
    return acc


def said(acc):
    """What a screen reader says of `acc` beyond its name; None where there is nothing."""
    return fresh(acc).description if acc is not None else None


def children(acc):
    fresh(acc)
    return [c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c is not None]


def states(acc):
    return fresh(acc).getState()


def showing(acc):
    return states(acc).contains(pyatspi.STATE_SHOWING)


def find(root, name=None, role=None, depth=12):
    """The first object shown below `root` (itself included) with this name and role name, depth first."""
    if root is None or not showing(root):
        return None
    if (name is None or root.name == name) and (role is None or root.getRoleName() == role):
        return root
    if depth == 0 or root.getRoleName() in ("list", "list item"):
        return None
    for child in children(root):
        hit = find(child, name, role, depth - 1)
        if hit is not None:
            return hit
    return None


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == name:
            return app
    return None


def window_of(app, name, role=None):
    for window in children(app):
        if window.name.strip() == name and (role is None or window.getRoleName() == role) and showing(window):
            return window
    return None


def actions(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return {}
    return {action.getName(i): action.getKeyBinding(i) for i in range(action.nActions)}


def act(acc, name="Press"):
    """Runs the action and says how long the call took to come back."""
    action = acc.queryAction()
    index = [action.getName(i) for i in range(action.nActions)].index(name)
    started = time.monotonic()
    action.doAction(index)
    return time.monotonic() - started


def answered_at_once(acc, what, name="Press"):
    if not check(acc is not None, f"{what}: found"):
        return False
    try:
        seconds = act(acc, name)
    except Exception as error:  # the client gave up waiting
        return check(False, f"{what}: the action answers ({error})")
    return check(seconds < ANSWER_SECONDS, f"{what}: the action answers at once ({seconds:.1f} s)")


def extents(acc):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def settings():
    with open(SETTINGS, encoding="utf-8") as stored:
        return dict(line.strip().split("=", 1) for line in stored if "=" in line)


# What every control of a window says of itself, in English: name, role, the states it has ("+") or has
# not ("-"), its actions with their key bindings (None: any binding), a description where it matters.
ROWS = [
    # window, name, role, states, actions, description
    ("Pinsola", "Pinsola", "frame", "", {}, None),
    ("Pinsola", "New page", "push button", "+focusable", {"Press": "Ctrl+N"}, None),
    ("Pinsola", "Undo the last line", "push button", "-enabled", {}, None),
    ("Pinsola", "Save drawing", "push button", "+focusable", {"Press": "Ctrl+S"}, None),
    ("Pinsola", "Print drawing", "push button", "", {"Press": "Ctrl+P"}, None),
    ("Pinsola", "Help and info", "push button", "", {"Press": "F1"}, None),
    ("Pinsola", "Sound on/off", "check box", "-checked", {"Press": ""}, None),
    ("Pinsola", "Close Pinsola", "push button", "", {"Press": "Ctrl+Q"}, None),
    ("Pinsola", "English", "radio button", "+checked +focusable", {"Press": ""},
     "Language of the program"),
    ("Pinsola", "Deutsch", "radio button", "-checked +focusable", {"Press": ""}, None),
    ("Pinsola", "Français", "radio button", "-checked", {"Press": ""}, None),
    ("Pinsola", "Drawing area", "canvas", "+focusable", {}, "Draw here with the mouse"),
    ("Drawing lessons", "Drawing lessons", "frame", "", {}, None),
    ("Drawing lessons", "Picture to draw", None, "", {}, "Buttercup, step 2 of 6"),
    ("Drawing lessons", "Next", "push button", "", {"Press": "PgDown"}, None),
    ("Drawing lessons", "Back", "push button", "", {"Press": "PgUp"}, None),
    ("Drawing lessons", "Grid on/off", "check box", "+checked", {"Press": ""}, None),
    ("Drawing lessons", "Bigger or smaller picture", "check box", "+checked", {"Press": ""}, None),
    ("Drawing lessons", "Tracing on/off", "check box", "-checked", {"Press": ""}, None),
    ("Choose colour and pen size", "Choose colour and pen size", "frame", "", {}, None),
    ("Choose colour and pen size", "Colour palette", "list", "+focusable", {}, None),
    ("Choose colour and pen size", "Pen colour", None, "", {}, "Black"),
    ("Choose colour and pen size", "Pen size", "slider", "+focusable", {}, None),
]


def has_states(acc, wanted):
    present = states(acc)
    names = {"focusable": pyatspi.STATE_FOCUSABLE, "enabled": pyatspi.STATE_ENABLED,
             "checked": pyatspi.STATE_CHECKED}
    return all(present.contains(names[word[1:]]) == (word[0] == "+") for word in wanted.split())


def check_rows(app):
    for window_name, name, role, wanted, wanted_actions, description in ROWS:
        window = wait_for(lambda: window_of(app, window_name), 5)
        acc = find(window, name, role) if window else None
        what = f"{window_name} / {name}"
        if not check(acc is not None, f"{what}: found as {role}"):
            continue
        check(has_states(acc, wanted), f"{what}: states {wanted or 'any'}")
        offered = actions(acc)
        for action, binding in wanted_actions.items():
            check(action in offered and (binding == "" or binding in offered[action].split(";")),
                  f"{what}: action {action} [{binding}] among {offered}")
        if description is not None:
            check(said(acc) == description, f"{what}: says \"{said(acc)}\"")


def main():
    program = subprocess.Popen([PROGRAM])
    try:
        run(program)
    finally:
        if program.poll() is None:
            program.kill()
        program.wait()
    about_window_of_the_button_library()
    if failures:
        print(f"{len(failures)} expectations failed", file=sys.stderr)
        sys.exit(1)


def run(program):
    app = wait_for(lambda: application("pinsola"), 30)
    if not check(app is not None, "the program is on the assistive-technology bus"):
        return
    # The drawing window is the one with the canvas, once the start screen has gone.
    drawing = wait_for(lambda: next((w for w in children(app) if showing(w) and find(w, "Drawing area")), None),
                       30)
    if not check(drawing is not None, "the drawing window is shown"):
        return
    viewer = wait_for(lambda: window_of(app, "Drawing lessons"), 10)
    picture = find(viewer, "Picture to draw")
    check(said(picture) == "Buttercup, step 1 of 6", f"the lesson picture names flower and step: {said(picture)}")
    answered_at_once(find(viewer, "Next", "push button"), "Next")
    check(wait_for(lambda: said(picture) == "Buttercup, step 2 of 6", 5),
          f"Next steps the lesson: \"{said(picture)}\"")
    check_rows(app)
    colours = window_of(app, "Choose colour and pen size")
    slider = find(colours, "Pen size", "slider")
    slider.queryValue().currentValue = 12
    check(wait_for(lambda: find(colours, "12") is not None, 5), "the slider's value sets the pen size")
    picked = pick_colour(colours)
    help_menu(app, drawing)
    save_through_the_name_box(app, drawing)
    error_window(app, drawing)
    open_from_the_file_list(app, drawing, viewer)
    switch_to_german(drawing)
    close_program(app, drawing, program, picked)


def pick_colour(colours):
    """Picks a colour of the palette by its cell's action; its name, or None."""
    palette = find(colours, "Colour palette", "list")
    cells = children(palette) if palette else []
    if not check(len(cells) == 114, f"the palette lists its 114 colours ({len(cells)})"):
        return None
    names = [cell.name for cell in cells]
    check(names.count("White") == 1 and names.count("Black") == 1 and
          all(name for name in names) and len(set(names)) == len(names),
          "every colour has a name of its own")
    red = cells[2]
    check(all(word in actions(red) for word in ("Press", "SetFocus")) and
          states(red).contains(pyatspi.STATE_SELECTABLE), f"the colour cell {red.name} can be picked")
    answered_at_once(red, f"colour {red.name}")
    swatch = find(colours, "Pen colour")
    check(wait_for(lambda: said(swatch) == red.name, 5), f"Pen colour says the colour picked: \"{said(swatch)}\"")
    check(states(red).contains(pyatspi.STATE_SELECTED), "the picked colour is the selected cell")
    return red.name


def switch_to_german(drawing):
    german = find(drawing, "Deutsch")
    if check(german is not None and "Press" in actions(german), "the German flag can be pressed"):
        answered_at_once(german, "the German flag")
        check(wait_for(lambda: find(drawing, "Neues Blatt", "push button"), 5) is not None,
              "after the German flag the buttons speak German")
        check(has_states(german, "+checked") and not has_states(find(drawing, "English"), "+checked"),
              "the German flag is the checked one now")


def help_menu(app, drawing):
    button = find(drawing, "Help and info", "push button")
    answered_at_once(button, "Help and info")
    menu = wait_for(lambda: find(drawing, None, "popup menu", 1), 5)
    if not check(menu is not None, "the help menu is in the tree"):
        return
    items = [item.name for item in children(menu) if item.getRoleName() == "menu item"]
    check(items == ["&Help", "E-Mail", "&About Pinsola..."] or items == ["Help", "E-Mail", "About Pinsola..."],
          f"the help menu lists its three items: {items}")
    bx, by, bw, bh = extents(button)
    mx, my, _, _ = extents(menu)
    check(abs(mx - bx) <= 2 and (abs(my - (by + bh)) <= 2 or my < by),
          f"the help menu opens at its button ({mx},{my} by {bx},{by + bh})")
    about = next(item for item in children(menu) if "About" in item.name)
    answered_at_once(about, "About Pinsola...")
    info = wait_for(lambda: window_of(app, "Pinsola", "dialog"), 10)
    if check(info is not None, "the info window is a dialog"):
        answered_at_once(find(info, "OK", "push button"), "the info window's OK")
        check(wait_for(lambda: window_of(app, "Pinsola", "dialog") is None, 5), "OK closes the info window")


def name_box(app, name):
    """Types `name` into the save dialog's box through the text interface and presses OK."""
    box = wait_for(lambda: window_of(app, "Save drawing", "dialog"), 10)
    if not check(box is not None, "the name box comes up as a dialog"):
        return False
    text = find(box, None, "text")
    text.queryEditableText().setTextContents(name)
    check(text.queryText().getText(0, -1) == name, f"the name box holds \"{name}\"")
    answered_at_once(find(box, "OK", "push button"), "the name box's OK")
    return True


def save_through_the_name_box(app, drawing):
    answered_at_once(find(drawing, "Save drawing", "push button"), "Save drawing")
    if name_box(app, "tulip"):
        check(wait_for(lambda: os.path.exists(os.path.join(PICS, "tulip.bmp")), 10), "Save wrote tulip.bmp")


def error_window(app, drawing):
    answered_at_once(find(drawing, "Save drawing", "push button"), "Save drawing, for a name with a colon")
    if not name_box(app, "a:b"):
        return
    error = wait_for(lambda: window_of(app, "Fehler / Error!"), 10)
    if not check(error is not None and error.getRoleName() == "dialog", "the error window is a dialog"):
        return
    description = said(error)
    check("52" in description and "frmDraw" in description and "bzlButton_Click" in description,
          f"the error window's description is its message: \"{description}\"")
    answered_at_once(find(error, "Abbrechen Cancel", "push button"), "the error window's Cancel")
    check(wait_for(lambda: window_of(app, "Fehler / Error!") is None, 5), "Cancel closes the error window")


def open_from_the_file_list(app, drawing, viewer):
    subprocess.run(["convert", "-size", "40x30", "xc:rgb(255,0,0)", "BMP3:" + os.path.join(PICS, "red.bmp")],
                   check=True)
    answered_at_once(find(drawing, "Open a saved drawing", "push button"), "Open a saved drawing")
    listing = wait_for(lambda: find(viewer, "Saved drawings", "list"), 5)
    entry = wait_for(lambda: next((c for c in children(listing) if c.name == "red.bmp"), None), 10)
    if not check(entry is not None, "the file list lists red.bmp"):
        return
    row = children(listing).index(entry)
    try:
        listing.querySelection().selectChild(row)
    except NotImplementedError:
        listing.queryTable().addRowSelection(row)
    answered_at_once(find(viewer, "OK", "push button"), "the file panel's OK")
    canvas = find(drawing, "Drawing area")
    x, y, w, h = extents(canvas)
    shot = os.path.join(WORK, "canvas.png")

    def red_canvas():
        subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x + w // 2}+{y + h // 2}", shot], check=True)
        pixel = subprocess.run(["convert", shot, "-format", "%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],"
                                "%[fx:int(255*b+.5)]", "info:"], capture_output=True, text=True).stdout
        return pixel == "255,0,0"

    check(wait_for(red_canvas, 10), "OK opens the drawing picked in the file list onto the canvas")


def close_program(app, drawing, program, picked):
    close = find(drawing, "Pinsola beenden", "push button") or find(drawing, "Close Pinsola", "push button")
    answered_at_once(close, "Close Pinsola")
    question = wait_for(lambda: window_of(app, "Pinsola", "dialog") or window_of(app, "Pinsola", "alert"), 10)
    if not check(question is not None, "Close Pinsola asks its question"):
        return
    answered_at_once(find(question, "Ja", "push button") or find(question, "Yes", "push button"), "Yes")
    check(wait_for(lambda: program.poll() is not None, 15), "Yes ends the program")
    stored = settings()
    check(stored.get("Width") == "12", f"the pen size is stored: {stored.get('Width')}")
    red, green, blue = [int(part.split()[-1]) for part in picked.split(",")] if picked else (0, 0, 0)
    check(picked is not None and stored.get("Color") == str(red + 256 * green + 65536 * blue),
          f"the colour picked is stored: {stored.get('Color')}")


def about_window_of_the_button_library():
    demo = subprocess.Popen([DEMO, "--window"])
    try:
        app = wait_for(lambda: application("brizel-render"), 30)
        about = wait_for(lambda: next((w for w in children(app) if w.name.startswith("About")), None), 15) \
            if app else None
        if check(about is not None, "the button library's about window is in the tree"):
            check(about.getRoleName() == "dialog", f"the button library's about window is a dialog "
                                                   f"({about.getRoleName()})")
    finally:
        demo.kill()
        demo.wait()


if __name__ == "__main__":
    main()
