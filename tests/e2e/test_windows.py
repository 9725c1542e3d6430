# The Windows program, installed from its installer into a Wine prefix of the module's own and
# driven from outside as the Linux one is; inside Wine, a program of the tests' own reads the
# clipboard and stands in for Notepad and the calculator, recording how they were started.
import os
import shutil
from pathlib import Path

import pytest
from conftest import GLOW, PREMIX, SITE, SOURCE, VERSION, clipboard, file_holds, run, stand_in
from conftest import wait_for

# The installer scripts/build-windows makes.
INSTALLER = SOURCE / f"build/windows/Rotorix-{VERSION}-win64.exe"


@pytest.fixture(scope="module")
def wine(tmp_path_factory):
    if not INSTALLER.exists():
        pytest.skip("no installer: scripts/build-windows makes it")
    root = tmp_path_factory.mktemp("wine")
    # Wine takes its locale from a Unix one only where that is generated: British, for litres.
    for locale in ("en_GB", "de_DE", "en_US"):
        run("localedef", "-i", locale, "-f", "UTF-8", root / f"{locale}.UTF-8")
    os.environ.update(WINEPREFIX=str(root), LOCPATH=str(root), LC_ALL="en_GB.UTF-8")
    os.environ.update(WINEDLLOVERRIDES="winemenubuilder.exe=d", WINEPATH=f"Z:{root}")
    source = Path(__file__).with_name("wine.c")
    run("x86_64-w64-mingw32-gcc", "-municode", "-mwindows", "-o", root / "Notepad.exe", source)
    shutil.copy(root / "Notepad.exe", root / "clipread.exe")
    run("wine", INSTALLER, "/S")
    yield root
    # The uninstaller, run from outside the folder it removes and waited for, leaves nothing of it.
    folder = root / "drive_c/Program Files/Rotorix"
    run("chattr", "-R", "-i", folder)
    shutil.copy(folder / "Uninstall.exe", root)
    run("wine", "cmd", "/c", f"start /wait Z:{root}/Uninstall.exe /S _?=C:\\Program Files\\Rotorix")
    assert not list((root / "drive_c").rglob("*Rotorix*"))
    run("wineserver", "-k", check=False)


# Wine gives the keyboard to the window of the program started last: one started before has ended.
@pytest.fixture
def start(app, wine):
    return lambda **env: app("C:\\Program Files\\Rotorix\\rotorix.exe", launcher=["wine"], **env)


def test_icon_copy_and_link(start, wine, tmp):
    window = start(PATH=stand_in(tmp, "xdg-open"))
    assert "_NET_WM_ICON(CARDINAL)" in run("xprop", "-id", window.win, "_NET_WM_ICON")
    window.set_mix()
    # Of which the code page has the first.
    window.name_additive("€中")
    report = GLOW.replace("EDL", "€中")
    # Wine hands the text to X with line feeds alone.
    assert window.copy_report()[0] == report.replace("\r\n", "\n")
    run("wine", wine / "clipread.exe")
    log = (report.replace("中", "?") + "\0").encode("cp1252") + (report + "\0").encode("utf-16-le")
    assert (wine / "clipread.log").read_bytes() == log
    window.move(60, 456, "click", "1")
    file_holds(tmp / "xdg-open.log", SITE + "\n")


# The programs it starts, minimized with the focus (window style 2).
def test_notepad_and_calculator(start, wine):
    folder, log = wine / "drive_c/Program Files/Rotorix", wine / "Notepad.log"
    window = start()
    window.keys("Down", "alt+p")
    # The file's path at once after "/p", blanks and all.
    printed = "Notepad.exe /pC:\\Program Files\\Rotorix\\prlog.txt\n2\n"
    file_holds(log, printed)
    file_holds(folder / "prlog.txt", PREMIX + "\r\n")
    # Wine has no calculator; a message box copies its text with Ctrl+C, as on Windows.
    window.keys("alt+a")
    box = wait_for(lambda: window.windows("^Rotorix$"))
    run("xdotool", "windowfocus", "--sync", box[0], "key", "ctrl+c", "Return")
    wait_for(lambda: b"\nCant open Windows Calculator\n" in clipboard(), clipboard)
    window.end()
    # In a folder the program cannot write in, the file goes to the user's own.
    run("chattr", "+i", folder)
    shutil.copy(wine / "Notepad.exe", wine / "Calc.exe")
    start().keys("Down", "alt+p", "alt+a")
    printed += "Notepad.exe /pC:\\users\\root\\AppData\\Local\\Rotorix\\cache\\prlog.txt\n2\n"
    file_holds(log, printed)
    file_holds(wine / "Calc.log", "Calc.exe\n2\n")


LOCALES = {"de_DE": "= 7,00 Litre or 7.000 CC", "en_US": "10 US Gallons"}


@pytest.mark.parametrize("locale", LOCALES)
def test_locale(start, locale):
    window = start(LC_ALL=f"{locale}.UTF-8")
    window.set_mix()
    assert LOCALES[locale] in window.copy_report()[0]
