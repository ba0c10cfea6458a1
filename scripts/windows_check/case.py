"""The base of every case: a program folder of its own, the session's Wine
and display, and the form. A case is a test method; its name without test_
is the name `scripts/windows-check -k` takes."""
import shutil
import subprocess
import unittest

from . import fields
from .form import Form
from .paths import CASES, PROGRAM, linux_macro

# A folder name beyond ASCII, so that every case checks Unicode paths.
UNICODE_PARENT = "Détailleur Ørsted"


class WindowsCase(unittest.TestCase):
    session = None  # set by the runner before the cases run

    def setUp(self):
        self.form_ = None
        self.place = CASES / self.case_name()
        shutil.rmtree(self.place, ignore_errors=True)
        self.place.mkdir(parents=True)

    def tearDown(self):
        if self.form_ is not None:
            self.form_.stop()

    def case_name(self):
        return self._testMethodName.removeprefix("test_")

    def note(self, text):
        print(f"  {text}", flush=True)

    def program_folder(self, seeded=True, parent=UNICODE_PARENT):
        """A fresh copy of the program folder, its fields seeded."""
        folder = self.place / parent / "VPA"
        shutil.copytree(PROGRAM, folder)
        if seeded:
            fields.seed(folder)
        return folder

    def form(self, dpi=96, folder=None, screen=None):
        """The form in a fresh seeded program folder (or `folder`), not yet
        started; on a screen of `screen` pixels ("1366x768") if given."""
        self.form_ = Form(self.session, folder or self.program_folder(), dpi,
                          screen)
        return self.form_

    def started_form(self, dpi=96):
        form = self.form(dpi)
        form.start()
        return form

    def linux_macro(self, folder, *args):
        """Runs the Linux build's vpa-macro on a copy of `folder`; the macro
        file it wrote."""
        copy = self.place / "linux-run"
        shutil.rmtree(copy, ignore_errors=True)
        shutil.copytree(folder, copy)
        (copy / "0PY" / "0.PY").unlink(missing_ok=True)
        subprocess.run([linux_macro(), "--folder", copy, *args], check=True,
                       stdout=subprocess.DEVNULL)
        return (copy / "0PY" / "0.PY").read_bytes()

    def assertSameMacro(self, folder, what, *args):
        written = (folder / "0PY" / "0.PY").read_bytes()
        self.assertTrue(written == self.linux_macro(folder, *args),
                        f"{what}: the macro differs from the Linux build's")
        return written


def windows_path(path):
    """Windows' name of a path under Wine's drive Z:."""
    return "Z:" + str(path).replace("/", "\\")
