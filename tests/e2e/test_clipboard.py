# Copy, read back from the X clipboard as Unicode and as 8-bit text, byte for byte.
from conftest import copy_report, expected, paste, set_mix


def test_copy_both_fuel_reports(app):
    window = app()
    set_mix(window, 70, 10, 10, 8, 2, additive_is_oil=False)
    assert copy_report(window) == (
        expected("glow-report.txt"),
        expected("glow-report.txt").encode(),
    )
    window.keys(
        "shift+Tab", "shift+Tab", "End"
    )  # to the additive's name, adding what Latin-1 lacks
    paste(window, "€")
    glow = expected("glow-report.txt", "EDL", "EDL€")
    assert copy_report(window) == (glow, glow.replace("€", "?").encode())
    window.keys(*["shift+Tab"] * 7, "Down")  # to the page selector, and on to the pre-mix page
    assert copy_report(window) == (
        expected("premix-report.txt"),
        expected("premix-report.txt").encode(),
    )
