#!/usr/bin/python3
"""Usage: driver.py SCENARIO PROGRAM SCREENSHOT_DIR (PROGRAM: the built program, or the build's CPack
configuration for the package). Runs a scenario of scenarios.tsv on a private X server, driving and reading
the program only from outside; its steps are a row's fields, each split like a shell line, {tmp}, {bin} and
{PATH} standing for the run's folder, its program folder and $PATH. Exits 77 where root is needed."""
import ctypes, glob, os, shlex, shutil, signal, subprocess as sp, sys, tempfile, time
HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "data")
TWIPS_PER_PIXEL = 15
# Where the pages' frames stand in the window, in twips: the fuel pages lie below the unit list.
PAGE_ORIGIN = {"0": (120, 840), "1": (120, 840), "2": (120, 480), "3": (120, 480)}
CONTROL_ROLES = {"label", "scroll bar", "combo box", "text", "entry", "check box", "push button"}
class Fail(Exception): pass
class Skip(Exception): pass
def fail(what): raise Fail(what)
def wait(condition, what, deadline=30):  # a generous deadline for a busy machine, never a judge of speed
    end = time.monotonic() + deadline
    while not (got := condition()):
        if time.monotonic() > end: raise Fail(what() if callable(what) else what)
        time.sleep(0.1)
    return got
def out(*args, timeout=10):  # a command's output, None when it fails
    try: done = sp.run(args, capture_output=True, timeout=timeout)
    except sp.TimeoutExpired: return None
    return done.stdout if done.returncode == 0 else None
def must(*args, timeout=60):
    return fail(f"{' '.join(args)} failed") if (done := out(*args, timeout=timeout)) is None else done.decode()
def write(path, text):  # an executable file, in folders made as needed
    os.makedirs(os.path.dirname(path), 0o755, exist_ok=True)
    with open(path, "w") as f: f.write(text)
    os.chmod(path, 0o755)
def windows(*how): return (out("xdotool", "search", "--onlyvisible", *how) or b"").split()
def focus(window): must("xdotool", "windowfocus", "--sync", window, timeout=10)
def purge(sudo): sp.run([*sudo, "dpkg", "--purge", "rotorix"], capture_output=True)
def pointer():  # the server's pointer image as WIDTHxHEIGHT+HOTX+HOTY, through XFixes
    class Image(ctypes.Structure):
        _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), *((f, ctypes.c_ushort) for f in
                    ("width", "height", "xhot", "yhot")), ("serial", ctypes.c_ulong), ("pixels", ctypes.c_void_p)]
    xlib, xfixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XCloseDisplay.argtypes = xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(Image)
    display = xlib.XOpenDisplay(None) or fail("cannot open the display")
    c = xfixes.XFixesGetCursorImage(display).contents
    xlib.XCloseDisplay(display)
    return f"{c.width}x{c.height}+{c.xhot}+{c.yhot}"

class Run:
    def __init__(self, name, program, shots):
        self.name, self.program, self.shots = name, program, shots
        self.tmp = tempfile.mkdtemp(prefix="rotorix-e2e-")
        os.chmod(self.tmp, 0o755)  # the print tests' program runs as nobody, their jobs as lp
        self.bin = os.path.join(self.tmp, "bin")
        self.vars = {"tmp": self.tmp, "bin": self.bin, "PATH": os.environ["PATH"]}
        self.app_env, self.launcher, self.procs, self.signatures, self.decimal = {}, [], [], {}, "."
        self.app = self.win = self.last = self.deb = self.installed = None
        os.environ.pop("WAYLAND_DISPLAY", None)
        os.makedirs(shots, exist_ok=True)
    def spawn(self, args, **kw): return self.procs.append(sp.Popen(args, start_new_session=True, **kw)) or self.procs[-1]
    def step(self, verb, *args):
        (getattr(self, "do_" + verb, None) or sys.exit(f"unknown step {verb!r}"))(*(a.format(**self.vars) for a in args))
    def key(self, *keys, window=True):
        keys = [k for press in keys for k in [press.split("*")[0]] * int((press + "*1").split("*")[1])]
        must("xdotool", "key", *(["--window", self.win] if window else []), *keys)
    def clipboard(self, target="UTF8_STRING"): return out("xclip", "-selection", "clipboard", "-o", "-t", target, timeout=2)
    def do_mark(self):  # a marker tells a fresh copy from an old one
        sp.run(["xclip", "-selection", "clipboard", "-i"], input=b"(nothing copied)", stdout=sp.DEVNULL, check=True)
    def expect(self, what, read, wanted, old=None, new=None):  # WANTED: files of tests/data, literals (\\r, \\n) joined by +; OLD becomes NEW
        want = b"".join(open(os.path.join(DATA, part), "rb").read() if part.endswith(".txt")
                        else part.replace("\\r", "\r").replace("\\n", "\n").encode() for part in wanted.split("+"))
        want = want.replace(old.encode(), new.encode()) if old else want
        wait(lambda: read() == want, lambda: f"{what} is {read()!r}, not {want!r}")
    # Steps that prepare the machine, before the program starts.
    def do_env(self, *settings): self.app_env.update(s.split("=", 1) for s in settings)
    def do_decimal(self, separator): self.decimal = separator
    def do_own(self):  # the program runs from a folder of its own, where it writes its print file
        os.makedirs(self.bin)
        self.program = shutil.copy(self.program, self.bin)
    def do_user(self):  # its folder read-only as if installed; root writes anyway, so runs it as nobody
        home = os.path.join(self.tmp, "home")
        os.makedirs(home)
        os.chmod(self.bin, 0o555)
        self.app_env["HOME"] = home
        if os.geteuid() == 0:
            shutil.chown(home, "nobody", "nogroup")
            self.launcher = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]
    def do_lp(self):  # a print command that tells it started, waits while {tmp}/go exists, keeps the file
        t = self.tmp
        write(f"{t}/fake/lp", f'#!/bin/sh\necho "$1" >{t}/started\nwhile [ -e {t}/go ]; do sleep 0.1; done\n'
              f'cp "$1" {t}/printed.tmp && mv {t}/printed.tmp {t}/printed\n')
    def do_touch(self, path): open(path, "w").close()
    def do_opener(self):  # xdg-open as a stand-in that records every address it is handed
        write(f"{self.tmp}/opener/xdg-open", f'#!/bin/sh\nprintf "%s\\n" "$*" >>{self.tmp}/opened\n')
        self.app_env["PATH"] = f"{self.tmp}/opener:{os.environ['PATH']}"
    def do_bus(self):  # A session bus of the run's own starts the accessibility bus, its sockets in the run's folder.
        os.environ["XDG_RUNTIME_DIR"] = os.path.join(self.tmp, "run")
        os.mkdir(os.environ["XDG_RUNTIME_DIR"], 0o700)
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=sp.PIPE)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.app_env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    def do_cups(self):  # a private default raw queue keeping job N as {tmp}/cups/out/job-N; run as lp, so root only
        if os.geteuid() != 0: raise Skip("a private CUPS scheduler needs root")
        d = os.path.join(self.tmp, "cups")
        for sub in ("spool", "cache", "state", "log", "tmp", "bin/backend", "out"):
            os.makedirs(f"{d}/{sub}", 0o755)
            sub in ("out", "tmp", "spool") and shutil.chown(f"{d}/{sub}", "lp", "lp")
        os.chmod(f"{d}/out", 0o770)
        os.symlink("/usr/lib/cups/daemon", f"{d}/bin/daemon")
        # The backend capture:/FOLDER: a job's bytes land in FOLDER/job-N, written aside and then put in place.
        write(f"{d}/bin/backend/capture", """#!/bin/sh\n[ $# -eq 0 ] && { echo 'direct capture "Unknown" "Test capture"'; exit 0; }
o=${DEVICE_URI#capture:}; if [ $# -ge 6 ]; then cat "$6"; else cat; fi >"$o/.j$1" && mv "$o/.j$1" "$o/job-$1"\n""")
        write(f"{d}/cupsd.conf", f"Listen {d}/cups.sock\nLogLevel warn\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n")
        write(f"{d}/cups-files.conf", f"ServerRoot {d}\nServerBin {d}/bin\nRequestRoot {d}/spool\nCacheDir {d}/cache\n"
              f"StateDir {d}/state\nTempDir {d}/tmp\nErrorLog {d}/log/error_log\nUser lp\nGroup lp\n")
        self.spawn(["cupsd", "-f", "-c", f"{d}/cupsd.conf", "-s", f"{d}/cups-files.conf"])
        os.environ["CUPS_SERVER"] = f"{d}/cups.sock"
        # A scheduler that has just begun to answer may still refuse a new queue for a moment.
        wait(lambda: out("lpadmin", "-p", "capture", "-E", "-v", f"capture:{d}/out", "-m", "raw") is not None
             and out("lpadmin", "-d", "capture") is not None, "the private CUPS scheduler took no queue")
        wait(lambda: (out("lpstat", "-d") or b"").endswith(b": capture\n"), "the capture queue is not the default")
    def do_package(self):  # Installing the package needs root or sudo; a machine that already has one is left alone.
        self.sudo = [] if os.geteuid() == 0 else ["sudo", "-n"]
        if self.sudo and out("sudo", "-n", "true") is None: raise Skip("installing a package needs root or sudo")
        if out("dpkg-query", "-W", "-f=${db:Status-Status}", "rotorix") == b"installed":
            raise Skip("a rotorix package is already installed here; not replacing it")
        must("cpack", "--config", self.program, "-B", f"{self.tmp}/deb", timeout=600)
        self.deb = (glob.glob(f"{self.tmp}/deb/rotorix_{os.environ['ROTORIX_VERSION']}_*.deb")
                    or fail("no rotorix_VERSION_*.deb was built"))[0]
    def do_install(self):  # with apt; /usr/bin/rotorix is the program from then on
        self.installed, version = self.sudo, os.environ["ROTORIX_VERSION"]
        must(*self.sudo, "env", "DEBIAN_FRONTEND=noninteractive", "apt-get", "install", "-y",
             "--no-install-recommends", "-o", "DPkg::Lock::Timeout=300", self.deb, timeout=600)
        out("dpkg-query", "-W", "-f=${Version}", "rotorix") == version.encode() or fail(f"the installed version is not {version}")
        self.program = "/usr/bin/rotorix"
    def do_depends(self, *packages):
        depends = must("dpkg-deb", "-f", self.deb, "Depends")
        for package in packages: package in depends or fail(f"Depends lacks {package}: {depends}")
    def do_holds(self, *files):
        listed = {line.split()[-1] for line in must("dpkg-deb", "-c", self.deb).splitlines()}
        for file in files: file in listed or fail(f"the package lacks {file}")
    def do_remove(self):
        self.installed = purge(self.installed)
        if out("dpkg-query", "-W", "rotorix") is not None: raise Fail("rotorix is still installed after removal")
    def do_start(self):  # The program: its window must have the fixed client area of 314 x 479, times QT_SCALE_FACTOR.
        if "DISPLAY" not in os.environ:
            r, w = os.pipe()  # the server picks a free display itself and tells it here
            self.spawn(["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                       pass_fds=[w], stdout=sp.DEVNULL, stderr=sp.DEVNULL)
            os.close(w)
            os.environ["DISPLAY"] = ":" + (os.read(r, 16).decode().strip() or fail("Xvfb did not start"))
        scale = int(self.app_env.get("QT_SCALE_FACTOR", 1))
        self.app = self.spawn([*self.launcher, self.program], env=dict(os.environ, QT_QPA_PLATFORM="xcb", **self.app_env),
                              stdout=open(f"{self.tmp}/app.log", "ab"), stderr=sp.STDOUT)
        def window():
            self.app.poll() is None or fail("the program exited before showing its window")
            return windows("--name", "^Rotorix ")[:1]
        self.win = wait(window, "no window appeared")[0].decode()
        title = f"Rotorix (v{os.environ['ROTORIX_VERSION']})"
        if must("xdotool", "getwindowname", self.win).strip() != title: raise Fail(f"the title is not {title!r}")
        width, height = 314 * scale, 479 * scale  # no window manager, so no frame
        info = must("xwininfo", "-id", self.win)
        f"Width: {width}\n" in info and f"Height: {height}\n" in info or fail(f"the client area is not {width} x {height}")
        f"maximum size: {width} by {height}" in must("xprop", "-id", self.win, "WM_NORMAL_HINTS") or fail("the window is resizable")
        focus(self.win)
        self.do_shot("opened")
    def do_end(self):  # Through XTEST: a key sent to the window would have its release hit a window now gone.
        self.key("Escape", window=False)
        wait(lambda: self.app.poll() is not None, "the program still runs after Escape")
        if self.app.returncode: raise Fail(f"the program exited with status {self.app.returncode}")
        self.app = None
    def do_keys(self, *keys): self.key(*keys)  # KEY*N presses KEY N times
    def do_xkeys(self, *keys): self.key(*keys, window=False)  # through XTEST, to whichever window has the keyboard
    def do_type(self, text): must("xdotool", "type", "--window", self.win, "--delay", "30", "--", text)
    def do_move(self, x, y): must("xdotool", "mousemove", "--window", self.win, x, y)
    def do_click(self, x, y): must("xdotool", "mousemove", "--window", self.win, x, y, "click", "1")
    def do_unmapped(self, keysym):  # A keysym the keyboard map lacks gets a spare key code of its own first.
        spare = [line.split()[1] for line in must("xmodmap", "-pke").splitlines() if len(line.split()) == 3]
        must("xmodmap", "-e", f"keycode {spare[0]} = {keysym}")
        self.key(keysym)
    def do_shot(self, name, mode="", other="", window=None):  # once two agree; "changed": unlike the last; "like OTHER": OTHER's picture
        path, previous = f"{self.tmp}/shot.png", [None]
        def settled():
            must("import", "-silent", "-window", window or self.win, path)
            # A window mapped but not yet painted is one flat colour, and two such shots agree.
            signature, colours = must("identify", "-format", "%# %k", path).split()
            if colours == "1": return False
            wanted = {"": True, "changed": signature != self.last, "like": signature == self.signatures.get(other)}
            same, previous[0] = signature == previous[0], signature
            return same and wanted[mode]
        wait(settled, f"the window did not settle {mode} {other} for {name}")
        self.last = self.signatures[name] = previous[0]
        shutil.copy(path, f"{self.shots}/{self.name}-{name}.png")
    def do_scaled(self, big, small, limit):  # text drawn afresh at the larger size matches once blurred a little
        shot = f"{self.shots}/{self.name}-%s.png"
        must("convert", shot % big, "-resize", "50%", "-blur", "0x1", f"{self.tmp}/a.png")
        must("convert", shot % small, "-blur", "0x1", f"{self.tmp}/b.png")
        done = sp.run(["compare", "-metric", "RMSE", f"{self.tmp}/a.png", f"{self.tmp}/b.png", "null:"],
                      capture_output=True, text=True)
        difference = float(done.stderr.split("(")[-1].rstrip(")\n"))
        print(f"{big} halved differs from {small} by {difference} (RMSE)")
        if not difference < float(limit): raise Fail(f"{big} differs from {small} by {difference}")
    def do_clip(self, targets, wanted, old=None, new=None):  # the clipboard as TARGET,TARGET...
        for target in targets.split(","): self.expect(f"the clipboard's {target}", lambda: self.clipboard(target), wanted, old, new)
    def do_file(self, path, wanted): self.expect(path, lambda: os.path.exists(path) and open(path, "rb").read(), wanted)
    def do_absent(self, path): os.path.exists(path) and fail(f"{path} exists")
    def do_rm(self, path): os.remove(path)
    def do_pair(self, a, b, b2, a2):  # A typed shows B in its partner, B2 typed there A2 (copied out)
        for text, move, shown in ((a, "Tab", b), (b2, "shift+Tab", a2)):
            self.do_type(text)
            self.do_mark()
            self.key(move, "ctrl+a", "ctrl+c")
            self.expect(f"the box after {text}", self.clipboard, shown.replace(".", self.decimal))
        self.key("Tab", "Tab")
    def do_popups(self, count):  # the program shows COUNT windows besides its own (open lists)
        def shown():
            self.app.poll() is None or fail(f"the program ended while waiting for {count} open lists")
            return len([w for w in windows("--pid", str(self.app.pid)) if w.decode() != self.win]) == int(count)
        wait(shown, f"the program does not show {count} open lists")
    def do_message(self, name, key):  # a box titled just "Rotorix"; after KEY the window has the keyboard
        box = wait(lambda: windows("--name", "^Rotorix$"), "no message box appeared")[0].decode()
        self.do_shot(name, window=box)
        focus(box)
        self.key(key, window=False)
        wait(lambda: not windows("--name", "^Rotorix$"), f"{key} did not close the message box")
        focus(self.win)
    def do_pointer(self, image):  # the pointer settles on IMAGE; !IMAGE: it is not IMAGE now
        if image.startswith("!") and pointer() == image[1:]: raise Fail(f"the pointer is {image[1:]}")
        image.startswith("!") or wait(lambda: pointer() == image, lambda: f"the pointer is {pointer()}")
    def atspi_window(self):
        import pyatspi
        def showing():  # the program registers on the bus a moment after its window shows
            return [c for a in pyatspi.Registry.getDesktop(0) if a and a.name.lower() == "rotorix"
                    for c in a if c and c.getState().contains(pyatspi.STATE_SHOWING)]
        return pyatspi, wait(showing, "no showing Rotorix window on the accessibility bus")[0]
    def do_names(self, page):  # The smallest showing control at each point of the table; a list's name comes by relation.
        pyatspi, root = self.atspi_window()
        origin, found = root.queryComponent().getExtents(pyatspi.DESKTOP_COORDS), []
        def walk(obj):
            for child in (c for c in obj if c and c.getState().contains(pyatspi.STATE_SHOWING)):
                box = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                found.append((child, box.x - origin.x, box.y - origin.y, box.width, box.height))
                walk(child)
        walk(root)
        def spoken(on, left, top):
            dx, dy = PAGE_ORIGIN[page] if on == "page" else (0, 0)
            x, y = (dx + int(left)) // TWIPS_PER_PIXEL + 3, (dy + int(top)) // TWIPS_PER_PIXEL + 3
            hits = [o for o in found if o[0].getRoleName() in CONTROL_ROLES
                    and o[1] <= x < o[1] + o[3] and o[2] <= y < o[2] + o[4]]
            obj = min(hits, key=lambda o: o[3] * o[4])[0] if hits else None
            labels = [r.getTarget(0).name for r in (obj.getRelationSet() if obj and obj.getRoleName() == "combo box" else [])
                      if r.getRelationType() == pyatspi.RELATION_LABELLED_BY and r.getNTargets()]
            return labels[0] if labels else obj and obj.name
        with open(os.path.join(HERE, "accessible-names.tsv"), encoding="utf-8") as table:
            groups = [line.rstrip("\n").split("\t") for line in table if line[0] != "#"]
        entries = [(group[1], *entry.split(" ", 3)) for group in groups if group[0] == page for entry in group[2:]]
        failures = [f"page {page} {control}: {name!r}, not {want!r}" for on, control, left, top, want in entries
                    if (name := spoken(on, left, top)) != want]
        if failures or not entries: raise Fail("\n".join(failures) or f"accessible-names.tsv has no rows for page {page}")
    def do_announce(self, name, *keys):  # KEYS make the program announce a name change that says NAME.
        pyatspi, _ = self.atspi_window()
        from gi.repository import GLib
        loop, heard = GLib.MainLoop(), []
        pyatspi.Registry.registerEventListener(lambda event: (heard.append(event.source.name), name in heard and loop.quit()),
                                               "object:property-change:accessible-name")
        GLib.idle_add(lambda: self.key(*keys))
        GLib.timeout_add_seconds(30, loop.quit)
        loop.run()
        if name not in heard: raise Fail(f"no announcement of {name!r}; heard {heard}")
    def cleanup(self):
        for proc in [self.app] * bool(self.app) + self.procs[::-1]:
            proc.poll() is None and (os.killpg(proc.pid, signal.SIGTERM), proc.wait(10))
        self.installed is None or purge(self.installed)
        sp.run(["chmod", "-R", "u+w", self.tmp])
        shutil.rmtree(self.tmp, ignore_errors=True)

def steps_of(name, rows):  # "steps OTHER" takes over OTHER's steps there
    steps = [shlex.split(field) for row in rows if row[0] == name for field in row[1:] if field]
    return [s for step in steps for s in (steps_of(step[1], rows) if step[0] == "steps" else [step])]
def main(name, program, shots):
    with open(os.path.join(HERE, "scenarios.tsv"), encoding="utf-8") as table:
        steps = steps_of(name, [line.rstrip("\n").split("\t") for line in table if line[0] not in "#\n"])
    run = Run(name, program, shots)
    try:
        for step in steps or sys.exit(f"no scenario {name!r} in scenarios.tsv"):
            run.step(*step)
        run.app and run.do_end()
    except Skip as skip:
        return print(f"SKIP: {skip}") or 77
    except Fail as fail:
        print(f"FAIL: {fail}", file=sys.stderr)
        os.path.exists(f"{run.tmp}/app.log") and sys.stderr.write(open(f"{run.tmp}/app.log").read()[-4000:])
        return 1
    finally:
        run.cleanup()
    return print(f"{name}: {len(steps)} steps passed") or 0
if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]) if len(sys.argv) == 4 else __doc__)
