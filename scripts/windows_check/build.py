"""The build steps: GoogleTest, the cross-build, the Linux helpers, the
program folder, its zip and the installer. Each step does only what is
missing or out of date."""
import os
import shutil
import subprocess
import time

from .paths import LINUX, OUT, PROGRAM, ROOT, WINDOWS, setup_exe, version

TOOLCHAIN = ROOT / "cmake" / "mingw-w64.cmake"
GTEST = OUT / "googletest-install"
WINDOWS_TARGETS = ["vpa_core_tests", "vpa-macro", "vpa", "vpa-empty-window",
                   "program_data", "vpa-probe", "vpa-with-web-address"]
LINUX_TARGETS = ["vpa-macro", "program_data", "form-places", "store-field"]


class BuildFailed(Exception):
    pass


def run(command, cwd=ROOT):
    done = subprocess.run([str(part) for part in command], cwd=cwd,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, errors="replace")
    if done.returncode != 0:
        raise BuildFailed(f"{' '.join(map(str, command))}\n{done.stdout}")


def cmake_build(folder, targets):
    jobs = os.environ.get("VPA_BUILD_JOBS", str(os.cpu_count() or 2))
    run(["nice", "cmake", "--build", folder, "-j", jobs, "--target", *targets])


def build_googletest():
    if (GTEST / "lib" / "libgtest.a").exists():
        return
    run(["cmake", "-S", "/usr/src/googletest", "-B", OUT / "googletest",
         "-G", "Ninja", f"-DCMAKE_TOOLCHAIN_FILE={TOOLCHAIN}",
         "-DCMAKE_BUILD_TYPE=Release", f"-DCMAKE_INSTALL_PREFIX={GTEST}",
         "-DBUILD_GMOCK=OFF"])
    cmake_build(OUT / "googletest", ["install"])


def build_windows():
    run(["cmake", "-S", ROOT, "-B", WINDOWS, "-G", "Ninja",
         f"-DCMAKE_TOOLCHAIN_FILE={TOOLCHAIN}", "-DCMAKE_BUILD_TYPE=Release",
         "-DVPA_BUILD_WINDOW=OFF", "-DVPA_BUILD_BENCH=OFF",
         f"-DGTest_DIR={GTEST / 'lib' / 'cmake' / 'GTest'}",
         "-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST"])
    cmake_build(WINDOWS, WINDOWS_TARGETS)


def build_linux():
    run(["cmake", "-S", ROOT, "-B", LINUX, "-G", "Ninja",
         "-DVPA_BUILD_WINDOW=OFF", "-DVPA_BUILD_TESTS=OFF",
         "-DVPA_BUILD_BENCH=OFF"])
    cmake_build(LINUX, LINUX_TARGETS)


def lay_program_folder():
    """build-mingw/program: the built folder without macros or entries."""
    shutil.rmtree(PROGRAM, ignore_errors=True)
    shutil.copytree(WINDOWS / "program", PROGRAM, symlinks=True)
    for emptied in ("0PY", "TextFiles"):
        for entry in (PROGRAM / emptied).iterdir():
            entry.unlink()


def pack():
    """The zip of the program folder and the installer."""
    staging = OUT / "zip"
    shutil.rmtree(staging, ignore_errors=True)
    shutil.copytree(PROGRAM, staging / "VPA")
    archive = OUT / f"vpa-{version()}-windows.zip"
    archive.unlink(missing_ok=True)
    run(["zip", "-qr", archive, "VPA"], cwd=staging)
    run(["makensis", "-V2", f"-DVERSION={version()}", f"-DPROGRAM={PROGRAM}",
         f"-DICON={WINDOWS / 'src' / 'win32' / 'pictures' / 'vpa.ico'}",
         f"-DOUTFILE={setup_exe()}", ROOT / "packaging" / "vpa.nsi"])


STEPS = [("install-deps", lambda: run([ROOT / "scripts" / "install-deps",
                                      "windows"])),
         ("googletest", build_googletest), ("windows", build_windows),
         ("linux", build_linux), ("program folder", lay_program_folder),
         ("zip and installer", pack)]


def build_all():
    """Builds everything the cases use; raises BuildFailed with the output
    of the step that failed. Returns each step's time."""
    times = []
    for name, step in STEPS:
        started = time.monotonic()
        step()
        times.append(f"{name} {time.monotonic() - started:.0f} s")
    return times
