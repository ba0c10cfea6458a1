"""The installer as a Windows user meets it, run silently: it installs for
the user alone, an upgrade goes where VPA is and keeps the templates a shop
changed, the uninstaller keeps the detailer's files, and setup changes
nothing while VPA runs from the folder or where it cannot write."""
import getpass
import pathlib
import subprocess

from . import fields
from .case import WindowsCase, windows_path
from .paths import PROGRAM, WINE_PREFIX, setup_exe, version
from .waits import wait_until

INSTALLED = ["vpa.exe", "vpa-macro.exe", "Pellavert.htm", "Uninstall.exe",
             "PythonFiles/WALLBEARANG.PY", "0PY", "TextFiles"]
UNINSTALL_KEY = (r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall"
                 r"\VPA")
EDITED = "PythonFiles/WALLBEARANGl.PY"
OLDER = "PythonFiles/WALLBEARANGr2.PY"


def fnv1a(data):
    """The hash setup notes in Setup.ini for each template it puts down."""
    value = 0x811C9DC5
    for byte in data:
        value = ((value ^ byte) * 16777619) & 0xFFFFFFFF
    return f"{value:08X}"


class Installer(WindowsCase):
    def setUp(self):
        super().setUp()
        self.wine = self.session.need_display()
        self.menu = (WINE_PREFIX / "drive_c" / "users" / getpass.getuser() /
                     "AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
                     "/VPA/VPA.lnk")
        # Each case starts on a machine without VPA.
        self.wine.run(["reg", "delete", UNINSTALL_KEY, "/f"], 60)
        self.menu.unlink(missing_ok=True)

    def setup(self, *args):
        return self.wine.run([setup_exe(), "/S", *args], 120).returncode

    def registered(self):
        return self.wine.run(["reg", "query", UNINSTALL_KEY], 60
                             ).returncode == 0

    def uninstall(self, folder):
        self.assertEqual(self.wine.run([folder / "Uninstall.exe", "/S"], 60
                                       ).returncode, 0, "the uninstaller")
        # The uninstaller runs on from a copy of itself.
        wait_until(lambda: not (folder / "Uninstall.exe").exists(), 30,
                   "the uninstaller removes itself")

    def default_folder(self):
        local_app = self.wine.run(["cmd", "/c", "echo", "%LOCALAPPDATA%"], 30
                                  ).stdout.decode().strip()
        unix = subprocess.run(["winepath", "-u", local_app],
                              env=self.wine.env(), capture_output=True,
                              text=True, timeout=30)
        return pathlib.Path(unix.stdout.strip()) / "Programs" / "VPA"

    def custom_folder(self):
        # Wine quotes an argument with a blank, and setup reads /D= only
        # unquoted.
        folder = self.place / "Shop-tools" / "VPA"
        folder.parent.mkdir(parents=True)
        self.assertEqual(self.setup(f"/D={windows_path(folder)}"), 0,
                         "setup into a folder of the user's choice")
        return folder

    def test_installer(self):
        folder = self.default_folder()
        self.assertEqual(self.setup(), 0, "the installer's exit status")
        for name in INSTALLED:
            self.assertTrue((folder / name).exists(),
                            f"the installer left out {name}")
        self.assertTrue(self.menu.exists(), "the Start-menu entry")
        fields.store(folder, "H1", "12")
        self.uninstall(folder)
        self.assertFalse((folder / "vpa.exe").exists(), "vpa.exe stays")
        self.assertTrue((folder / "TextFiles" / "H1.TXT").exists(),
                        "the uninstaller took TextFiles")
        self.assertFalse(self.menu.exists(), "the uninstaller left the menu")
        self.note(f"installed into {folder} and uninstalled; TextFiles kept")

    def test_upgrade_to_custom_folder(self):
        """An upgrade finds VPA in the folder the user chose, keeps the
        entries and a template the shop edited (the new one beside it), and
        replaces a template as an older setup left it."""
        folder = self.custom_folder()
        fields.store(folder, "H1", "1-0 1/2")
        entries = fields.snapshot(folder)
        edited = (folder / EDITED).read_bytes() + b"# shop's own line\r\n"
        (folder / EDITED).write_bytes(edited)
        older = b"# as an older setup put it down\r\n"
        (folder / OLDER).write_bytes(older)
        # The record, in whichever encoding the system's INI writer chose.
        record = folder / "Setup.ini"
        data = record.read_bytes()
        coding = "utf-16" if data[:2] == b"\xff\xfe" else "latin-1"
        shipped = fnv1a((PROGRAM / OLDER).read_bytes())
        self.assertIn(shipped, data.decode(coding), "the record of setup")
        record.write_bytes(data.decode(coding).replace(
            shipped, fnv1a(older)).encode(coding))
        self.assertEqual(self.setup(), 0, "the upgrade's exit status")
        self.assertFalse((self.default_folder() / "vpa.exe").exists(),
                         "the upgrade made a second copy in the default place")
        self.assertEqual(fields.snapshot(folder), entries, "the entries")
        self.assertEqual((folder / EDITED).read_bytes(), edited,
                         "the shop's template")
        beside = folder / f"PythonFiles/WALLBEARANGl (VPA {version()}).PY"
        self.assertEqual(beside.read_bytes(), (PROGRAM / EDITED).read_bytes(),
                         "the new template beside the shop's")
        self.assertEqual((folder / OLDER).read_bytes(),
                         (PROGRAM / OLDER).read_bytes(),
                         "the template as setup left it is replaced")
        self.note(f"upgraded in {folder}; kept {EDITED}, new one as "
                  f"{beside.name}; replaced {OLDER}")

    def test_uninstall_keeps_users_files(self):
        folder = self.custom_folder()
        fields.store(folder, "H1", "12")
        (folder / "0PY" / "0.PY").write_bytes(b"# the last macro\r\n")
        (folder / "PythonFiles" / "MINE.PY").write_bytes(b"# my macro\r\n")
        (folder / EDITED).write_bytes(b"# the shop's template\r\n")
        self.uninstall(folder)
        left = sorted(str(path.relative_to(folder))
                      for path in folder.rglob("*") if path.is_file())
        self.assertEqual(left, ["0PY/0.PY", "PythonFiles/MINE.PY", EDITED,
                                "TextFiles/H1.TXT"])
        self.assertFalse(self.menu.exists(), "the Start-menu entry stays")
        self.assertFalse(self.registered(), "the Apps entry stays")
        self.note("left after uninstall: " + ", ".join(left))

    def test_setup_while_vpa_runs(self):
        folder = self.custom_folder()
        before = {path: path.read_bytes() for path in folder.rglob("*")
                  if path.is_file()}
        form = self.form(folder=folder)
        form.start()
        status = self.setup(f"/D={windows_path(folder)}")
        self.assertNotEqual(status, 0, "setup while VPA runs")
        after = {path: path.read_bytes() for path in folder.rglob("*")
                 if path.is_file()}
        self.assertEqual(after, before, "setup changed the folder")
        form.exit()
        self.note(f"setup while VPA runs: exit {status}, nothing changed")

    def test_unwritable_target(self):
        """A target setup cannot write (here under a file, which no user
        can write into): a non-zero exit, no Start-menu or Apps entry."""
        blocker = self.place / "a-file"
        blocker.write_bytes(b"")
        status = self.setup(f"/D={windows_path(blocker / 'VPA')}")
        self.assertNotEqual(status, 0, "setup into a folder it cannot write")
        self.assertFalse(self.menu.exists(), "a Start-menu entry was made")
        self.assertFalse(self.registered(), "an Apps entry was made")
        self.note(f"setup into {blocker / 'VPA'}: exit {status}, no entries")
