"""The detailer's cases: the keyboard alone, Help and the web button, failed
saves at close, the end of the session and field files that cannot be read.
vpa-probe.exe tells what Wine does not show to X: the focused control and
the message boxes' texts."""
import os
import shutil
import time
import urllib.parse

from . import fields
from .case import WindowsCase, windows_path
from .paths import WINDOWS
from .waits import holds_for

CAPTION = "SDS/2 Macro. Vertical Plain Angles"
MARK = "srgb(255,120,0)"  # the focus mark's colour


class Keyboard(WindowsCase):
    """Row 1 by the keyboard alone, in the table's tab order."""
    TYPED = {"zzV1": "5", "zzW1": "8", "zzL1": "96", "OSL1": "L",
             "Pair1": "2"}
    SECTION = "L3 1/2x2 1/2x1/4"

    def expect_focus(self, form, name, what):
        # Keys typed ahead may still be on their way: wait for the focus.
        form.wait_until(lambda: form.focused() == name, 5,
                        lambda: f"{what}: the focus on {name} (it is on "
                                f"{form.focused()})")

    def expect_mark(self, form, name, previous):
        """The focused control wears the whole ring and nothing inside it;
        the one the focus came from wears none of it any more."""
        _, _, width, height, _ = form.places[name]
        ring = width * height - (width - 4) * (height - 4)
        count = lambda control: form.x.count_colour(
            *form.screen_place(control), MARK)
        form.wait_until(lambda: count(name) == ring, 5,
                        f"the focus mark on {name}, a ring of {ring} pixels")
        self.assertEqual(count(previous), 0,
                         f"the focus mark left pixels on {previous}")

    def open_list(self, form):
        """Alt+Down opens the section list at 20 items; Escape closes it."""
        def open_items():
            status, items = form.probe("open-list")
            return items.split() if status == 0 else None
        form.key("alt+Down")
        shown = form.wait_until(open_items, 5, "Alt+Down opens the list")
        self.assertEqual(shown[0], "20", "items the open list shows")
        form.key("Escape")
        form.wait_until(lambda: open_items() is None, 5,
                        "Escape closes the open list")

    def tab_through_row_1(self, form):
        controls = form.places.tab_order(1)
        form.click_into(controls[0])
        form.key("End")
        form.key("shift+Home")
        form.type("2-0")
        for previous, name in zip(controls, controls[1:]):
            form.key("Tab")
            self.expect_focus(form, name, "Tab in row 1")
            self.expect_mark(form, name, previous)
            if name == "MAT1":
                self.open_list(form)
                form.type(self.SECTION)
            elif name in self.TYPED:
                form.type(self.TYPED[name])
        self.assertEqual(controls[-1], "Go1", "the last of row 1's tab order")
        self.note("Tab through row 1: " + " ".join(controls))

    def run_by_key(self, form, key):
        form.key(key)
        form.wait_until(lambda: form.state() == "Iconic", 10,
                        f"{key} on Go1 runs row 1")

    def test_keyboard_row_1(self):
        form = self.started_form()
        self.tab_through_row_1(form)
        self.run_by_key(form, "space")
        saved = lambda name: (form.folder / "TextFiles" / f"{name}.TXT"
                              ).read_bytes()
        scratch = self.place / "expected"
        self.assertEqual(saved("MAT1"), fields.stored_bytes(
            scratch, "MAT1", fields.section_index(self.SECTION)))
        self.assertEqual(saved("H1"), fields.stored_bytes(scratch, "H1", "2-0"))
        macro = self.assertSameMacro(form.folder, "the typed row 1",
                                     "write", "--row", "1")
        form.restore()
        self.expect_focus(form, "Go1", "after the Run and a restore")
        (form.folder / "0PY" / "0.PY").unlink()
        self.run_by_key(form, "Return")
        self.assertEqual((form.folder / "0PY" / "0.PY").read_bytes(), macro,
                         "Enter on Go1 wrote another macro")
        form.restore()
        form.exit()


    def test_type_ahead_pause_is_the_systems(self):
        """A closed list's type-ahead goes on across a pause shorter than the
        system's double-click time, here set to 2 s."""
        form = self.form()  # the display and the dpi first: they restart Wine
        mouse = r"HKCU\Control Panel\Mouse"
        form.wine.reg_add(mouse, "DoubleClickSpeed", "2000")
        self.addCleanup(form.wine.reg_add, mouse, "DoubleClickSpeed", "500")
        form.start()
        form.click_into("MAT1")
        form.key("Escape")  # the click opened the list; typing goes to it shut
        form.type("L")
        time.sleep(1)  # the pause under test
        form.type("5")
        form.exit()
        self.assertEqual(
            (form.folder / "TextFiles" / "MAT1.TXT").read_bytes(),
            fields.stored_bytes(self.place / "expected", "MAT1",
                                fields.section_index("L5x3x1/4")),
            "L, a pause of 1 s, then 5")


class HelpAndWeb(WindowsCase):
    """Wine hands Help and the web address to winebrowser, which runs the
    "browser" of the registry: here a script that notes what it was given."""

    def setUp(self):
        super().setUp()
        self.opened_file = self.place / "opened.txt"
        browser = self.place / "browser"
        browser.write_text(
            f'#!/bin/sh\nprintf "%s\\n" "$1" >>"{self.opened_file}"\n')
        browser.chmod(0o755)
        self.session.need_wine().reg_add(r"HKCU\Software\Wine\WineBrowser",
                                         "Browsers", str(browser))

    def opened(self):
        if not self.opened_file.exists():
            return []
        return [urllib.parse.unquote(line)
                for line in self.opened_file.read_text().splitlines()]

    def test_help_and_f1(self):
        form = self.started_form()
        form.click("CmdHelp")
        form.wait_until(lambda: len(self.opened()) == 1, 15, "Help opens")
        form.activate()
        form.key("F1")
        form.wait_until(lambda: len(self.opened()) == 2, 15, "F1 opens")
        help_page = f"file://{form.folder}/Pellavert.htm"
        self.assertEqual(self.opened(), [help_page] * 2)
        form.exit()

    def test_held_enter_presses_once(self):
        form = self.started_form()
        form.click("CmdHelp")
        form.wait_until(lambda: len(self.opened()) == 1, 15, "Help opens")
        form.activate()
        form.x.hold("Return", 4)
        form.wait_until(lambda: len(self.opened()) >= 2, 15,
                        "Enter held down on Help opens it")
        self.assertTrue(holds_for(lambda: len(self.opened()) == 2, 2),
                        f"Enter held down opened Help {len(self.opened()) - 1}"
                        " times")
        form.exit()

    def test_web_button_without_address(self):
        form = self.started_form()
        form.click("CmdWeb")
        said = form.wait_until(form.messages, 10, "the web button tells")
        self.assertEqual(said, ["Missing Data", "You don't have a web address "
                                "entered for this entry"])
        form.press_ok()
        self.assertEqual(self.opened(), [], "opened without an address")
        form.exit()

    def test_web_button_with_address(self):
        form = self.form()
        shutil.copy(WINDOWS / "vpa-with-web-address.exe",
                    form.folder / "vpa.exe")
        form.start()
        form.click("CmdWeb")
        form.wait_until(self.opened, 15, "the web button opens")
        self.assertEqual(self.opened(), ["http://www.example.com/vpa"])
        form.exit()


class FailedSaves(WindowsCase):
    """One message naming TextFiles and the reason as entries are typed,
    one more at Exit or the close box, then the end."""

    def expect_save_failure(self, form, what):
        said = form.wait_until(form.messages, 15, f"{what} tells")
        start = (f"Your entries could not be saved in "
                 f"{windows_path(form.folder)}\\TextFiles (")
        text = said[1] if len(said) == 2 else ""
        self.assertTrue(said[0] == CAPTION and text.startswith(start) and
                        "); the values saved" in text[len(start) + 1:],
                        f"{what} said {said}")
        self.note(f"{what}: {text}")

    def edit_an_entry(self, form, what):
        """A window saves only what changed in it, as it is typed: a failed
        save is told at once, without holding up the form, and OK lets the
        detailer go on."""
        form.click_into("zzV3")
        form.type("7")
        self.expect_save_failure(form, f"{what}, typed")
        self.assertTrue(form.messages()[1].endswith(
            "They are saved again at each change, and at Exit."))
        form.press_ok()

    def test_failed_save_at_exit(self):
        form = self.started_form()
        shutil.rmtree(form.folder / "TextFiles")
        self.edit_an_entry(form, "TextFiles removed")
        form.click("CmdExit")
        self.expect_save_failure(form, "Exit, TextFiles removed")
        form.screenshot("save-failed-100.png", form.message_box())
        form.press_ok()
        form.wait_ended("the end after OK on the failed save")
        self.assertFalse((form.folder / "TextFiles").exists(),
                         "the failed save made a TextFiles")

    def test_failed_save_at_close_box(self):
        form = self.started_form()
        plain = form.folder / "TextFiles"
        shutil.rmtree(plain)
        plain.write_bytes(b"not a folder\r\n")
        self.edit_an_entry(form, "TextFiles a file")
        form.activate()
        form.key("alt+F4")  # the window manager's close, as the box sends it
        self.expect_save_failure(form, "The close box, TextFiles a file")
        form.press_ok()
        form.wait_ended("the end after OK on the failed save")
        self.assertEqual(plain.read_bytes(), b"not a folder\r\n")


class SessionEnd(WindowsCase):
    """WM_QUERYENDSESSION and WM_ENDSESSION save the fields without a word,
    and say nothing when the save fails either."""

    def end_session(self, form):
        status, answer = form.probe("end-session")
        self.assertEqual(status, 0, f"the session's end: {answer}")
        # Nothing announces a message that does not come: watch for one.
        self.assertTrue(holds_for(lambda: not form.messages(), 1),
                        f"the end of the session showed {form.messages()}")

    def test_session_end_saves(self):
        form = self.form()
        expected = fields.snapshot(form.folder)
        expected["H1.TXT"] = fields.stored_bytes(self.place / "expected",
                                                 "H1", "3-0")
        form.start()
        form.click_into("zzH1")
        form.key("End")
        form.key("shift+Home")
        form.type("3-0")
        self.end_session(form)
        self.assertEqual(fields.snapshot(form.folder), expected,
                         "the fields the end of the session saved")
        form.exit()

    def test_session_end_save_fails(self):
        form = self.started_form()
        shutil.rmtree(form.folder / "TextFiles")
        self.end_session(form)
        self.assertFalse((form.folder / "TextFiles").exists(),
                         "the end of the session made a TextFiles")
        form.exit()


class UnreadableFields(WindowsCase):
    """Field files that cannot be read at start stay as they are through a
    Run and the close; the one whose control changed is saved."""
    LONG = b"4\r\n" + b"7" * 1100000 + b"\r\n"  # a last line over 1 MiB

    def unreadable_left_alone(self, folder, names, what):
        for name in names:
            self.assertEqual((folder / "TextFiles" / name).read_bytes(),
                             self.LONG, f"{what} rewrote {name}")
        self.assertTrue((folder / "TextFiles" / "W5.TXT").is_dir(),
                        f"{what} replaced the folder W5.TXT")

    def test_unreadable_fields(self):
        form = self.form()
        text_files = form.folder / "TextFiles"
        for name in ("H4.TXT", "L4.TXT"):
            (text_files / name).write_bytes(self.LONG)
        os.unlink(text_files / "W5.TXT")
        os.mkdir(text_files / "W5.TXT")
        form.start()
        form.click("Go1")
        form.wait_until(lambda: form.state() == "Iconic", 10,
                        "Run on row 1 minimises the window")
        self.unreadable_left_alone(form.folder, ["H4.TXT", "L4.TXT"], "Run")
        form.restore()
        # Row 4 shows empty where its entries could not be read: a Run of
        # it is refused, naming each file, and nothing is written.
        form.click("Go4")
        said = form.wait_until(form.messages, 10, "Run on row 4 is refused")
        self.assertTrue(said[1].startswith("No macro was written for row 4")
                        and "H4.TXT" in "".join(said)
                        and "L4.TXT" in "".join(said), f"row 4 said {said}")
        form.press_ok()
        self.unreadable_left_alone(form.folder, ["H4.TXT", "L4.TXT"], "Run 4")
        form.click_into("zzH4")
        form.type("5")
        form.click("CmdExit")
        form.wait_until(form.ended, 20,
                        lambda: f"the end after Exit (it says "
                                f"{form.messages()})")
        self.assertEqual((text_files / "H4.TXT").read_bytes(),
                         fields.stored_bytes(self.place / "expected", "H4", "5"),
                         "Exit did not save H4, which the detailer changed")
        self.unreadable_left_alone(form.folder, ["L4.TXT"], "Exit")
