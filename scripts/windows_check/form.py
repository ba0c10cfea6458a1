"""The form vpa.exe under Wine, driven from outside: clicks and keys through
X where the form's table (form-places) puts each control, the focus and the
message boxes through vpa-probe.exe, which sees inside Wine."""
import re
import subprocess

from .paths import LINUX, SCREENSHOTS, WINDOWS
from .waits import wait_until
from .x11 import CAPTION, X


class Places:
    """The form's table at one dpi: name -> (left, top, width, height, tab)."""

    def __init__(self, dpi):
        table = subprocess.run([LINUX / "form-places", str(dpi)], check=True,
                               capture_output=True, text=True).stdout
        self.rows = {}
        for line in table.splitlines():
            name, *numbers = line.split()
            self.rows[name] = tuple(map(int, numbers))
        self.client = self.rows["Form1"][2:4]

    def __getitem__(self, name):
        if name not in self.rows:
            raise AssertionError(f"no control {name} in the form's table")
        return self.rows[name]

    def at(self, left, top):
        """The control of the tab order placed at (left, top), give or take a
        pixel of rounding."""
        for name, (x, y, _, _, tab) in self.rows.items():
            if tab >= 0 and abs(x - left) <= 2 and abs(y - top) <= 2:
                return name
        return None

    def tab_order(self, row):
        """The controls of a row with a place in the tab order, in it."""
        named = [(place[4], name) for name, place in self.rows.items()
                 if place[4] >= 0 and name.endswith(str(row))
                 and not name[-2].isdigit()]
        return [name for _, name in sorted(named)]


class Form:
    def __init__(self, session, folder, dpi=96, screen=None):
        self.wine = (session.need_display(screen) if screen
                     else session.need_display())
        self.wine.set_dpi(dpi)
        self.x = X(self.wine.env())
        self.places = Places(dpi)
        self.folder = folder
        self.process = None
        self.window = None

    # Starting and ending.
    def start(self, program=None):
        """Starts vpa.exe, or `program` (a Windows path to it)."""
        program = program or self.folder / "vpa.exe"
        self.process = self.wine.start([program], cwd=self.folder)
        self.window = self.wait_until(self._find, 60, "the window shows")
        self.wait_until(lambda: self.x.active() == self.window, 10,
                        "the shown window has the focus")
        # A click before the form has set its first focus can be lost.
        self.wait_until(self.focused, 10, "the form's first focus")

    def _find(self):
        size = self.places.client
        for window in self.x.search():
            if self.x.geometry(window)[2:4] == size:
                return window
        return None

    def ended(self):
        return self.process is None or self.process.poll() is not None

    def wait_ended(self, what, seconds=20):
        self.wait_until(self.ended, seconds, what)

    def exit(self):
        self.click("CmdExit")
        self.wait_ended("the window ends after Exit")

    def stop(self):
        """Ends the form and whatever it showed, if a case left it running."""
        if not self.ended():
            self.wine.kill()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(10)
        # Else the next form's search could find this one's window.
        self.wait_until(lambda: not self.x.search(), 10,
                        "the windows of an ended form go")

    # The detailer's hands.
    def activate(self, window=None):
        window = window or self.window
        self.x.activate(window)
        self.wait_until(lambda: self.x.active() == window, 5,
                        f"window {window} becomes the active one")

    def click(self, control):
        left, top, width, height, _ = self.places[control]
        self.activate()  # a window just restored takes a click as activation
        self.x.click(self.window, left + width // 2, top + height // 2)

    def click_into(self, control):
        """Clicks a box and waits for its focus, so that keys typed next go
        into it."""
        self.click(control)
        self.wait_until(lambda: self.focused() == control, 5,
                        lambda: f"a click on {control} gives it the focus "
                                f"(it is on {self.focused()})")

    def type(self, text):
        self.x.type(text)

    def key(self, name):
        self.x.key(name)

    # What the form shows.
    def probe(self, *command):
        done = self.wine.run([WINDOWS / "vpa-probe.exe", *command], 20)
        return done.returncode, done.stdout.decode().replace("\r", "")

    def focused(self):
        status, place = self.probe("focus")
        if status != 0:
            return None
        left, top, _, _ = map(int, place.split())
        return self.places.at(left, top)

    def messages(self):
        """Each message box's caption and text lines; [] when none shows."""
        status, text = self.probe("messages")
        return text.splitlines() if status == 0 else []

    def message_box(self, caption=CAPTION):
        boxes = [box for box in self.x.search(f"^{re.escape(caption)}$")
                 if box != self.window]
        return boxes[0] if boxes else None

    def press_ok(self):
        caption = self.messages()[0]
        box = self.wait_until(lambda: self.message_box(caption), 5,
                              f"the box '{caption}'")
        self.activate(box)
        self.key("Return")
        self.wait_until(lambda: not self.messages(), 10,
                        f"the message box '{caption}' closes")

    def minimise(self):
        self.x.minimise(self.window)
        self.wait_until(lambda: self.state() == "Iconic", 10, "minimised")

    def restore(self):
        """Brings the minimised window back and waits for its focus."""
        self.x.activate(self.window)
        self.wait_until(lambda: self.state() == "Normal", 10,
                        "the window comes back from minimised")
        self.activate()
        # Wine gives the focus back to a control a moment after X shows the
        # window; a click before that only activates the window.
        self.wait_until(self.focused, 10, "a focus after the restore")

    def state(self):
        """X's state of the window once Wine's agrees: "Iconic" or "Normal"
        (X tells a change before Wine has done it), else None."""
        state = self.x.state(self.window)
        wine = {"Iconic": "minimised", "Normal": "normal"}.get(state)
        return state if wine and self.probe("shown")[1].strip() == wine else None

    def screen_place(self, control):
        x, y, _, _ = self.x.geometry(self.window)
        left, top, width, height, _ = self.places[control]
        return x + left, y + top, width, height

    def screenshot(self, name, window=None):
        SCREENSHOTS.mkdir(parents=True, exist_ok=True)
        self.x.grab(*self.x.geometry(window or self.window), SCREENSHOTS / name)
        print(f"  screenshot: build-mingw/screenshots/{name}", flush=True)

    @staticmethod
    def wait_until(condition, seconds, what="the condition"):
        return wait_until(condition, seconds, what)
