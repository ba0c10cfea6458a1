"""The core's tests and vpa-macro.exe under Wine, and the static link."""
import subprocess

from .case import WindowsCase
from .paths import PROGRAM, WINDOWS

WRITE = ["write", "--end", "both", "--pair", "2", "--section", "L4x4x1/2",
         "--leg", "Short", "--h", "1-0 1/2", "--v1", "6", "--v2", "9",
         "--l", "120"]


class CommandLine(WindowsCase):
    def test_core_tests(self):
        wine = self.session.need_wine()
        done = wine.run([WINDOWS / "tests" / "vpa_core_tests.exe",
                         "--gtest_brief=1"], 300)
        report = done.stdout.decode(errors="replace").replace("\r", "")
        self.assertEqual(done.returncode, 0, report[-3000:])
        self.note(next(line for line in report.splitlines()
                       if "PASSED" in line))

    def test_macro_matches_linux(self):
        folder = self.program_folder(seeded=False)
        done = self.session.need_wine().run([folder / "vpa-macro.exe", *WRITE],
                                            60, cwd=folder)
        printed = done.stdout.decode().strip()
        self.assertEqual(done.returncode, 0, done.stderr.decode())
        self.assertTrue(printed.endswith("\\0PY\\0.PY"),
                        f"printed '{printed}', not the macro file's path "
                        "with backslashes")
        written = self.assertSameMacro(folder, "vpa-macro.exe write", *WRITE)
        self.note(f"{printed}: {len(written)} bytes, the Linux build's")

    def test_static_link(self):
        for exe in ("vpa.exe", "vpa-macro.exe"):
            dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p",
                                   PROGRAM / exe], check=True,
                                  capture_output=True, text=True).stdout
            needed = [line.split()[-1] for line in dump.splitlines()
                      if "DLL Name" in line]
            mingw = [dll for dll in needed if dll.lower().startswith(
                ("libstdc", "libgcc", "libwinpthread"))]
            self.assertEqual(mingw, [], f"{exe} needs MinGW's DLLs")
            self.note(f"{exe} needs only {', '.join(needed)}")
