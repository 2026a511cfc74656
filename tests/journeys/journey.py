"""What the journeys share: a private home for the installed programs, the accessibility tree
they are read through, keys and menu items, and the diary file read back with repbook-cli.

Nothing here looks inside the programs: they are driven and read as a screen reader would.
"""
import datetime
import json
import os
import shutil
import subprocess
import tempfile
import time

import pyatspi

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
POLL = 0.1


class JourneyFailed(AssertionError):
    pass


def wait_for(what, condition, timeout=60.0):
    """Polls condition until it returns something true; fails with what when it never does."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            result = condition()
            if result:
                return result
        except Exception as error:  # the tree changes under us while windows open and close
            last_error = error
        time.sleep(POLL)
    raise JourneyFailed(f"timed out waiting for {what}" +
                        (f" (last error: {last_error})" if last_error else ""))


def walk(node, depth=0, limit=40):
    """Every object below node, the node first."""
    if node is None or depth > limit:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1, limit)


def role(node):
    return node.getRoleName()


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find_all(root, role_name=None, name=None, prefix=None, contains=None, visible=True):
    found = []
    for node in walk(root):
        try:
            if role_name and role(node) != role_name:
                continue
            text = node.name or ""
            if name is not None and text != name:
                continue
            if prefix is not None and not text.startswith(prefix):
                continue
            if contains is not None and contains not in text:
                continue
            if visible and not showing(node):
                continue
            found.append(node)
        except Exception:
            continue
    return found


def find(root, **criteria):
    nodes = find_all(root, **criteria)
    return nodes[0] if nodes else None


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return node.name or ""


def item_text(node):
    """A menu item's or button's text without its mnemonic, shortcut and ellipsis."""
    return (node.name or "").split("\t")[0].replace("&", "").strip().removesuffix("...")


def click(node, button="1"):
    """Clicks the middle of the object on the screen, as the user does. (An accessible action
    would not return while the dialog it opens runs.)"""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if box.width <= 0 or box.height <= 0:
        raise JourneyFailed(f"{role(node)} {node.name!r} has no place on the screen")
    subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", button], check=True)


def press(node):
    click(node)


def dump(root, out=None):
    """The tree below root as indented lines of role, name and description (for a look)."""
    lines = []

    def visit(node, depth):
        try:
            lines.append("  " * depth + f"[{role(node)}] {node.name!r} {node.description!r}")
            for i in range(node.childCount):
                visit(node.getChildAtIndex(i), depth + 1)
        except Exception as error:
            lines.append("  " * depth + f"<{error}>")

    visit(root, 0)
    text = "\n".join(lines)
    if out:
        with open(out, "w", encoding="utf-8") as f:
            f.write(text + "\n")
    return text


class Session:
    """One private home with the installed programs started in it."""

    def __init__(self, prefix, name):
        self.prefix = prefix
        self.name = name
        self.dir = tempfile.mkdtemp(prefix=f"journey-{name}-")
        self.home = os.path.join(self.dir, "home")
        self.data = os.path.join(self.home, ".local/share/Ironvale/Repbook")
        self.database = os.path.join(self.data, "Database", "Database.rpd")
        self.runtime = os.path.join(self.dir, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        os.makedirs(os.path.join(self.home, ".config", "Ironvale"))
        self.processes = {}
        self.env = dict(os.environ)
        for key in ("REPBOOK_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS", "QT_QPA_PLATFORM"):
            self.env.pop(key, None)
        self.env.update(HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                        XDG_DATA_HOME=os.path.join(self.home, ".local/share"),
                        XDG_CACHE_HOME=os.path.join(self.home, ".cache"),
                        XDG_RUNTIME_DIR=self.runtime, QT_QPA_PLATFORM="xcb",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                        LANG="en_GB.UTF-8", LANGUAGE="en")

    # ---- the home ------------------------------------------------------------------------
    def user_data_filled(self):
        """Skips the first-run user data dialog, as after a first start."""
        with open(os.path.join(self.home, ".config/Ironvale/Repbook.conf"), "w") as f:
            f.write("[User]\nFilled=1\n")

    def sample_diary(self):
        """The README's sample diary: a four-day split around today."""
        tool = os.environ.get("REPBOOK_SAMPLE_DIARY",
                              os.path.join(ROOT, "build/bin/make_sample_diary"))
        subprocess.run([tool, "--screenshots", os.path.dirname(self.database)], check=True,
                       stdout=subprocess.DEVNULL)

    def cli(self, *args, check=True):
        result = subprocess.run([os.path.join(self.prefix, "bin/repbook-cli"), *args],
                                env=self.env, capture_output=True, text=True, timeout=60)
        if check and result.returncode != 0:
            raise JourneyFailed(f"repbook-cli {' '.join(args)}: {result.stderr.strip()}")
        return result.stdout

    def days(self):
        """The diary file's days by ISO date, read back with repbook-cli."""
        exported = json.loads(self.cli("export", "--format", "json"))
        return {day["date"]: day for day in exported["days"]}

    # ---- the programs --------------------------------------------------------------------
    def start(self, program, application):
        log = open(os.path.join(self.dir, program + ".log"), "w")
        self.processes[program] = subprocess.Popen(
            [os.path.join(self.prefix, "bin", program)], env=self.env, cwd=self.dir,
            stdout=log, stderr=subprocess.STDOUT)
        return wait_for(f"{application} on the accessibility bus",
                        lambda: self.application(application), timeout=30)

    def application(self, name):
        process = self.processes.get(name.lower())
        if process is not None and process.poll() is not None:
            raise JourneyFailed(f"{name} ended with {process.returncode}; see {self.dir}")
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        return None

    def window(self, app, title, timeout=60.0):
        """The shown top-level window or dialog of app whose title is or begins with title."""
        def look():
            for i in range(app.childCount):
                node = app.getChildAtIndex(i)
                if node is not None and (node.name or "").startswith(title) and showing(node):
                    return node
            return None
        return wait_for(f'the window "{title}"', look, timeout)

    def gone(self, app, title, timeout=60.0):
        def look():
            for i in range(app.childCount):
                node = app.getChildAtIndex(i)
                if node is not None and (node.name or "").startswith(title) and showing(node):
                    return False
            return True
        wait_for(f'the window "{title}" to close', look, timeout)

    def ended(self, program, timeout=60.0):
        process = self.processes[program]
        wait_for(f"{program} to end", lambda: process.poll() is not None, timeout)
        return process.returncode

    def keys(self, *keys):
        """Keys as xdotool names them ("Return", "ctrl+z"), to the focused window."""
        subprocess.run(["xdotool", "key", "--delay", "30", *keys], check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "10", text], check=True)

    def open_tray_menu(self, program):
        """Right-clicks the program's icon in the notification area (trayer runs under Xvfb)."""
        pid = str(self.processes[program].pid)

        def icon():
            found = subprocess.run(["xdotool", "search", "--pid", pid], capture_output=True,
                                   text=True).stdout.split()
            for window in found:
                geometry = subprocess.run(["xdotool", "getwindowgeometry", window],
                                          capture_output=True, text=True).stdout
                size = geometry.split("Geometry:")[-1].strip().split("x")
                if len(size) == 2 and 0 < int(size[0]) <= 64 and 0 < int(size[1]) <= 64:
                    return window
            return None
        window = wait_for(f"{program}'s icon in the notification area", icon)
        subprocess.run(["xdotool", "mousemove", "--window", window, "4", "4", "click", "3"],
                       check=True)

    def focus(self, node):
        node.queryComponent().grabFocus()

    def menu(self, window, *path):
        """Chooses a menu item by the names of the menu path, e.g. ("Edit", "Undo")."""
        # The bar's items are found in the window, each opened menu's among every shown object.
        node = wait_for("the menu bar", lambda: find(window, role_name="menu bar", visible=False))
        for step in path:
            target = wait_for(f'the menu item "{step}"', lambda: next(
                (n for n in walk(node) if role(n) == "menu item" and
                 (item_text(n) == step or item_text(n).startswith(step + " ")) and
                 showing(n)), None))
            click(target)
            node = window.getApplication()

    def answer(self, app, button, title=None):
        """Presses button in the message box that is open now."""
        def box():
            for i in range(app.childCount):
                dialog = app.getChildAtIndex(i)
                if dialog is None or not showing(dialog) or role(dialog) not in ("dialog", "alert"):
                    continue
                if title and not (dialog.name or "").startswith(title):
                    continue
                found = find(dialog, role_name="push button", name=button)
                if found:
                    return found
            return None
        press(wait_for(f'the button "{button}"', box))

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], stderr=subprocess.DEVNULL)

    def dump_tree(self, path):
        """What the session's programs show, for a look after a failure."""
        with open(path, "w", encoding="utf-8") as out:
            for program in self.processes:
                try:
                    app = self.application(program.capitalize())
                    if app is not None:
                        out.write(dump(app) + "\n")
                except Exception as error:
                    out.write(f"{program}: {error}\n")

    def close(self):
        for process in self.processes.values():
            if process.poll() is None:
                process.kill()
                process.wait()
        if os.environ.get("JOURNEY_KEEP") != "1":
            shutil.rmtree(self.dir, ignore_errors=True)


def today():
    return datetime.date.today()


def long_date(date):
    """A date as the calendar's cells say it: "Monday 7 December 2026"."""
    return f"{date:%A} {date.day} {date:%B %Y}"
