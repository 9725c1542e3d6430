# Print: the print file handed to lp, a private CUPS queue receiving it byte for byte, and every
# failure shown to the user.
import shutil

import pytest
from conftest import (
    CANT_PRINT,
    PROGRAM,
    executable,
    expected,
    file_holds,
    message,
    paste,
    root_only,
    run,
    set_mix,
)

PREMIX = expected("premix-report.txt") + "\r\n"


@pytest.fixture
def installed(tmp):  # the program in a folder of its own, where it writes its print file
    (tmp / "bin").mkdir()
    return shutil.copy(PROGRAM, tmp / "bin")


def test_queue_receives_both_reports(app, cups, installed, tmp):
    window = app(installed)
    set_mix(window, 70, 10, 10, 8, 2, additive_is_oil=False)
    window.keys("shift+Tab", "shift+Tab", "ctrl+a")
    paste(window, "Öl 添加剂")
    window.keys("alt+p")
    glow = expected("glow-report.txt", "EDL", "Öl 添加剂") + "\r\n"
    file_holds(cups / "job-1", glow)
    file_holds(tmp / "bin/prlog.txt", glow)
    window.end()
    app(installed, LC_ALL="fr_FR.UTF-8").keys(
        "Down", "Tab", "Down", "Down", "alt+p"
    )  # US gallons, decimal commas
    file_holds(cups / "job-2", expected("premix-report-fr-gallons.txt") + "\r\n")


def test_read_only_program_folder(
    app, cups, installed, tmp
):  # as installed: the user's own folder instead
    root_only()
    (tmp / "home").mkdir()
    shutil.chown(tmp / "home", "nobody", "nogroup")
    for folder in (tmp, tmp / "bin"):
        folder.chmod(0o555)
    nobody = ["/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]
    app(installed, launcher=nobody, HOME=str(tmp / "home")).keys("Down", "alt+p")
    file_holds(cups / "job-1", PREMIX)
    file_holds(tmp / "home/.cache/Rotorix/prlog.txt", PREMIX)


@pytest.mark.parametrize("failure", ["nowhere to write", "no lp", "lp fails"])
def test_failure_shows_the_message(app, installed, tmp, failure):
    executable(tmp / "fake/lp", f"#!/bin/sh\n: >{tmp}/lp-started\n")
    if failure == "nowhere to write":  # a folder not even root can write in, and no cache folder
        run("chattr", "+i", tmp / "bin")
    env = {
        "nowhere to write": dict(PATH=str(tmp / "fake"), XDG_CACHE_HOME="/dev/null/cache"),
        "no lp": dict(PATH=str(tmp / "empty")),
        "lp fails": dict(CUPS_SERVER="/dev/null"),
    }[failure]
    window = app(installed, **env)
    window.keys("Down", "alt+p")
    assert message(window) == CANT_PRINT
    if failure == "nowhere to write":
        assert not (tmp / "lp-started").exists() and not (tmp / "bin/prlog.txt").exists()
    else:
        file_holds(tmp / "bin/prlog.txt", PREMIX)


def test_closing_while_lp_runs(app, installed, tmp):  # the job, let go, completes
    executable(
        tmp / "fake/lp",
        f'#!/bin/sh\necho "$1" >{tmp}/lp\nwhile [ -e {tmp}/lp ]; do sleep 0.1; done\n'
        f'cp "$1" {tmp}/printed\n',
    )
    window = app(installed, PATH=f"{tmp}/fake:/usr/bin:/bin")
    window.keys("Down", "alt+p")
    file_holds(tmp / "lp", f"{tmp}/bin/prlog.txt\n")
    window.end()
    (tmp / "lp").unlink()
    file_holds(tmp / "printed", PREMIX)
