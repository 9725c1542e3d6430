# The window on the Linux desktop: Escape on an open list; Calculator, a calculator found on the
# search path or the message; the credit link, its pointer and underline; and what a screen reader
# hears: the inputs named after their labels, and a result as it changes.
import pyatspi
from conftest import SITE, differ, file_holds, pointer, run, stand_in, wait_for
from gi.repository import GLib

HELICOPTER = [32, 32, 31, 17]


# The page selector's list, opened from the keyboard: the pointer stays off the window.
def test_escape_closes_only_an_open_list(app):
    window = app()
    before = window.shot("escape-before")
    window.keys("alt+Down")
    # The list, a window of its own, opens; the access keys wait for it, as Alt+C would end the
    # program.
    wait_for(lambda: len(window.windows()) == 2)
    run("xdotool", "key", "Down", "alt+c", "alt+o", "alt+p", "Escape")
    wait_for(lambda: window.windows() == [window.win])
    assert differ(before, window.shot("escape-after")) == 0


def test_calculator(app, tmp):
    app(PATH=stand_in(tmp, "gnome-calculator")).keys("alt+a")
    wait_for((tmp / "gnome-calculator.log").exists)
    window = app(PATH="/nowhere")
    window.keys("alt+a")
    assert window.message() == "Cant open Windows Calculator"


# The helicopter pointer over the link alone, and its underline while the pointer is on it, up to
# its right edge; a click opens the site.
def test_link(app, tmp):
    window = app(PATH=stand_in(tmp, "xdg-open"))
    # The pointer, at the screen's middle, is off the window.
    plain = window.shot("link-plain")
    window.move(60, 456, "click", "1")
    wait_for(lambda: pointer() == HELICOPTER, pointer)
    file_holds(tmp / "xdg-open.log", SITE + "\n")
    # The name above it, a label given the same picture, keeps the arrow.
    window.move(60, 432)
    wait_for(lambda: pointer() != HELICOPTER)
    # Back on the link, and on to the window's own surface at its right edge.
    window.move(60, 456)
    window.move(137, 456)
    assert differ(plain, window.shot("link-hover"), "-crop", "129x3+8+460") > 20
    window.move(138, 456)
    wait_for(lambda: differ(plain, window.shot("link-plain-again")) == 0)


# Every page's inputs, the drive page's too, are named after their labels.
def test_names_and_a_live_result(app):
    heard = []
    listener = lambda event: heard.append(event.source.name)
    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
    window = app()
    window.set_mix(additive_is_oil=True)
    names = {c.name for c in pyatspi.findAllDescendants(window.accessible()[0], lambda c: True)}
    assert {"Total Volume", "Other additive name", "< additive is part of oil %"} <= names
    assert {"Total Oil mix is 20 %", "Number of engine teeth", "Charge rate (milliamps)"} <= names
    # To the drive page, and its first tooth count one step up.
    window.keys(*["shift+Tab"] * 9, "Down", "Down", "Tab", "Up")

    def heard_nine_teeth():
        GLib.MainContext.default().iteration(False)
        return "9 teeth" in heard

    wait_for(heard_nine_teeth, lambda: f"heard only {heard}")
