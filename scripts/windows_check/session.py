"""The Wine prefix and the X display of one run of the check, both its own.

The display is started with -displayfd, so Xvfb itself picks a free number
and tells it once it holds it; no other user's display is ever used."""
import os
import shutil
import signal
import subprocess

from .paths import WINE_PREFIX
from .waits import wait_until

DPI_KEYS = [r"HKCU\Control Panel\Desktop",
            r"HKLM\System\CurrentControlSet\Hardware Profiles\Current"
            r"\Software\Fonts"]


def quiet(command, seconds, **options):
    """Runs a command to its end within `seconds`; returns its exit status."""
    try:
        return subprocess.run([str(part) for part in command],
                              stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL,
                              timeout=seconds, **options).returncode
    except subprocess.TimeoutExpired:
        return None


class Display:
    """An Xvfb with openbox, so that windows can be minimised."""

    SCREEN = "1920x1080"

    def __init__(self):
        self.processes = []
        self.name = None
        self.screen = None

    def start(self, screen=SCREEN):
        self.screen = screen
        try:
            self._start_xvfb()
            self.processes.append(subprocess.Popen(
                ["openbox"], env=self.env(), stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL))
            wait_until(self._has_window_manager, 10,
                       "openbox manages the display")
        except BaseException:
            self.stop()
            raise

    def _start_xvfb(self):
        reader, writer = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-screen", "0",
             f"{self.screen}x24",
             "-nolisten", "tcp"], pass_fds=[writer],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(xvfb)
        os.close(writer)
        with os.fdopen(reader) as told:
            number = told.readline().strip()  # written once Xvfb holds it
        if not number.isdigit() or xvfb.poll() is not None:
            raise RuntimeError("Xvfb did not start")
        self._verify_lock(number, xvfb.pid)
        self.name = f":{number}"

    @staticmethod
    def _verify_lock(number, pid):
        """Xvfb names only a display whose socket it could take; where it
        also keeps a lock file, that file must name it."""
        try:
            with open(f"/tmp/.X{number}-lock") as lock:
                owner = int(lock.read().strip())
        except FileNotFoundError:
            return
        if owner != pid:
            raise RuntimeError(f"display :{number} is held by process {owner}")

    def _has_window_manager(self):
        done = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                              env=self.env(), capture_output=True, text=True)
        return "window id" in done.stdout

    def env(self):
        return {**os.environ, "DISPLAY": self.name}

    def stop(self):
        for process in reversed(self.processes):
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
        self.processes = []
        self.name = None


class Wine:
    """A fresh Wine prefix inside the build folder, at a dpi of choice."""

    def __init__(self, display):
        self.display = display
        self.dpi = 96
        self.booting = None

    def env(self):
        env = {**os.environ, "WINEPREFIX": str(WINE_PREFIX), "WINEDEBUG": "-all",
               "WINEDLLOVERRIDES": "winemenubuilder.exe=d;mscoree=d"}
        env.pop("DISPLAY", None)
        if self.display.name:
            env["DISPLAY"] = self.display.name
        return env

    def start_boot(self):
        """Makes the prefix afresh in the background; finish_boot waits."""
        self.kill()
        shutil.rmtree(WINE_PREFIX, ignore_errors=True)
        WINE_PREFIX.parent.mkdir(parents=True, exist_ok=True)  # Wine won't
        self.booting = subprocess.Popen(
            ["wineboot", "-i"], env=self.env(), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)

    def finish_boot(self):
        try:
            status = self.booting.wait(120)
        except subprocess.TimeoutExpired:
            status = None
        if status != 0:
            raise RuntimeError("wineboot did not finish")
        # Wine has no Arial; Liberation Sans has its widths and then answers
        # to the name.
        self.reg_add(r"HKCU\Software\Wine\Fonts\Replacements", "Arial",
                     "Liberation Sans")

    def reg_add(self, key, name, value, kind="REG_SZ"):
        quiet(["wine", "reg", "add", key, "/v", name, "/t", kind, "/d", value,
               "/f"], 60, env=self.env())

    def set_dpi(self, dpi):
        """Wine reads the dpi when its server starts: the server is ended
        (with every program of this prefix) before the change."""
        if dpi == self.dpi:
            return
        self.kill()
        for key in DPI_KEYS:
            self.reg_add(key, "LogPixels", str(dpi), "REG_DWORD")
        self.dpi = dpi

    def kill(self):
        """Ends every program of this prefix, and its server."""
        if WINE_PREFIX.exists():
            quiet(["wineserver", "-k"], 20, env=self.env())
            quiet(["wineserver", "-w"], 20, env=self.env())

    def run(self, command, seconds, cwd=None, extra_env=None):
        """Runs a Windows program to its end; its output with CR LF as LF."""
        return subprocess.run(["wine", *map(str, command)], cwd=cwd,
                              env={**self.env(), **(extra_env or {})},
                              capture_output=True, stdin=subprocess.DEVNULL,
                              timeout=seconds)

    def start(self, command, cwd):
        return subprocess.Popen(["wine", *map(str, command)], cwd=cwd,
                                env=self.env(), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)


class Session:
    """The display and the prefix, started when a case first needs them."""

    def __init__(self):
        self.display = Display()
        self.wine = Wine(self.display)
        self.booted = False
        self.boot_failure = None

    def start(self):
        """Boots the prefix while the build runs: it takes a while."""
        self.wine.start_boot()

    def need_wine(self):
        if not self.booted:
            try:
                self.wine.finish_boot()
            except RuntimeError as failed:
                self.boot_failure = failed
            self.booted = True
        if self.boot_failure:
            raise self.boot_failure  # for every case that needs Wine
        return self.wine

    def need_display(self, screen=Display.SCREEN):
        """Wine on a display of `screen` pixels ("1366x768"); a display of
        another size is ended first, with every program on it."""
        wine = self.need_wine()
        if self.display.name is not None and self.display.screen != screen:
            wine.kill()
            self.display.stop()
        if self.display.name is None:
            self.display.start(screen)
            # Programs started before it run on without the display.
            wine.kill()
        return wine

    def close(self):
        if self.wine.booting is not None:
            self.wine.kill()
            self.wine.booting.wait(20)
            shutil.rmtree(WINE_PREFIX, ignore_errors=True)
        self.display.stop()
