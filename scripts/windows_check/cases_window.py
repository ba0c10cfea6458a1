"""The window at 100 % and 150 %: its size, stored rows, Run, the
clipboard, a second launch, a refused row and saving at Exit."""
import subprocess

from . import fields
from .case import WindowsCase, windows_path
from .paths import LINUX, WINE_PREFIX


def check_size(case, form, percent):
    size = form.x.geometry(form.window)[2:4]
    case.assertEqual(size, form.places.client, "the client area")
    case.note(f"client area at {percent} %: {size[0]} x {size[1]}")
    form.screenshot(f"window-{percent}.png")


class Window(WindowsCase):
    def test_window_at_100(self):
        form = self.form()
        seeded = fields.snapshot(form.folder)
        form.start()
        check_size(self, form, 100)
        form.exit()
        self.assertEqual(fields.snapshot(form.folder), seeded,
                         "Exit did not save the fields as they were stored")
        self.note(f"Exit saved the {len(seeded)} stored fields as they came")

    def run_row_1(self, form):
        form.click("Go1")
        form.wait_until(lambda: form.state() == "Iconic", 10,
                        "Run on row 1 minimises the window")

    def test_run_row_1(self):
        form = self.started_form()
        self.run_row_1(form)
        written = self.assertSameMacro(form.folder, "Run on row 1",
                                       "write", "--row", "1")
        self.note(f"Run on row 1 wrote the Linux build's {len(written)} bytes")
        expected = windows_path(form.folder / "0PY" / "0.PY")
        self.assertEqual(form.x.clipboard().replace("\r", ""), expected,
                         "the clipboard")

    def test_second_launch(self):
        form = self.started_form()
        self.run_row_1(form)
        done = form.wine.run([form.folder / "vpa.exe"], 30, cwd=form.folder)
        self.assertEqual(done.returncode, 0, "a second launch's exit status")
        form.wait_until(lambda: form.state() == "Normal", 10,
                        "a second launch restores the window")
        self.assertEqual(len(form.x.search()), 1, "windows of the caption")

    def test_second_launch_through_another_drive(self):
        """The same folder reached through a second drive letter is the same
        folder: the launch brings the running window back. Wine numbers a
        volume by the drive letters it has, so Y: is mapped before the
        window starts by Z:."""
        form = self.form()
        drive = WINE_PREFIX / "dosdevices" / "y:"
        drive.unlink(missing_ok=True)
        drive.symlink_to(form.folder.parent)
        self.addCleanup(drive.unlink)
        form.start(windows_path(form.folder / "vpa.exe"))
        self.run_row_1(form)
        launch = form.wine.start(["Y:\\VPA\\vpa.exe"], form.folder)
        form.wait_until(lambda: launch.poll() is not None, 20,
                        lambda: "the launch by Y: hands over and ends "
                        f"(windows: {len(form.x.search())})")
        self.assertEqual(launch.returncode, 0, "the launch's exit status")
        form.wait_until(lambda: form.state() == "Normal", 10,
                        "a launch by Y: restores the window")
        self.assertEqual(len(form.x.search()), 1, "windows of the caption")

    def test_refused_row(self):
        form = self.started_form()
        form.click("Go2")
        box = form.wait_until(form.message_box, 10, "row 2 is refused")
        said = form.wait_until(form.messages, 10, "the refusal's text")
        form.screenshot("refused-100.png", box)
        self.note("row 2: " + ": ".join(said))
        self.assertFalse((form.folder / "0PY" / "0.PY").exists(),
                         "a refused row wrote a macro")
        form.press_ok()
        form.exit()


    def test_focus_after_restore(self):
        """Back from the taskbar, the focus is where it was before any Run,
        and on the Run! of the last row run after one."""
        form = self.started_form()
        self.expect_focus_after_restore(form, "zzV3", "zzV3", "before any Run")
        self.run_row_1(form)
        form.restore()
        self.expect_focus_after_restore(form, "zzH2", "Go1", "after a Run")
        form.exit()

    def expect_focus_after_restore(self, form, clicked, expected, when):
        form.click_into(clicked)
        form.minimise()
        form.restore()
        form.wait_until(lambda: form.focused() == expected, 5,
                        lambda: f"the focus {when} is on {expected}, not "
                                f"{form.focused()}")

    def test_pasted_line_break(self):
        """A cell copied from a spreadsheet ends in a line break: the box
        keeps the line, and the field is saved as one line."""
        form = self.started_form()
        form.click_into("zzV4")
        form.x.set_clipboard("1-0 1/2\r\n")
        form.key("ctrl+v")
        form.click_into("zzV5")
        form.x.set_clipboard("2\t6")
        form.key("ctrl+v")
        form.exit()
        saved = form.folder / "TextFiles"
        self.assertEqual((saved / "V4.TXT").read_bytes(), b"1-0 1/2\r\n")
        self.assertFalse((saved / "V5.TXT").exists() and
                         b"\t" in (saved / "V5.TXT").read_bytes(),
                         "a pasted tab was kept")

    def test_characters_the_store_lacks(self):
        """What the code page lacks shows as its plain twin or as a "?":
        a typed minus sign, a pasted fraction slash after a blank line; a
        third stands as "?" and stays after more typing. Entries are saved
        as they are typed."""
        form = self.started_form()
        saved = form.folder / "TextFiles"
        seeded = (saved / "L5.TXT").read_bytes()[:-2]
        form.click_into("zzL5")
        form.type("9")
        form.click_into("zzV4")
        form.x.set_clipboard("\r\n1\u20442\r\n")
        form.key("ctrl+v")
        form.click_into("zzV5")
        form.probe("type", "2212", "36", "1D7D9")  # minus, 6, a double-struck 1
        form.click_into("zzL5")
        form.key("End")
        form.x.set_clipboard("1\u2153")
        form.key("ctrl+v")
        form.type("5")
        form.screenshot("stand-in-100.png")
        form.wait_until(
            lambda: (saved / "V5.TXT").read_bytes() == b"-61\r\n", 5,
            "V5 saved as typed")
        self.assertEqual((saved / "V4.TXT").read_bytes(), b"1/2\r\n")
        form.wait_until(
            lambda: (saved / "L5.TXT").read_bytes() == seeded + b"91?5\r\n",
            5, "L5 saved with its stand-in")

    def test_spoken_names(self):
        """Each control's name as a screen reader reads it back is the
        form's."""
        form = self.started_form()
        status, names = form.probe("names")
        expected = subprocess.run([LINUX / "form-places", "--names"],
                                  check=True, capture_output=True,
                                  text=True).stdout
        self.assertEqual(status, 0)
        self.assertEqual(names.splitlines(), expected.splitlines())
        self.note(f"{len(expected.splitlines())} names read back")
        form.exit()


class Scaled(WindowsCase):
    def test_window_at_150(self):
        form = self.form(dpi=144)
        form.start()
        check_size(self, form, 150)
        form.exit()

