"""Where the Windows check builds, runs and leaves its files."""
import pathlib
import re

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUT = ROOT / "build-mingw"
WINDOWS = OUT / "windows"            # the cross-build
LINUX = OUT / "linux"                # vpa-macro, form-places, store-field
PROGRAM = OUT / "program"            # the Windows program folder, clean
CASES = OUT / "cases"                # one program folder per case
SCREENSHOTS = OUT / "screenshots"
WINE_PREFIX = OUT / "wine-prefix"    # each work tree has its own


def version():
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(vpa VERSION ([0-9.]+)", text).group(1)


def setup_exe():
    return OUT / f"vpa-{version()}-setup.exe"


def linux_macro():
    return LINUX / "program" / "vpa-macro"
