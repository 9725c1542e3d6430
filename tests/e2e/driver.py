#!/usr/bin/python3
"""Usage: driver.py SCENARIO PROGRAM SCREENSHOT_DIR (PROGRAM: the built program, or the build's CPack configuration
for the package). Runs a scenario of scenarios.tsv on a private X server, driving and reading the program only from
outside. A step splits like a shell line; {tmp}, {bin} and {program} stand for the run's folder, its program folder
and PROGRAM, {NAME} for the variable NAME of the environment, \\r and \\n for line ends. Exits 77 where root is needed."""
import ctypes, os, shlex, shutil, signal, subprocess as sp, sys, tempfile, time
HERE = os.path.dirname(os.path.abspath(__file__))
CONTROL_ROLES = ("label", "scroll bar", "combo box", "text", "entry", "check box", "push button")
def fail(what): sys.exit(f"FAIL: {what}")
def skip(why): sys.exit(print(f"SKIP: {why}") or 77)
def wait(condition, what, deadline=30):  # a generous deadline for a busy machine, never a judge of speed
    end = time.monotonic() + deadline
    while not (got := condition()):
        if time.monotonic() > end: fail(what() if callable(what) else what)
        time.sleep(0.1)
    return got
def out(*args, timeout=10):  # a command's output, None when it fails
    try: done = sp.run(args, capture_output=True, timeout=timeout)
    except sp.TimeoutExpired: return None
    return done.stdout if done.returncode == 0 else None
def must(*args, timeout=60):  # a command's output; when it fails, what it said fails the test
    done = sp.run(args, capture_output=True, timeout=timeout)
    return fail(f"{' '.join(args)} failed:\n{(done.stdout + done.stderr).decode(errors='replace')[-4000:]}") if done.returncode else done.stdout.decode()
def write(path, text, mode=0o755):  # in folders made as needed
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f: f.write(text)
    os.chmod(path, mode)
def table(name): return [row.rstrip("\n").split("\t") for row in open(os.path.join(HERE, name), encoding="utf-8") if row[0] not in "#\n"]
def windows(*how): return (out("xdotool", "search", "--onlyvisible", *how) or b"").decode().split()
def focus(window): must("xdotool", "windowfocus", "--sync", window, timeout=10)
def pointer():  # the server's pointer image as WIDTHxHEIGHT+HOTX+HOTY, through XFixes
    xlib, xfixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
    xlib.XOpenDisplay.restype = xfixes.XFixesGetCursorImage.restype = ctypes.c_void_p
    display = ctypes.c_void_p(xlib.XOpenDisplay(None) or fail("cannot open the display"))
    # An XFixesCursorImage starts with six 16-bit fields: x, y, width, height, xhot, yhot.
    _, _, width, height, xhot, yhot = (ctypes.c_ushort * 6).from_address(xfixes.XFixesGetCursorImage(display))
    xlib.XCloseDisplay(display)
    return f"{width}x{height}+{xhot}+{yhot}"

class Run:
    def __init__(self, name, program, shots):
        self.name, self.program, self.shots, self.procs, self.undo = name, program, shots, [], []
        r, w = os.pipe()  # the server picks a free display itself and tells it here
        self.spawn(["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                   pass_fds=[w], stdout=sp.DEVNULL, stderr=sp.DEVNULL)
        os.close(w)
        os.environ["DISPLAY"] = ":" + (os.read(r, 16).decode().strip() or sys.exit("Xvfb did not start"))
        self.tmp = tempfile.mkdtemp(prefix="rotorix-e2e-")
        os.chmod(self.tmp, 0o755)  # the print tests' program runs as nobody
        self.vars = dict(os.environ, tmp=self.tmp, bin=f"{self.tmp}/bin", program=program, tests=os.path.dirname(HERE))
        self.app_env, self.launcher, self.signatures, self.decimal, self.app, self.last = {}, [], {}, ".", None, None
        os.makedirs(shots, exist_ok=True)
    def spawn(self, args, **kw): return self.procs.append(sp.Popen(args, start_new_session=True, **kw)) or self.procs[-1]
    def step(self, verb, *args):  # whatever the step, the program must not end unasked
        args = [a.format(**self.vars).replace("\\r", "\r").replace("\\n", "\n") for a in args]
        (getattr(self, "do_" + verb, None) or sys.exit(f"unknown step {verb!r}"))(*args)
        self.app is None or self.app.poll() is None or fail(f"the program ended with status {self.app.returncode}")
    def do_keys(self, *keys, window=True):  # KEY*N presses KEY N times
        keys = [k for press in keys for k in [press.split("*")[0]] * int((press + "*1").split("*")[1])]
        must("xdotool", "key", *(["--window", self.win] if window else []), *keys)
    def clipboard(self, target="UTF8_STRING"): return out("xclip", "-selection", "clipboard", "-o", "-t", target, timeout=2)
    def do_mark(self):  # a marker tells a fresh copy from an old one
        sp.run(["xclip", "-selection", "clipboard", "-i"], input=b"(nothing copied)", stdout=sp.DEVNULL, check=True)
    def expect(self, what, read, wanted, old=None, new=None):  # WANTED: files of tests/data and literals joined by +
        want = b"".join(open(os.path.join(HERE, "..", "data", part), "rb").read() if part.endswith(".txt")
                        else part.encode() for part in wanted.split("+"))
        want = want.replace(old.encode(), new.encode()) if old else want  # OLD becomes NEW
        wait(lambda: read() == want, lambda: f"{what} is {read()!r}, not {want!r}")
    # Steps that prepare the machine, mostly before the program starts.
    def do_env(self, *settings): self.app_env.update(s.split("=", 1) for s in settings)
    def do_decimal(self, separator): self.decimal = separator
    def do_write(self, path, text=""): write(path, text)  # an executable file
    def do_own(self):  # the program runs from a folder of its own, where it writes its print file
        self.program = shutil.copy(self.program, os.makedirs(self.vars["bin"]) or self.vars["bin"])
    def do_user(self):  # its folder read-only as if installed; root writes anyway, so runs it as nobody
        os.makedirs(home := f"{self.tmp}/home")
        os.chmod(self.vars["bin"], 0o555)
        self.app_env["HOME"] = home
        if os.geteuid() == 0:
            shutil.chown(home, "nobody", "nogroup")
            self.launcher = ["/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]
    def do_bus(self):  # a session bus of the run's own starts the accessibility bus, its sockets in the run's folder
        os.mkdir(run := f"{self.tmp}/run", 0o700)
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=sp.PIPE,
                         env=dict(os.environ, XDG_RUNTIME_DIR=run))
        os.environ.update(XDG_RUNTIME_DIR=run, DBUS_SESSION_BUS_ADDRESS=bus.stdout.readline().decode().strip())
    def do_weston(self):  # a headless Wayland compositor of the run's own, where Qt programs started later show
        os.mkdir(run := f"{self.tmp}/wayland", 0o700)
        self.spawn(["weston", "--backend=headless-backend.so", "--use-pixman", "--socket=rotorix", "--idle-time=0"],
                   env=dict(os.environ, XDG_RUNTIME_DIR=run), stdout=sp.DEVNULL, stderr=sp.DEVNULL)
        os.environ.update(XDG_RUNTIME_DIR=run, WAYLAND_DISPLAY="rotorix", QT_QPA_PLATFORM="wayland")
        wait(lambda: os.path.exists(f"{run}/rotorix"), "weston did not start")
    def do_cups(self):  # a private raw queue, the destination of lp, keeping job N as {tmp}/cups/out/job-N
        os.geteuid() == 0 or skip("a private CUPS scheduler needs root")
        d = f"{self.tmp}/cups"
        for sub in ("spool", "cache", "state", "tmp", "out"): os.makedirs(f"{d}/{sub}")
        write(f"{d}/bin/backend/capture", '#!/bin/sh\ncat $6 >"${DEVICE_URI#capture:}/job-$1"\n', 0o700)  # runs as root
        os.symlink("/usr/lib/cups/daemon", f"{d}/bin/daemon")
        write(f"{d}/cupsd.conf", f"Listen {d}/cups.sock\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n")
        write(f"{d}/cups-files.conf", f"ServerRoot {d}\nServerBin {d}/bin\nRequestRoot {d}/spool\nCacheDir {d}/cache\n"
              f"StateDir {d}/state\nTempDir {d}/tmp\nErrorLog {d}/error_log\n")
        self.spawn(["cupsd", "-f", "-c", f"{d}/cupsd.conf", "-s", f"{d}/cups-files.conf"])
        os.environ.update(CUPS_SERVER=f"{d}/cups.sock", LPDEST="capture")
        # A scheduler that has just begun to answer may still refuse a new queue for a moment.
        wait(lambda: out("lpadmin", "-p", "capture", "-E", "-v", f"capture:{d}/out", "-m", "raw") is not None,
             "the private CUPS scheduler took no queue")
    def do_package(self):  # a machine that already has a rotorix package is left alone; this run removes its own
        os.geteuid() == 0 or skip("installing a package needs root")
        out("dpkg-query", "-W", "-f=${db:Status-Status}", "rotorix") == b"installed" and skip("rotorix is installed here already")
        self.undo.append(["dpkg", "--purge", "rotorix"])
    def do_sh(self, command, *wanted):  # a shell command that must succeed, printing each of WANTED
        said = must("sh", "-c", command, timeout=600)
        for item in wanted: item in said or fail(f"{command!r} printed no {item!r}: {said}")
    def do_holds(self, *files):  # the installed package holds each of FILES
        listed = must("dpkg", "-L", "rotorix").splitlines()
        for file in files: file in listed or fail(f"the package holds no {file}")
    def do_start(self, program=None):  # PROGRAM or the run's; its window titled with the version, its client area fixed
        self.app = self.spawn([*self.launcher, program or self.program], env=dict(os.environ, QT_QPA_PLATFORM="xcb", **self.app_env),
                              stdout=open(f"{self.tmp}/app.log", "ab"), stderr=sp.STDOUT)
        self.win = wait(lambda: windows("--name", "^Rotorix ")[:1] or self.app.poll() is not None
                        and fail("the program exited before showing its window"), "no window appeared")[0]
        width, height = (n * int(self.app_env.get("QT_SCALE_FACTOR", 1)) for n in (314, 479))  # no window manager, no frame
        info = must("xprop", "-id", self.win, "WM_NAME", "WM_NORMAL_HINTS") + must("xwininfo", "-id", self.win)
        for want in (f'= "Rotorix (v{os.environ["ROTORIX_VERSION"]})"\n', f"Width: {width}\n", f"Height: {height}\n",
                     f"maximum size: {width} by {height}"):
            want in info or fail(f"the window has no {want!r}: {info}")
        focus(self.win)
        self.do_shot("opened")
    def do_end(self):  # through XTEST: a key sent to the window would have its release hit a window now gone
        self.do_keys("Escape", window=False)
        code = wait(lambda: self.app.poll() is not None and [self.app.returncode], "the program still runs after Escape")[0]
        self.app = None if code == 0 else fail(f"the program exited with status {code}")
    def do_xkeys(self, *keys): self.do_keys(*keys, window=False)  # through XTEST, to whichever window has the keyboard
    def do_move(self, x, y, *click): must("xdotool", "mousemove", "--window", self.win, x, y, *click)
    def do_click(self, x, y): self.do_move(x, y, "click", "1")
    def do_shot(self, name, mode="", other="", window=None):  # once two agree; "changed": unlike the last; "like OTHER"
        path, previous = f"{self.tmp}/shot.png", [None]
        def settled():
            must("import", "-silent", "-window", window or self.win, path)
            # A window mapped but not yet painted is one flat colour, and two such shots agree.
            signature, colours = must("identify", "-format", "%# %k", path).split()
            same, previous[0] = signature == previous[0], signature
            return colours != "1" and same and {"": True, "changed": signature != self.last,
                                                "like": signature == self.signatures.get(other)}[mode]
        wait(settled, f"the window did not settle {mode} {other} for {name}")
        self.last = self.signatures[name] = previous[0]
        shutil.copy(path, f"{self.shots}/{self.name}-{name}.png")
    def do_scaled(self, big, small, limit):  # text drawn afresh at the larger size matches once blurred a little
        shot = f"{self.shots}/{self.name}-%s.png"
        difference = float(must("convert", shot % big, "-resize", "50%", shot % small, "-blur", "0x1",
                                "-metric", "RMSE", "-compare", "-format", "%[distortion]", "info:"))
        difference < float(limit) or fail(f"{big} halved differs from {small} by {difference} (RMSE)")
    def do_differs(self, a, b, region):  # screenshots A and B differ within REGION, WIDTHxHEIGHT+LEFT+TOP in pixels
        shot = f"{self.shots}/{self.name}-%s.png"
        float(must("convert", shot % a, shot % b, "-crop", region, "+repage", "-metric", "AE", "-compare", "-format",
                   "%[distortion]", "info:")) or fail(f"{a} and {b} do not differ within {region}")
    def do_clip(self, targets, wanted, old=None, new=None):  # the clipboard as TARGET,TARGET...
        for target in targets.split(","): self.expect(f"the clipboard's {target}", lambda: self.clipboard(target), wanted, old, new)
    def do_file(self, path, wanted): self.expect(path, lambda: os.path.exists(path) and open(path, "rb").read(), wanted)
    def do_absent(self, path): os.path.exists(path) and fail(f"{path} exists")
    def do_pair(self, a, b, b2, a2):  # A typed shows B in its partner, B2 typed there A2 (copied out)
        for text, move, shown in ((a, "Tab", b), (b2, "shift+Tab", a2)):
            must("xdotool", "type", "--window", self.win, "--delay", "30", "--", text)
            self.do_mark()
            self.do_keys(move, "ctrl+a", "ctrl+c")
            self.expect(f"the box after {text}", self.clipboard, shown.replace(".", self.decimal))
        self.do_keys("Tab", "Tab")
    def do_popups(self, count):  # the program shows COUNT windows besides its own (open lists)
        wait(lambda: len(set(windows("--pid", str(self.app.pid))) - {self.win}) == int(count),
             f"the program does not show {count} open lists")
    def do_message(self, name, key):  # a box titled just "Rotorix", closed by KEY; then the window has the keyboard again
        box = wait(lambda: windows("--name", "^Rotorix$"), "no message box appeared")[0]
        self.do_shot(name, window=box)
        focus(box)
        self.do_keys(key, window=False)
        wait(lambda: not windows("--name", "^Rotorix$"), f"{key} did not close the message box")
        focus(self.win)
    def do_pointer(self, image):  # the pointer settles on IMAGE; !IMAGE: on any other
        wait(lambda: (pointer() == image.lstrip("!")) != image.startswith("!"), lambda: f"the pointer is {pointer()}, not {image}")
    def atspi_window(self):  # the program registers on the bus a moment after its window shows
        import pyatspi
        return pyatspi, wait(lambda: [c for a in pyatspi.Registry.getDesktop(0) if a and a.name.lower() == "rotorix" for c in a
                                      if c and c.getState().contains(pyatspi.STATE_SHOWING)], "no showing Rotorix window on the bus")[0]
    def do_names(self, page):  # at each place of accessible-names.tsv the smallest showing control; a list's name by relation
        pyatspi, root = self.atspi_window()
        origin = root.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        found = [(c, c.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)) for c in pyatspi.findAllDescendants(root,
                 lambda c: c.getState().contains(pyatspi.STATE_SHOWING) and c.getRoleName() in CONTROL_ROLES)]
        def spoken(x, y):  # in twips, 15 a pixel; the point just inside the control's corner
            x, y = origin.x + x // 15 + 3, origin.y + y // 15 + 3
            hits = [(b.width * b.height, o) for o, b in found if b.x <= x < b.x + b.width and b.y <= y < b.y + b.height]
            obj = min(hits, key=lambda hit: hit[0])[1] if hits else None
            labels = [r.getTarget(0).name for r in (obj.getRelationSet() if obj and obj.getRoleName() == "combo box" else [])
                      if r.getRelationType() == pyatspi.RELATION_LABELLED_BY and r.getNTargets()]
            return labels[0] if labels else obj and obj.name
        entries = [(row[1].split(), *entry.split(" ", 3)) for row in table("accessible-names.tsv") if row[0] == page
                   for entry in row[2:]]
        failures = [f"page {page} {control}: {name!r}, not {want!r}" for (dx, dy), control, left, top, want in entries
                    if (name := spoken(int(dx) + int(left), int(dy) + int(top))) != want]
        if failures or not entries: fail("\n".join(failures) or f"accessible-names.tsv has no rows for page {page}")
    def do_announce(self, name, *keys):  # KEYS make the program announce a name change that says NAME
        pyatspi, _ = self.atspi_window()
        from gi.repository import GLib
        loop, heard = GLib.MainLoop(), []
        pyatspi.Registry.registerEventListener(lambda event: (heard.append(event.source.name), name in heard and loop.quit()),
                                               "object:property-change:accessible-name")
        GLib.idle_add(lambda: self.do_keys(*keys))
        GLib.timeout_add_seconds(30, loop.quit)
        loop.run()
        name in heard or fail(f"no announcement of {name!r}; heard {heard}")
    def cleanup(self):  # what the program said goes with the test's output, shown when it fails
        os.path.exists(log := f"{self.tmp}/app.log") and sys.stderr.write(open(log).read()[-4000:])
        for proc in self.procs[::-1]: proc.poll() is None and (os.killpg(proc.pid, signal.SIGTERM), proc.wait(10))
        for command in self.undo: sp.run(command, capture_output=True)
        sp.run(f"chmod -R u+w {self.tmp}; rm -rf {self.tmp}", shell=True)

def main(name, program, shots):
    scenarios, scenario = {}, None
    for row in table("scenarios.tsv"):  # a row starting with a tab goes on with the scenario above
        scenario = row[0] or scenario
        scenarios.setdefault(scenario, []).extend(shlex.split(field) for field in row[1:] if field)
    steps = scenarios.get(name) or sys.exit(f"no scenario {name!r} in scenarios.tsv")
    run = Run(name, program, shots)
    try:
        for step in steps: run.step(*step)
        run.app and run.do_end()
    finally:
        run.cleanup()
    print(f"{name}: {len(steps)} steps passed")
if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]) if len(sys.argv) == 4 else __doc__)
