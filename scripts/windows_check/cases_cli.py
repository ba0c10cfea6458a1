"""The core's tests and vpa-macro.exe under Wine, and the static link."""
import shutil
import subprocess

from .case import WindowsCase, windows_path
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
        # A name that the console's code page 437 can print.
        folder = self.program_folder(seeded=False, parent="Détailleur")
        done = self.session.need_wine().run([folder / "vpa-macro.exe", *WRITE],
                                            60, cwd=folder)
        printed = done.stdout.decode("cp437").strip()
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

    def test_folder_names(self):
        """vpa-macro.exe in folders under other users' names: the folder
        arrives whole, the macro is written there, and the printed path reads
        back in the console's code page as the folder's own, or is refused
        with a message naming the code page. Wine without a console answers
        in its locale's OEM code page: 437 in C.UTF-8, 852 in Polish."""
        locales = self.place / "locales"
        locales.mkdir()
        subprocess.run(["localedef", "-i", "pl_PL", "-f", "UTF-8",
                        locales / "pl_PL.UTF-8"], check=True,
                       capture_output=True)
        for name, locale, code_page in [
                ("José", "C.UTF-8", 437), ("Šuba", "C.UTF-8", None),
                ("Łódź", "C.UTF-8", None), ("Bob’s jobs", "C.UTF-8", None),
                ("Šuba", "pl_PL.UTF-8", 852), ("Łódź", "pl_PL.UTF-8", 852)]:
            with self.subTest(name=name, locale=locale):
                self.expect_macro_path(name, locale, code_page, locales)

    def expect_macro_path(self, name, locale, code_page, locales):
        folder = self.place / "names" / locale / name
        folder.mkdir(parents=True)
        (folder / "0PY").mkdir()
        (folder / "TextFiles").mkdir()
        shutil.copytree(PROGRAM / "PythonFiles", folder / "PythonFiles")
        done = self.session.need_wine().run(
            [PROGRAM / "vpa-macro.exe", "--folder", windows_path(folder),
             *WRITE], 60, extra_env={"LC_ALL": locale,
                                     "LOCPATH": str(locales)})
        said = done.stderr.decode(errors="replace").strip()
        self.assertTrue((folder / "0PY" / "0.PY").stat().st_size > 0,
                        f"{name} ({locale}): no macro written; {said}")
        if code_page is None:
            self.assertEqual(done.returncode, 1, said)
            self.assertEqual(done.stdout, b"")
            self.assertRegex(said, "has been written all the same.*"
                             "code page [0-9]+; chcp 65001")
            self.note(f"{name} ({locale}): macro written; refused: {said}")
            return
        read_back = done.stdout.decode(f"cp{code_page}").replace("\r", "")
        self.assertEqual(done.returncode, 0, said)
        self.assertEqual(read_back.strip(),
                         windows_path(folder / "0PY" / "0.PY"))
        self.note(f"{name} ({locale}): read back in code page {code_page}")
