# The real program on a private X server and session bus, driven and read only from outside: xdotool
# for keys and the pointer, xclip for the clipboard, XFixes for the pointer's image, AT-SPI for what a
# screen reader hears, ImageMagick for screenshots, and a private CUPS queue.
import ctypes
import os
import shutil
import subprocess as sp
import tempfile
import time
from pathlib import Path

import pytest

PROGRAM, SHOTS = os.environ.get("ROTORIX_PROGRAM", ""), Path(
    os.environ.get("ROTORIX_SHOTS", "/tmp")
)
CANT_PRINT = "Cant Print \nSave As Text and print it from your Text (*.txt) Editor"


# The condition's first true value; the deadline is generous for a busy machine, never a judge of speed.
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


def expected(name, old="", new=""):  # a text of tests/data, bytes as they are
    return (Path(__file__).parents[1] / "data" / name).read_bytes().decode().replace(old, new)


def clipboard(target="UTF8_STRING"):
    return sp.run(
        ["xclip", "-selection", "clipboard", "-o", "-t", target], capture_output=True
    ).stdout


def windows(*how):
    return run("xdotool", "search", "--all", "--onlyvisible", *how, check=False).split()


def executable(path, text):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text)
    path.chmod(0o755)


def root_only():
    if os.geteuid():
        pytest.skip("needs root")


@pytest.fixture(scope="session", autouse=True)
def desktop():  # an X server that outlives every program it shows, and a session bus
    read, write = os.pipe()
    procs = [
        sp.Popen(
            [
                "Xvfb",
                "-displayfd",
                str(write),
                "-screen",
                "0",
                "1280x1024x24",
                "-nolisten",
                "tcp",
                "-noreset",
            ],
            pass_fds=[write],
            stderr=sp.DEVNULL,
        )
    ]
    os.environ.update(
        DISPLAY=":" + os.read(read, 16).decode().strip(), XDG_RUNTIME_DIR=tempfile.mkdtemp()
    )
    procs.append(
        sp.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=sp.PIPE)
    )
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = procs[-1].stdout.readline().decode().strip()
    yield
    for proc in procs:
        proc.kill()


@pytest.fixture
def tmp():  # a folder of the test's own
    path = Path(tempfile.mkdtemp(prefix="rotorix-e2e-"))
    yield path
    sp.run(["chattr", "-R", "-i", path], capture_output=True)
    sp.run(["chmod", "-R", "u+w", path])
    shutil.rmtree(path)


class App:  # the program with its window shown: its caption the version's, its size fixed
    def __init__(self, program, env, launcher, log):
        self.proc = sp.Popen(
            [*launcher, program],
            stdout=log,
            stderr=sp.STDOUT,
            env={
                **os.environ,
                "QT_QPA_PLATFORM": "xcb",
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                **env,
            },
        )
        self.win = wait_for(
            lambda: windows("--pid", str(self.proc.pid), "--name", "^Rotorix "), "no window"
        )[0]
        info = run("xprop", "-id", self.win, "WM_NAME", "WM_NORMAL_HINTS") + run(
            "xwininfo", "-id", self.win
        )
        for want in (
            f'"Rotorix (v{os.environ["ROTORIX_VERSION"]})"',
            "Width: 314\n",
            "Height: 479\n",
            "maximum size: 314 by 479",
        ):
            assert want in info
        run("xdotool", "windowfocus", "--sync", self.win)

    def keys(self, *keys):
        keys and run("xdotool", "key", "--window", self.win, *keys)

    def move(self, x, y, *then):
        run("xdotool", "mousemove", "--window", self.win, str(x), str(y), *then)

    def shot(self, name):  # once the window is painted: two shots alike, and not one flat colour
        path, last = SHOTS / f"{name}.png", [None]

        def settled():
            run("import", "-silent", "-window", self.win, path)
            signature, colours = run("identify", "-format", "%# %k", path).split()
            same, last[0] = signature == last[0], signature
            return same and colours != "1"

        wait_for(settled, f"the window never settled for {name}")
        return path

    def end(
        self,
    ):  # Escape, through the keyboard as a whole: a key sent to the window would outlive it
        run("xdotool", "windowfocus", "--sync", self.win, "key", "Escape")
        assert self.proc.wait(30) == 0


@pytest.fixture
def app(tmp):  # starts the program, ROTORIX_PROGRAM unless told; ended with Escape if it still runs
    started = []
    yield lambda program=PROGRAM, launcher=(), **env: started.append(
        App(program, env, launcher, open(tmp / "app.log", "ab"))
    ) or started[-1]
    print((tmp / "app.log").read_text(errors="replace")[-3000:])
    for app in started:
        try:
            app.proc.poll() is None and app.end()
        finally:
            app.proc.kill()


# From the page selector of a new window, past the unit and the total, Tab to each percentage and raise it.
def set_mix(app, methanol, nitro, synthetic, castor, other, additive_is_oil=True):
    app.keys("Tab", "Tab")
    for row, percent in ((1, nitro), (2, synthetic), (3, castor), (4, other), (0, methanol)):
        app.keys("Tab", *["Prior"] * (percent // 10), *["Up"] * (percent % 10))
        if row == 4 and other:  # past the additive's name to its check box
            app.keys("Tab", "Tab", *([] if additive_is_oil else ["space"]))


def paste(app, text):  # what a keyboard of any language could type
    sp.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(), check=True)
    app.keys("ctrl+v")


def copy_report(
    app,
):  # Copy by its access key: the clipboard's Unicode and 8-bit texts once they arrive
    sp.run(["xclip", "-selection", "clipboard", "-i"], input=b"-", check=True)
    app.keys("alt+o")
    wait_for(lambda: clipboard() not in (b"", b"-"), "nothing was copied")
    return clipboard().decode(), clipboard("STRING")


def accessible(
    app,
):  # the program's windows as a screen reader finds them, a moment after they show
    import pyatspi

    found = lambda: [
        w
        for a in pyatspi.Registry.getDesktop(0)
        if a and a.get_process_id() == app.proc.pid
        for w in a
    ]
    return wait_for(found, "the program is not on the accessibility bus")


def message(app):  # the text of the message box the program shows, then closed with Return
    said = wait_for(
        lambda: "".join(
            c.name
            for w in accessible(app)
            if w.name == "Rotorix"
            for c in w
            if c.getRoleName() == "label"
        ),
        "no message box showed",
    )
    box = windows("--pid", str(app.proc.pid), "--name", "^Rotorix$")
    run("xdotool", "windowfocus", "--sync", *box, "key", "Return")
    wait_for(
        lambda: not windows("--pid", str(app.proc.pid), "--name", "^Rotorix$"),
        "the box stayed open",
    )
    run("xdotool", "windowfocus", "--sync", app.win)
    return said


def pointer():  # the server's pointer image as WIDTHxHEIGHT+HOTX+HOTY, through XFixes
    xlib, xfixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
    xlib.XOpenDisplay.restype = xfixes.XFixesGetCursorImage.restype = ctypes.c_void_p
    display = ctypes.c_void_p(xlib.XOpenDisplay(None))
    # An XFixesCursorImage starts with six 16-bit fields: x, y, width, height, xhot, yhot.
    _, _, width, height, x, y = (ctypes.c_ushort * 6).from_address(
        xfixes.XFixesGetCursorImage(display)
    )
    xlib.XCloseDisplay(display)
    return f"{width}x{height}+{x}+{y}"


def differ(a, b, *crop):  # how many pixels differ by more than anti-aliasing does, within a region
    return float(
        run(
            "convert",
            a,
            b,
            *crop,
            "-fuzz",
            "10%",
            "-metric",
            "AE",
            "-compare",
            "-format",
            "%[distortion]",
            "info:",
        )
    )


@pytest.fixture
def cups(tmp):  # a private scheduler whose raw queue keeps job N as cups/out/job-N; lp finds it
    root_only()
    d = tmp / "cups"
    for sub in ("spool", "cache", "state", "tmp", "out"):
        (d / sub).mkdir(parents=True)
    executable(d / "bin/backend/capture", '#!/bin/sh\ncat "$6" >"${DEVICE_URI#capture:}/job-$1"\n')
    (d / "bin/backend/capture").chmod(0o700)  # which CUPS runs as root, who may write the output
    (d / "bin/daemon").symlink_to("/usr/lib/cups/daemon")
    (d / "cupsd.conf").write_text(
        f"Listen {d}/cups.sock\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
    )
    (d / "cups-files.conf").write_text(
        f"ServerRoot {d}\nServerBin {d}/bin\nRequestRoot {d}/spool\nCacheDir "
        f"{d}/cache\nStateDir {d}/state\nTempDir {d}/tmp\nErrorLog {d}/error_log\n"
    )
    cupsd = sp.Popen(["cupsd", "-f", "-c", d / "cupsd.conf", "-s", d / "cups-files.conf"])
    os.environ.update(CUPS_SERVER=f"{d}/cups.sock", LPDEST="capture")
    # A scheduler that has just begun to answer may still refuse a new queue for a moment.
    wait_for(
        lambda: not sp.run(
            ["lpadmin", "-p", "capture", "-E", "-v", f"capture:{d}/out", "-m", "raw"]
        ).returncode,
        "the private scheduler took no queue",
    )
    yield d / "out"
    cupsd.kill()
    del os.environ["CUPS_SERVER"], os.environ["LPDEST"]


def file_holds(path, text):  # waits for the file to hold exactly the text, in UTF-8
    wait_for(
        lambda: path.exists() and path.read_bytes() == text.encode(),
        lambda: f"{path} holds not {text!r}",
    )
