# What a screen reader hears: the inputs named after their labels, and a result as it changes.
from conftest import accessible, set_mix, wait_for


def test_names_and_a_live_result(app):
    import pyatspi
    from gi.repository import GLib

    window = app()
    set_mix(window, 70, 10, 10, 8, 2)
    showing = lambda c: c.getState().contains(pyatspi.STATE_SHOWING)
    spoken = lambda: {c.name for c in pyatspi.findAllDescendants(accessible(window)[0], showing)}
    assert {
        "Total Volume",
        "Other additive name",
        "< additive is part of oil %",
        "Total Oil mix is 20 %",
    } <= spoken()
    window.keys(*["shift+Tab"] * 9, "Down", "Down")  # to the drive page
    wait_for(lambda: {"Number of engine teeth", "Charge rate (milliamps)"} <= spoken(), spoken)
    loop, heard = GLib.MainLoop(), []
    listener = lambda event: (heard.append(event.source.name), "9 teeth" in heard and loop.quit())
    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
    GLib.idle_add(lambda: window.keys("Tab", "Up"))
    GLib.timeout_add_seconds(30, loop.quit)
    loop.run()
    assert "9 teeth" in heard
