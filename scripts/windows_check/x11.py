"""What the check asks X about windows, through xdotool, xwininfo, xprop and
ImageMagick's import."""
import re
import subprocess

CAPTION = "SDS/2 Macro. Vertical Plain Angles"


class X:
    def __init__(self, env):
        self.env = env

    def out(self, *command, seconds=10):
        try:
            done = subprocess.run(command, env=self.env, capture_output=True,
                                  timeout=seconds)
        except subprocess.TimeoutExpired:
            return ""
        return done.stdout.decode(errors="replace")

    def search(self, pattern=f"^{re.escape(CAPTION)}$"):
        return self.out("xdotool", "search", "--name", pattern).split()

    def geometry(self, window):
        """(x, y, width, height) of the window on the screen."""
        info = self.out("xwininfo", "-id", window)

        def number(label):  # -1 for a window gone meanwhile
            found = re.search(label + r":\s+(-?\d+)", info)
            return int(found.group(1)) if found else -1

        return (number("Absolute upper-left X"), number("Absolute upper-left Y"),
                number("Width"), number("Height"))

    def state(self, window):
        found = re.search(r"window state: (\w+)",
                          self.out("xprop", "-id", window, "WM_STATE"))
        return found.group(1) if found else None

    def active(self):
        return self.out("xdotool", "getactivewindow").strip()

    def activate(self, window):
        self.out("xdotool", "windowactivate", window, seconds=5)

    def key(self, name):
        self.out("xdotool", "key", name)

    def hold(self, name, presses):
        """Presses a key `presses` times before letting it go, as a key held
        down repeats."""
        self.out("xdotool", *(["keydown", name] * presses), "keyup", name)

    def minimise(self, window):
        self.out("xdotool", "windowminimize", window, seconds=5)

    def set_clipboard(self, text):
        subprocess.run(["xclip", "-selection", "clipboard"], env=self.env,
                       input=text.encode(), check=True, timeout=10)

    def type(self, text):
        self.out("xdotool", "type", text)

    def click(self, window, x, y):
        self.out("xdotool", "mousemove", "--window", window, str(x), str(y),
                 "click", "1")

    def clipboard(self):
        return self.out("xclip", "-o", "-selection", "clipboard")

    def grab(self, x, y, width, height, path):
        self.out("import", "-window", "root", "-crop",
                 f"{width}x{height}+{x}+{y}", str(path))

    def count_colour(self, x, y, width, height, colour):
        pixels = self.out("import", "-window", "root", "-crop",
                          f"{width}x{height}+{x}+{y}", "-depth", "8", "txt:-")
        return pixels.count(colour)
