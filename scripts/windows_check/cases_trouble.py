"""What a Windows user's machine throws at the form: a clipboard another
program holds, a template saved as Unicode, a paste longer than an edit box
takes, a laptop screen at 125 %, and a program folder without its
folders or its help page."""
import shutil
import subprocess

from .case import WindowsCase, windows_path
from .form import Places
from .paths import SCREENSHOTS, WINDOWS
from .waits import Timeout

TEMPLATES = ["WALLBEARANG.PY", "WALLBEARANGr2.PY", "WALLBEARANGl.PY",
             "WALLBEARANGla.PY", "WALLBEARANGl2.PY"]


class Trouble(WindowsCase):
    def hold_clipboard(self, wine):
        """vpa-probe holding the clipboard open until its input closes."""
        holder = subprocess.Popen(
            ["wine", WINDOWS / "vpa-probe.exe", "hold-clipboard"],
            env=wine.env(), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL)
        self.addCleanup(holder.wait, 20)
        self.addCleanup(holder.stdin.close)
        self.assertEqual(holder.stdout.readline().strip(), b"held")
        return holder

    def test_held_clipboard(self):
        """Run while another program holds the clipboard: the macro is
        written, the window stays, and one message shows the path; once the
        clipboard is free, Run! minimises as usual."""
        form = self.started_form()
        form.x.set_clipboard("the clipboard's former text")
        holder = self.hold_clipboard(form.wine)
        form.click("Go1")
        said = form.wait_until(form.messages, 15, "a message on the clipboard")
        path = windows_path(form.folder / "0PY" / "0.PY")
        form.screenshot("held-clipboard.png", form.message_box())
        self.assertIn("could not be put on the clipboard", " ".join(said))
        self.assertIn(path, said, "the path shown to copy")
        self.assertEqual(form.state(), "Normal", "the window minimised")
        self.assertTrue((form.folder / "0PY" / "0.PY").exists(),
                        "the macro is written")
        self.note("held: " + " | ".join(said))
        form.press_ok()
        holder.stdin.close()
        holder.wait(20)
        form.click("Go1")
        form.wait_until(lambda: form.state() == "Iconic", 10,
                        "Run with the clipboard free minimises the window")
        self.assertEqual(form.x.clipboard().replace("\r", ""), path)

    def test_utf16_template(self):
        """Templates saved as Notepad's "Unicode": the window and vpa-macro
        refuse them by name, and the former macro stays."""
        form = self.form()
        python = form.folder / "PythonFiles"
        for name in TEMPLATES:
            text = (python / name).read_bytes().decode("cp1252")
            (python / name).write_bytes(text.encode("utf-16"))
        macro = form.folder / "0PY" / "0.PY"
        macro.write_bytes(b"former macro\r\n")
        form.start()
        form.click("Go1")
        said = form.wait_until(form.messages, 10, "the refusal")
        form.screenshot("utf16-template.png", form.message_box())
        self.assertRegex(" ".join(said), r"WALLBEARANG\w*\.PY.*UTF-16")
        self.assertEqual(form.state(), "Normal", "the window minimised")
        self.note("window: " + " | ".join(said))
        form.press_ok()
        form.exit()
        done = form.wine.run([form.folder / "vpa-macro.exe", "write", "--row",
                              "1"], 60, cwd=form.folder)
        told = done.stderr.decode(errors="replace").strip()
        self.assertEqual(done.returncode, 1, told)
        self.assertRegex(told, r"WALLBEARANG\w*\.PY.*UTF-16")
        self.assertEqual(macro.read_bytes(), b"former macro\r\n")
        self.note("vpa-macro: exit 1, " + told)

    def test_window_at_125_on_1366(self):
        """125 % on a 1366 x 768 laptop: the form at 120 dpi (1414 x 743)
        does not fit, so it is drawn whole at the largest dpi that does, and
        the window lies inside the work area."""
        form = self.form(dpi=120, screen="1366x768")
        form.process = form.wine.start([form.folder / "vpa.exe"], form.folder)
        form.window = form.wait_until(lambda: next(iter(form.x.search()), None),
                                      60, "the window shows")
        fit = form.wait_until(lambda: form.probe("fit")[1].split(), 10,
                              "the form's frame")
        left, top, right, bottom, *work, width, height = map(int, fit)
        self.assertTrue(work[0] <= left and work[1] <= top and
                        right <= work[2] and bottom <= work[3],
                        f"frame {fit[:4]} (client {width} x {height}) beyond "
                        f"the work area {work}")
        drawn = next((dpi for dpi in range(120, 47, -1)
                      if Places(dpi).client == (width, height)), None)
        self.assertIsNotNone(drawn, f"a client area of {width} x {height} "
                             "is the form's at no dpi")
        self.assertLess(drawn, 120)
        form.places = Places(drawn)
        form.wait_until(form.focused, 10, "the form's first focus")
        # The picture is for a person to look at: it waits, within bounds,
        # for the form painted whole (an unpainted part shows black). The
        # checks above and Exit below are the case's verdict.
        inside = (left + 8, top + 32, right - left - 16, bottom - top - 40)
        try:
            form.wait_until(
                lambda: form.x.count_colour(*inside, "#000000") <
                inside[2] * inside[3] // 100, 20, "the form painted whole")
        except Timeout as late:
            self.note(f"screenshot taken as it stands ({late})")
        SCREENSHOTS.mkdir(parents=True, exist_ok=True)
        form.x.grab(0, 0, 1366, 768, SCREENSHOTS / "window-125-1366.png")
        self.note(f"frame {left},{top} to {right},{bottom} in the work area "
                  f"{work}; the form drawn at {drawn} dpi ({width} x "
                  f"{height})")
        # Exit sits at the form's bottom right corner.
        form.exit()

    def test_long_paste(self):
        """A paste beyond the edit box's 30,000 characters is taken whole:
        the box saves all of it, and Run! refuses it as too large rather
        than writing a macro of a cut entry."""
        form = self.started_form()
        pasted = "1" * 40000
        form.click_into("zzV1")
        form.key("ctrl+a")
        form.x.set_clipboard(pasted)
        form.key("ctrl+v")
        form.click("Go1")
        said = form.wait_until(form.messages, 10, "row 1 is refused")
        self.assertIn("V1", " ".join(said))
        self.note("refused: " + " | ".join(said)[:160] + " ...")
        form.press_ok()
        form.exit()
        saved = (form.folder / "TextFiles" / "V1.TXT").read_bytes()
        self.assertEqual(len(saved.rstrip()), len(pasted),
                         "the characters the box kept of the paste")

    def test_told_at_once(self):
        """Started outside its folder (without 0PY and TextFiles, as from
        inside the zip), the window opens and says so; Help without a page
        to open says so too."""
        form = self.form()
        for name in ("0PY", "TextFiles"):
            shutil.rmtree(form.folder / name)
        (form.folder / "Pellavert.htm").unlink()
        form.process = form.wine.start([form.folder / "vpa.exe"], form.folder)
        # The window first, as X sees it: Wine may be starting afresh.
        form.window = form.wait_until(form._find, 60, "the window shows")
        said = form.wait_until(form.messages, 20, "a message at start")
        self.assertIn("has no 0PY and TextFiles folders", " ".join(said))
        self.note("at start: " + " | ".join(said))
        form.press_ok()
        form.activate()
        form.key("F1")
        said = form.wait_until(form.messages, 20, "a message for F1")
        self.assertIn("Pellavert.htm could not be opened", " ".join(said))
        self.note("F1: " + " | ".join(said))
        form.press_ok()
        form.exit()
