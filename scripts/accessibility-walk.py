#!/usr/bin/python3
"""Walks the program's windows by Tab through the accessibility bus (AT-SPI) and checks that every
focus stop has a name a screen reader can speak and that Tab comes back to where it started.

Run by scripts/accessibility-check.sh, which starts the display, the buses and the program with the
sample wallet open. Keys are sent with xdotool, as a user types them; what has the focus is read from
the focus events the program sends on the accessibility bus."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

MAX_STOPS = 60
focus_events = []


def on_focus(event):
    if event.detail1 == 1:
        focus_events.append(event.source)


def pump(seconds):
    """Lets the accessibility events in for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)


def wait_for_focus(seconds=3.0):
    """The object that got the focus last, once the focus has come to rest."""
    end = time.monotonic() + seconds
    seen = len(focus_events)
    while time.monotonic() < end:
        pump(0.15)
        if len(focus_events) > seen:
            seen = len(focus_events)
            pump(0.15)
            if len(focus_events) == seen:
                break
    return focus_events[-1] if focus_events else None


def describe(accessible):
    try:
        return "%s %r" % (accessible.getRoleName(), accessible.name)
    except Exception as error:  # an object that went away
        return "<gone: %s>" % error


def window_of(accessible):
    node = accessible
    while node is not None:
        try:
            if node.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW):
                return node.name
            node = node.parent
        except Exception:
            return None
    return None


def name_of(accessible):
    """What a screen reader says for the object: its name, for a table cell its text."""
    name = accessible.name
    if not name:
        try:
            name = accessible.queryText().getText(0, -1)
        except NotImplementedError:
            pass
    return name.strip() if name else ""


def walk(title, failures):
    """Presses Tab from the focused object until the focus is back there; returns the stops."""
    start = wait_for_focus()
    if start is None:
        failures.append("%s: nothing has the focus" % title)
        return []
    stops = [start]
    for _ in range(MAX_STOPS):
        key("Tab")
        now = wait_for_focus()
        if now == start:
            break
        # A date field takes Tab from one part of the date to the next before it lets go.
        if now == stops[-1]:
            continue
        if now is None or now in stops:
            failures.append("%s: Tab does not come back to %s but goes round at %s"
                            % (title, describe(start), describe(now)))
            break
        stops.append(now)
    else:
        failures.append("%s: Tab does not come back to %s within %d stops" % (title, describe(start), MAX_STOPS))
    for stop in stops:
        if not name_of(stop):
            failures.append("%s: no accessible name for %s" % (title, describe(stop)))
    print("%-24s %2d stops: %s" % (title, len(stops), ", ".join(describe(s) for s in stops)))
    return stops


def open_window(keys, title, failures):
    """Opens a window by keys (none: it is opening already) and waits until the focus is inside it."""
    if keys:
        key(*keys)
    end = time.monotonic() + 10
    while time.monotonic() < end:
        now = wait_for_focus(1.0)
        if now is not None and window_of(now) == title:
            return True
    failures.append("%s did not open (focus in %r)" % (title, window_of(focus_events[-1]) if focus_events else None))
    return False


def open_import_preview(path, failures):
    """File > Import… of a file: the file dialog and then the preview, both titled "Import"."""
    key("alt+f", "i")
    if not open_window([], "Import", failures):
        return False
    subprocess.run(["xdotool", "type", "--delay", "20", path], check=True)
    key("Return")
    end = time.monotonic() + 10
    while time.monotonic() < end:
        now = wait_for_focus(1.0)
        if now is not None and window_of(now) == "Import" and name_of(now) in PREVIEW_STOPS:
            return True
    failures.append("the import preview did not open (focus on %s)"
                    % (describe(focus_events[-1]) if focus_events else None))
    return False


# What has the focus when the import preview opens.
PREVIEW_STOPS = ("Summary of the import", "Rows of the file")


def main():
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    failures = []
    total = 0

    # The main window, from the find field.
    key("ctrl+f")
    total += len(walk("main window", failures))

    # The generator, Preferences and the expiring list.
    for keys, title in ((["ctrl+g"], "Generate Password"),
                        (["alt+f", "p"], "Preferences"),
                        (["ctrl+shift+e"], "Expiring")):
        if open_window(keys, title, failures):
            total += len(walk(title, failures))
            key("Escape")
            wait_for_focus()

    # The ten account dialogs, through Account > New, in the menu's order.
    types = ["Email Account", "Web Site Account", "Bank Account", "Insurance Account", "Credit Card Account",
             "Medical Record", "Calling Card Account", "Purchased Item Record", "Software Record", "Reference"]
    for row, title in enumerate(types):
        keys = ["alt+a", "Right"] + ["Down"] * row + ["Return"]
        if open_window(keys, title, failures):
            total += len(walk(title, failures))
            key("Escape")
            wait_for_focus()

    # The import preview of a few logins: however many rows it shows, it stays a short Tab cycle.
    windows = 14
    if open_import_preview(os.environ["QUORRIL_IMPORT_FILE"], failures):
        total += len(walk("Import preview", failures))
        windows += 1
        key("Escape")
        wait_for_focus()

    print("%d focus stops checked in %d windows" % (total, windows))
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
