# The real program, on the X server and session bus that CTest starts for each module, driven and
# read only from outside: xdotool for keys and the pointer, xclip for the clipboard, XFixes for the
# pointer's image, AT-SPI for what a screen reader hears, ImageMagick for screenshots, and a private
# CUPS queue.
import ctypes
import os
import shutil
import socket
import subprocess as sp
import tempfile
import time
from pathlib import Path

import pyatspi
import pytest

PROGRAM, VERSION = os.environ["ROTORIX_PROGRAM"], os.environ["ROTORIX_VERSION"]
BUILD, SOURCE = os.environ["ROTORIX_BUILD"], Path(__file__).parents[2]
CANT_PRINT = "Cant Print \nSave As Text and print it from your Text (*.txt) Editor"
SITE = "https://www.quillfen.com/"
os.environ.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")


# The condition's first true value. The deadline is generous for a busy machine, never a judge of speed.
# A failure says what `what` makes, and the traceback's line names the condition.
def wait_for(condition, what=str, deadline=30):
    end = time.monotonic() + deadline
    while not (got := condition()):
        if time.monotonic() > end:
            pytest.fail(str(what()))
        time.sleep(0.1)
    return got


def run(*args, check=True, **kwargs):
    done = sp.run(args, capture_output=True, text=True, **kwargs)
    if check and done.returncode:
        pytest.fail(f"{args} failed:\n{done.stdout}{done.stderr}")
    return done.stdout


# A text of tests/data, its line ends as they are.
def expected(name):
    return (Path(__file__).parents[1] / "data" / name).read_bytes().decode()


GLOW, PREMIX = expected("glow-report.txt"), expected("premix-report.txt")


def clipboard(target="UTF8_STRING"):
    return sp.run(["xclip", "-sel", "clip", "-o", "-t", target], capture_output=True).stdout


# Waits for a file to hold exactly the text.
def file_holds(path, text):
    read = lambda: path.exists() and path.read_bytes().decode(errors="replace")
    wait_for(lambda: read() == text, lambda: f"{path} holds {read()!r}")


# A program in tmp that notes its arguments in tmp/NAME.log, then does the rest; the search path
# that finds it first is returned.
def stand_in(tmp, name, rest=""):
    (tmp / name).write_text(f'#!/bin/sh\necho "$*" >>{tmp}/{name}.log\n{rest}')
    (tmp / name).chmod(0o755)
    return f"{tmp}:/usr/bin:/bin"


# A folder that anyone may enter (the user nobody, a printer's backend), and that the tests may
# make unchangeable.
@pytest.fixture
def tmp():
    path = Path(tempfile.mkdtemp())
    path.chmod(0o755)
    yield path
    run("chattr", "-R", "-i", path, check=False)
    shutil.rmtree(path)


# The program with its window shown: its caption the version's, its size fixed (Wine draws no frame
# and gives the window manager no size limits). Its output goes to the test's.
class App:
    def __init__(self, program, launcher, env):
        self.proc = sp.Popen([*launcher, program], env={**os.environ, **env})
        self.win = wait_for(lambda: self.windows("^Rotorix "))[0]
        info = run("xwininfo", "-stats", "-size", "-id", self.win)
        assert f'"Rotorix (v{VERSION})"' in info and " 314x479+" in info
        assert "wine" in launcher or "maximum size: 314 by 479" in info
        run("xdotool", "windowfocus", "--sync", self.win)

    # The program's windows on show whose names match.
    def windows(self, name=""):
        search = ["--all", "--onlyvisible", "--pid", str(self.proc.pid), "--name", name]
        return run("xdotool", "search", *search, check=False).split()

    # To the window's focus, through the keyboard as a whole, as Wine takes keys only that way.
    def keys(self, *keys):
        run("xdotool", "windowfocus", "--sync", self.win, "key", *keys)

    def move(self, x, y, *then):
        run("xdotool", "mousemove", "--window", self.win, str(x), str(y), *then)

    # Escape through the keyboard as a whole: a key sent to the window would outlive it.
    def end(self):
        self.keys("Escape")
        assert self.proc.wait(30) == 0

    # 70 % methanol, 10 nitro, 10 synthetic, 8 castor and 2 other: from the page selector of a new
    # window past the unit and the total, the methanol row last, and past the additive's name to
    # its check box.
    def set_mix(self, additive_is_oil=False):
        self.keys(*["Tab"] * 3, "Prior", "Tab", "Prior", "Tab", *["Up"] * 8, "Tab", "Up", "Up")
        self.keys("Tab", "Tab", *([] if additive_is_oil else ["space"]), "Tab", *["Prior"] * 7)

    # From the methanol row back to the additive's name, which becomes the text: pasted, as a
    # keyboard of any language could type it.
    def name_additive(self, text):
        sp.run(["xclip", "-sel", "clip", "-i"], input=text.encode(), check=True)
        self.keys("shift+Tab", "shift+Tab", "ctrl+a", "ctrl+v")

    # Copy by its access key: the clipboard's Unicode and 8-bit texts, once they arrive.
    def copy_report(self):
        sp.run(["xclip", "-sel", "clip", "-i"], input=b"-", check=True)
        self.keys("alt+o")
        wait_for(lambda: clipboard() not in (b"", b"-"))
        return clipboard().decode(), clipboard("STRING")

    # The program's windows as a screen reader finds them.
    def accessible(self):
        desktop = pyatspi.Registry.getDesktop(0)
        found = lambda: [w for a in desktop if a and a.get_process_id() == self.proc.pid for w in a]
        return wait_for(found)

    # The text of the message box the program shows.
    def message(self):
        text = lambda: "".join(c.name for w in self.accessible() if w.name == "Rotorix" for c in w)
        return wait_for(text)

    # A screenshot once the window is painted: two alike, not of one flat colour.
    def shot(self, name):
        path, seen = f"{BUILD}/screenshots/{name}.png", [None]

        def settled():
            run("import", "-window", self.win, path)
            seen.append(run("identify", "-format", "%# %k", path))
            return seen[-1] == seen[-2] and not seen[-1].endswith(" 1")

        wait_for(settled)
        return path


# Starts the program, ROTORIX_PROGRAM unless told; the test ends it, or it is killed.
@pytest.fixture
def app(request):
    def start(program=PROGRAM, launcher=(), **env):
        app = App(program, launcher, env)
        request.addfinalizer(app.proc.kill)
        return app

    return start


# The server's pointer image as [width, height, hot spot x, hot spot y], through XFixes.
def pointer():
    xlib, xfixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
    xlib.XOpenDisplay.restype = xfixes.XFixesGetCursorImage.restype = ctypes.c_void_p
    display = ctypes.c_void_p(xlib.XOpenDisplay(None))
    # An XFixesCursorImage starts with six 16-bit fields: x, y, width, height, xhot, yhot.
    image = (ctypes.c_ushort * 6).from_address(xfixes.XFixesGetCursorImage(display))[2:]
    xlib.XCloseDisplay(display)
    return image


# How many pixels of two screenshots differ by more than anti-aliasing does, within a region.
def differ(a, b, *crop):
    compare = "-fuzz 10% -metric AE -compare -format %[distortion] info:".split()
    return float(run("convert", a, b, *crop, *compare))


# A private scheduler with a raw queue to a printer on a local port, the queue lp finds: it gives
# the next job's text once it is printed, its line ends as they are.
@pytest.fixture
def cups(tmp, monkeypatch, request):
    d = tmp / "cups"
    (d / "tmp").mkdir(parents=True)
    (d / "cupsd.conf").write_text(f"Listen {d}/cups.sock\n<Location />\nAllow all\n</Location>\n")
    # Its spool, cache and state in its own folder, and apart the temporary files that it clears.
    folders = f"ServerRoot {d}\nRequestRoot {d}\nCacheDir {d}\nStateDir {d}\nTempDir {d}/tmp\n"
    (d / "cups-files.conf").write_text(f"{folders}ErrorLog {d}/log\n")
    cupsd = sp.Popen(["cupsd", "-f", "-c", d / "cupsd.conf", "-s", d / "cups-files.conf"])
    request.addfinalizer(cupsd.kill)
    printer = socket.create_server(("127.0.0.1", 0))
    printer.settimeout(30)
    monkeypatch.setenv("CUPS_SERVER", f"{d}/cups.sock")
    monkeypatch.setenv("LPDEST", "printer")
    # A scheduler that has just begun to answer may still refuse a new queue for a moment.
    device = f"socket://127.0.0.1:{printer.getsockname()[1]}"
    queue = ["lpadmin", "-p", "printer", "-E", "-v", device, "-m", "raw"]
    wait_for(lambda: not sp.run(queue).returncode)
    return lambda: printer.accept()[0].makefile(newline="").read()
