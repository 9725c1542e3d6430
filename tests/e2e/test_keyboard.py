# Escape on an open list, and Calculator: a calculator found on the search path, or the message.
import pytest
from conftest import differ, executable, message, run, wait_for, windows

# The keys that focus a list, and a point on it.
LISTS = {
    "pages": ([], 164, 18),
    "units": (["Tab"], 184, 42),
    "rates": (["Down", "Down"] + ["shift+Tab"] * 3, 216, 338),
}


@pytest.mark.parametrize("name", LISTS)
def test_escape_closes_only_an_open_list(app, name):
    keys, x, y = LISTS[name]
    window = app()
    window.keys(*keys)
    window.move(140, 456)
    before = window.shot(f"escape-{name}")
    window.move(x, y, "click", "1")
    lists = lambda: set(windows("--pid", str(window.proc.pid))) - {window.win}
    wait_for(lists, "the list did not open")
    run("xdotool", "key", "Down", "alt+c", "alt+o", "alt+p")  # the access keys wait for the list
    run("xdotool", "key", "Escape")
    wait_for(lambda: not lists(), "Escape left the list open")
    window.move(140, 456)
    assert differ(before, window.shot(f"escape-{name}-after")) == 0


def test_calculator(app, tmp):
    executable(tmp / "bin/gnome-calculator", f"#!/bin/sh\ntouch {tmp}/started\n")
    app(PATH=f"{tmp}/bin:/usr/bin:/bin").keys("alt+a")
    wait_for((tmp / "started").exists, "the calculator was not started")
    window = app(PATH=str(tmp / "nothing"))
    window.keys("alt+a")
    assert message(window) == "Cant open Windows Calculator"
