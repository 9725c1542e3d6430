# The credit link: the helicopter pointer over it alone, and its underline while the pointer is on it,
# up to its right edge; a click opens the site.
from conftest import differ, executable, file_holds, pointer, wait_for

HELICOPTER = "32x32+31+17"


def test_link(app, tmp):
    executable(tmp / "opener/xdg-open", f'#!/bin/sh\necho "$*" >>{tmp}/opened\n')
    window = app(PATH=f"{tmp}/opener:/usr/bin:/bin")
    window.move(140, 456)
    plain = window.shot("link-plain")
    window.move(60, 432, "click", "1")  # the name above it, which opens nothing
    assert pointer() != HELICOPTER
    window.move(60, 456, "click", "1")
    wait_for(lambda: pointer() == HELICOPTER, pointer)
    window.move(137, 456)  # the window's own surface, on the link's right edge
    assert differ(plain, window.shot("link-hover"), "-crop", "129x3+8+460") > 20
    window.move(138, 456)
    wait_for(lambda: differ(plain, window.shot("link-plain-again")) == 0, "the underline stayed")
    file_holds(tmp / "opened", "https://www.quillfen.com/\n")
