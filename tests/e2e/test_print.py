# Copy and Print: the X clipboard read back as Unicode and as 8-bit text, the print file handed to
# lp, a private CUPS queue receiving it byte for byte, and every failure shown to the user.
import shutil

import pytest
from conftest import CANT_PRINT, GLOW, PREMIX, PROGRAM, expected, file_holds, run, stand_in

PRINTED = PREMIX + "\r\n"


# The program in a folder of its own, where it writes its print file.
@pytest.fixture
def installed(tmp):
    return shutil.copy(PROGRAM, tmp)


def test_copy_and_print(app, cups, installed):
    window = app(installed)
    window.set_mix()
    # Of which Latin-1 has the first word.
    window.name_additive("Öl 添加剂")
    glow = GLOW.replace("EDL", "Öl 添加剂")
    assert window.copy_report() == (glow, glow.replace("添加剂", "???").encode("latin-1"))
    window.keys("alt+p")
    assert cups() == glow + "\r\n"
    # To the page selector, and on to the pre-mix page.
    window.keys(*["shift+Tab"] * 7, "Down")
    assert window.copy_report() == (PREMIX, PREMIX.encode())
    window.end()
    # US gallons and decimal commas.
    app(installed, LC_ALL="fr_FR.UTF-8").keys("Down", "Tab", "Down", "Down", "alt+p")
    assert cups() == expected("premix-report-fr-gallons.txt") + "\r\n"


# As installed, in a folder the user may not write in: the user's own folder instead.
def test_read_only_program_folder(app, cups, installed, tmp):
    (tmp / "home").mkdir()
    shutil.chown(tmp / "home", "nobody")
    tmp.chmod(0o555)
    nobody = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]
    app(installed, launcher=nobody, HOME=str(tmp / "home")).keys("Down", "alt+p")
    assert cups() == PRINTED
    file_holds(tmp / "home/.cache/Rotorix/prlog.txt", PRINTED)


# Printing fails with no folder to write in (one not even root can write in, and no cache folder),
# with no lp, and with an lp that finds no scheduler.
@pytest.mark.parametrize("failure", ["nowhere to write", "no lp", "lp fails"])
def test_failure_shows_the_message(app, installed, tmp, failure):
    if failure == "nowhere to write":
        run("chattr", "+i", tmp)
    env = {"PATH": "/nowhere"} if failure == "no lp" else {}
    window = app(installed, CUPS_SERVER="/dev/null", XDG_CACHE_HOME="/dev/null", **env)
    window.keys("Down", "alt+p")
    assert window.message() == CANT_PRINT
    if failure != "nowhere to write":
        file_holds(tmp / "prlog.txt", PRINTED)


# The job, let go, completes.
def test_closing_while_lp_runs(app, installed, tmp):
    wait = f'while [ -e {tmp}/lp.log ]; do sleep 0.1; done\ncp "$1" {tmp}/printed\n'
    window = app(installed, PATH=stand_in(tmp, "lp", wait))
    window.keys("Down", "alt+p")
    file_holds(tmp / "lp.log", f"{tmp}/prlog.txt\n")
    window.end()
    (tmp / "lp.log").unlink()
    file_holds(tmp / "printed", PRINTED)
