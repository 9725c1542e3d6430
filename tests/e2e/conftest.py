# The real program, on the X server and session bus that CTest starts for each module, driven and
# read only from outside: xdotool for keys and the pointer, xclip for the clipboard, XFixes for the
# pointer's image, AT-SPI for what a screen reader hears, ImageMagick for screenshots, and a private
# CUPS queue.
import ctypes
import os
import shutil
import subprocess as sp
import tempfile
import time
from pathlib import Path

import pytest

PROGRAM, SHOTS = os.environ.get("ROTORIX_PROGRAM", ""), os.environ.get("ROTORIX_SHOTS", "/tmp")
CANT_PRINT = "Cant Print \nSave As Text and print it from your Text (*.txt) Editor"


# The condition's first true value. The deadline is generous for a busy machine, never a judge of speed.
def wait_for(condition, what, deadline=30):
    end = time.monotonic() + deadline
    while not (got := condition()):
        if time.monotonic() > end:
            pytest.fail(what() if callable(what) else what)
        time.sleep(0.1)
    return got


def run(*args, check=True, **kwargs):
    done = sp.run(args, capture_output=True, text=True, timeout=600, **kwargs)
    if check and done.returncode:
        pytest.fail(f"{args} failed:\n{done.stdout}{done.stderr}")
    return done.stdout


# A text of tests/data, its line ends as they are.
def expected(name, old="", new=""):
    return (Path(__file__).parents[1] / "data" / name).read_bytes().decode().replace(old, new)


def clipboard(target="UTF8_STRING"):
    return sp.run(["xclip", "-sel", "clip", "-o", "-t", target], capture_output=True).stdout


def windows(*how):
    return run("xdotool", "search", "--all", "--onlyvisible", *how, check=False).split()


def executable(path, text):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text)
    path.chmod(0o755)


def root_only():
    if os.geteuid():
        pytest.skip("needs root")


@pytest.fixture
def tmp():
    path = Path(tempfile.mkdtemp(prefix="rotorix-e2e-"))
    yield path
    sp.run(["chattr", "-R", "-i", path], capture_output=True)
    sp.run(["chmod", "-R", "u+w", path])
    shutil.rmtree(path)


# The program with its window shown: its caption the version's, its size fixed (Wine draws no frame
# and gives the window manager no size limits).
class App:
    def __init__(self, program, env, launcher, log):
        env = {
            **os.environ,
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            **env,
        }
        self.proc = sp.Popen([*launcher, program], stdout=log, stderr=sp.STDOUT, env=env)
        pid = str(self.proc.pid)
        self.win = wait_for(lambda: windows("--pid", pid, "--name", "^Rotorix "), "no window")[0]
        info = run("xprop", "-id", self.win, "WM_NAME", "WM_NORMAL_HINTS") + run(
            "xwininfo", "-id", self.win
        )
        assert f'"Rotorix (v{os.environ["ROTORIX_VERSION"]})"' in info
        assert "Width: 314\n" in info and "Height: 479\n" in info
        assert "wine" in launcher or "maximum size: 314 by 479" in info
        run("xdotool", "windowfocus", "--sync", self.win)

    # To the window's focus, through the keyboard as a whole, as Wine takes keys only that way.
    def keys(self, *keys):
        if keys:
            run("xdotool", "windowfocus", "--sync", self.win, "key", *keys)

    def move(self, x, y, *then):
        run("xdotool", "mousemove", "--window", self.win, str(x), str(y), *then)

    # A screenshot once the window is painted: two alike, not of one flat colour.
    def shot(self, name):
        path, last = f"{SHOTS}/{name}.png", [None]

        def settled():
            run("import", "-silent", "-window", self.win, path)
            signature, colours = run("identify", "-format", "%# %k", path).split()
            same, last[0] = signature == last[0], signature
            return same and colours != "1"

        wait_for(settled, f"the window never settled for {name}")
        return path

    # Escape through the keyboard as a whole: a key sent to the window would outlive it.
    def end(self):
        run("xdotool", "windowfocus", "--sync", self.win, "key", "Escape")
        assert self.proc.wait(30) == 0


# Starts the program, ROTORIX_PROGRAM unless told; ends it with Escape if it still runs.
@pytest.fixture
def app(tmp):
    started = []
    log = open(tmp / "app.log", "ab")
    yield lambda program=PROGRAM, launcher=(), **env: started.append(
        App(program, env, launcher, log)
    ) or started[-1]
    print((tmp / "app.log").read_text(errors="replace")[-3000:])
    for app in started:
        try:
            if app.proc.poll() is None:
                app.end()
        finally:
            app.proc.kill()
            app.proc.wait()


# From the page selector of a new window, past the unit and the total, Tab to each percentage.
def set_mix(app, methanol, nitro, synthetic, castor, other, additive_is_oil=True):
    app.keys("Tab", "Tab")
    for row, percent in ((1, nitro), (2, synthetic), (3, castor), (4, other), (0, methanol)):
        app.keys("Tab", *["Prior"] * (percent // 10), *["Up"] * (percent % 10))
        if row == 4 and other:  # past the additive's name to its check box
            app.keys("Tab", "Tab", *([] if additive_is_oil else ["space"]))


# Pastes what a keyboard of any language could type.
def paste(app, text):
    sp.run(["xclip", "-sel", "clip", "-i"], input=text.encode(), check=True)
    app.keys("ctrl+v")


# Copy by its access key: the clipboard's Unicode and 8-bit texts, once they arrive.
def copy_report(app):
    sp.run(["xclip", "-sel", "clip", "-i"], input=b"-", check=True)
    app.keys("alt+o")
    wait_for(lambda: clipboard() not in (b"", b"-"), "nothing was copied")
    return clipboard().decode(), clipboard("STRING")


# The program's windows as a screen reader finds them, a moment after they show.
def accessible(app):
    import pyatspi

    desktop = pyatspi.Registry.getDesktop(0)
    found = lambda: [w for a in desktop if a and a.get_process_id() == app.proc.pid for w in a]
    return wait_for(found, "the program is not on the accessibility bus")


# The text of the message box the program shows, which Return then closes.
def message(app):
    text = lambda: "".join(c.name for w in accessible(app) if w.name == "Rotorix" for c in w)
    said = wait_for(text, "no message box showed")
    box = lambda: windows("--pid", str(app.proc.pid), "--name", "^Rotorix$")
    run("xdotool", "windowfocus", "--sync", *box(), "key", "Return")
    wait_for(lambda: not box(), "the box stayed open")
    run("xdotool", "windowfocus", "--sync", app.win)
    return said


# The server's pointer image as WIDTHxHEIGHT+HOTX+HOTY, through XFixes.
def pointer():
    xlib, xfixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
    xlib.XOpenDisplay.restype = xfixes.XFixesGetCursorImage.restype = ctypes.c_void_p
    display = ctypes.c_void_p(xlib.XOpenDisplay(None))
    # An XFixesCursorImage starts with six 16-bit fields: x, y, width, height, xhot, yhot.
    image = xfixes.XFixesGetCursorImage(display)
    _, _, width, height, x, y = (ctypes.c_ushort * 6).from_address(image)
    xlib.XCloseDisplay(display)
    return f"{width}x{height}+{x}+{y}"


# How many pixels of two screenshots differ by more than anti-aliasing does, within a region.
def differ(a, b, *crop):
    compare = "-fuzz 10% -metric AE -compare -format %[distortion] info:".split()
    return float(run("convert", a, b, *crop, *compare))


# A private scheduler whose raw queue keeps job N as cups/out/job-N; lp finds it.
@pytest.fixture
def cups(tmp):
    root_only()
    d = tmp / "cups"
    for sub in ("spool", "cache", "state", "tmp", "out"):
        (d / sub).mkdir(parents=True)
    executable(d / "bin/backend/capture", '#!/bin/sh\ncat "$6" >"${DEVICE_URI#capture:}/job-$1"\n')
    (d / "bin/backend/capture").chmod(0o700)  # which CUPS runs as root, who may write the output
    (d / "bin/daemon").symlink_to("/usr/lib/cups/daemon")
    (d / "cupsd.conf").write_text(f"Listen {d}/cups.sock\n<Location />\nAllow all\n</Location>\n")
    folders = "ServerBin bin RequestRoot spool CacheDir cache StateDir state TempDir tmp".split()
    files = "".join(f"{key} {d}/{sub}\n" for key, sub in zip(folders[::2], folders[1::2]))
    (d / "cups-files.conf").write_text(f"ServerRoot {d}\n{files}ErrorLog {d}/error_log\n")
    cupsd = sp.Popen(["cupsd", "-f", "-c", d / "cupsd.conf", "-s", d / "cups-files.conf"])
    os.environ.update(CUPS_SERVER=f"{d}/cups.sock", LPDEST="capture")
    # A scheduler that has just begun to answer may still refuse a new queue for a moment.
    queue = ["lpadmin", "-p", "capture", "-E", "-v", f"capture:{d}/out", "-m", "raw"]
    wait_for(lambda: not sp.run(queue).returncode, "the private scheduler took no queue")
    yield d / "out"
    cupsd.kill()
    del os.environ["CUPS_SERVER"], os.environ["LPDEST"]


# Waits for a file to hold exactly the text.
def file_holds(path, text, encoding="utf-8"):
    read = lambda: path.exists() and path.read_bytes().decode(encoding, "replace")
    wait_for(lambda: read() == text, lambda: f"{path} holds {read()!r}, not {text!r}")
