"""The installer installs for the user alone and uninstalls silently,
keeping the detailer's entries."""
import getpass
import pathlib
import subprocess

from . import fields
from .case import WindowsCase
from .paths import WINE_PREFIX, setup_exe
from .waits import wait_until

INSTALLED = ["vpa.exe", "vpa-macro.exe", "Pellavert.htm", "Uninstall.exe",
             "PythonFiles/WALLBEARANG.PY", "0PY", "TextFiles"]


class Installer(WindowsCase):
    def install_folder(self, wine):
        local_app = wine.run(["cmd", "/c", "echo", "%LOCALAPPDATA%"], 30
                             ).stdout.decode().strip()
        unix = subprocess.run(["winepath", "-u", local_app], env=wine.env(),
                              capture_output=True, text=True, timeout=30)
        return pathlib.Path(unix.stdout.strip()) / "Programs" / "VPA"

    def test_installer(self):
        wine = self.session.need_display()
        menu = (WINE_PREFIX / "drive_c" / "users" / getpass.getuser() /
                "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/VPA"
                "/VPA.lnk")
        self.assertEqual(wine.run([setup_exe(), "/S"], 120).returncode, 0,
                         "the installer's exit status")
        installed = self.install_folder(wine)
        for name in INSTALLED:
            self.assertTrue((installed / name).exists(),
                            f"the installer left out {name}")
        self.assertTrue(menu.exists(), "the Start-menu entry")
        fields.store(installed, "H1", "12")
        self.assertEqual(wine.run([installed / "Uninstall.exe", "/S"], 60
                                  ).returncode, 0, "the uninstaller's status")
        # The uninstaller runs on from a copy of itself.
        wait_until(lambda: not (installed / "vpa.exe").exists() and
                   not (installed / "Uninstall.exe").exists(), 30,
                   "the uninstaller removes the program")
        self.assertTrue((installed / "TextFiles" / "H1.TXT").exists(),
                        "the uninstaller took TextFiles")
        self.assertFalse(menu.exists(), "the uninstaller left the Start menu")
        self.note(f"installed into {installed} and uninstalled; TextFiles kept")
