# The credit link: the helicopter pointer and the underline over it alone; a click opens the site.
from conftest import differ, executable, file_holds, pointer, wait_for


def test_link(app, tmp):
    executable(tmp / "opener/xdg-open", f'#!/bin/sh\necho "$*" >>{tmp}/opened\n')
    window = app(PATH=f"{tmp}/opener:/usr/bin:/bin")
    window.move(140, 456)
    plain = window.shot("link-plain")
    window.move(60, 432)  # the name above it
    assert pointer() != "32x32+31+17"
    window.move(60, 456)
    wait_for(lambda: pointer() == "32x32+31+17", pointer)
    assert differ(plain, window.shot("link-hover"), "-crop", "129x3+8+460") > 20  # the underline
    window.move(60, 432, "click", "1")
    window.move(60, 456, "click", "1")
    window.move(140, 456)
    wait_for(lambda: pointer() != "32x32+31+17", "the helicopter stayed off the link")
    assert differ(plain, window.shot("link-plain-again")) == 0
    file_holds(tmp / "opened", "https://www.quillfen.com/\n")
