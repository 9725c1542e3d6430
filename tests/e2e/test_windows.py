# The Windows program, installed from its installer into a Wine prefix of the module's own and
# driven from outside as the Linux one is; inside Wine, a program of the tests' own reads the
# clipboard and stands in for Notepad and the calculator, recording how they were started.
import os
import shutil
from pathlib import Path

import pytest
from conftest import clipboard, copy_report, executable, expected, file_holds, paste, run, set_mix
from conftest import wait_for, windows

INSTALLER = os.environ.get("ROTORIX_INSTALLER", "")


@pytest.fixture(scope="module")
def wine(tmp_path_factory):
    if not Path(INSTALLER).exists():
        pytest.skip("no installer: scripts/build-windows makes it")
    root = tmp_path_factory.mktemp("wine")
    os.environ.update(
        WINEPREFIX=str(root), WINEDEBUG="-all", WINEDLLOVERRIDES="winemenubuilder.exe=d"
    )
    run("wineboot", "--init")
    # Wine takes its locale from a Unix one only where that is generated: British, for litres.
    for locale in ("en_GB", "de_DE", "en_US"):
        run("localedef", "-i", locale, "-f", "UTF-8", root / f"{locale}.UTF-8")
    os.environ.update(LOCPATH=str(root), LC_ALL="en_GB.UTF-8")
    (root / "standins").mkdir()
    clipread, source = root / "standins/clipread.exe", Path(__file__).with_name("wine.c")
    run("x86_64-w64-mingw32-gcc-posix", "-municode", "-mwindows", "-o", clipread, source)
    for program in ("Notepad.exe", "Calc.exe"):
        shutil.copy(clipread, root / "standins" / program)
    run("wine", INSTALLER, "/S")
    yield root
    # The uninstaller, run from outside the folder it removes and waited for, leaves nothing of it.
    shutil.copy(root / "drive_c/Program Files/Rotorix/Uninstall.exe", root)
    run("wine", "cmd", "/c", f"start /wait Z:{root}/Uninstall.exe /S _?=C:\\Program Files\\Rotorix")
    assert not [p for p in (root / "drive_c").rglob("*") if "Rotorix" in str(p)]
    run("wineserver", "-k", check=False)


# Wine gives the keyboard to the window of the program started last: one started before has ended.
def start(app, wine, standins=False, **env):
    if standins:
        env["WINEPATH"] = f"Z:{wine}/standins"
    return app("C:\\Program Files\\Rotorix\\rotorix.exe", launcher=["wine"], **env)


# Waits for the clipboard, read inside Wine, to hold the text in its code page and in UTF-16.
def inside_wine_holds(wine, text):
    def read():
        run("wine", wine / "standins/clipread.exe", f"Z:{wine}/8bit", f"Z:{wine}/16bit")
        return (wine / "8bit").read_bytes(), (wine / "16bit").read_bytes()

    want = ((text.replace("中", "?") + "\0").encode("cp1252"), (text + "\0").encode("utf-16-le"))
    wait_for(lambda: read() == want, lambda: f"the clipboard in Wine holds {read()}, not {want}")


def test_copy(app, wine):
    window = start(app, wine)
    assert "_NET_WM_ICON(CARDINAL) = " in run("xprop", "-id", window.win, "_NET_WM_ICON")
    set_mix(window, 70, 10, 10, 8, 2, additive_is_oil=False)
    report = expected("glow-report.txt")
    # Wine hands the text to X with line feeds alone.
    assert copy_report(window)[0] == report.replace("\r\n", "\n")
    inside_wine_holds(wine, report)
    window.keys("shift+Tab", "shift+Tab", "End")
    paste(window, "€中")  # of which the code page has the first
    window.keys("alt+o")
    inside_wine_holds(wine, report.replace("EDL", "EDL€中"))


def test_print_through_notepad(app, wine):
    folder, log = wine / "drive_c/Program Files/Rotorix", wine / "standins/Notepad.log"
    window = start(app, wine, standins=True)
    window.keys("Down", "alt+p")
    # Minimized with the focus (2); the file's path at once after "/p", blanks and all.
    file_holds(log, "Notepad.exe /pC:\\Program Files\\Rotorix\\prlog.txt\n2\n", "utf-16-le")
    assert (folder / "prlog.txt").read_bytes() == (expected("premix-report.txt") + "\r\n").encode()
    window.end()
    # In a folder the program cannot write in, the file goes to the user's own.
    run("chattr", "+i", folder)
    try:
        start(app, wine, standins=True).keys("Down", "alt+p")
        cache = "C:\\users\\root\\AppData\\Local\\Rotorix\\cache\\prlog.txt"
        wait_for(lambda: cache in log.read_bytes().decode("utf-16-le"), "nothing printed")
    finally:
        run("chattr", "-i", folder)


def test_calculator(app, wine):
    window = start(app, wine)
    window.keys("alt+a")  # Wine has none; a message box copies its text with Ctrl+C, as on Windows
    box = wait_for(lambda: windows("--pid", str(window.proc.pid), "--name", "^Rotorix$"), "no box")
    run("xdotool", "windowfocus", "--sync", box[0], "key", "ctrl+c", "Return")
    wait_for(lambda: b"\nCant open Windows Calculator\n" in clipboard(), clipboard)
    window.end()
    start(app, wine, standins=True).keys("alt+a")
    file_holds(wine / "standins/Calc.log", "Calc.exe\n2\n", "utf-16-le")


def test_link(app, wine, tmp):
    executable(tmp / "opener/xdg-open", f'#!/bin/sh\necho "$*" >>{tmp}/opened\n')
    start(app, wine, PATH=f"{tmp}/opener:/usr/bin:/bin").move(60, 456, "click", "1")
    file_holds(tmp / "opened", "https://www.quillfen.com/\n")


@pytest.mark.parametrize(
    "locale, part", [("de_DE", "= 7,00 Litre or 7.000 CC"), ("en_US", "10 US Gallons")]
)
def test_locale(app, wine, locale, part):
    window = start(app, wine, LC_ALL=f"{locale}.UTF-8")
    set_mix(window, 70, 10, 10, 8, 2)
    assert part in copy_report(window)[0]
