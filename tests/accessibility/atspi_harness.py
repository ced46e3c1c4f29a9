"""End-to-end accessibility tests: the real programs under a virtual display,
driven and read through AT-SPI only, as a screen reader does.

A test script does, in outline:

    from atspi_harness import Desktop, run_test

    def test(desktop):
        app = desktop.launch(program, files={"Questions_X.txt": data}, args=["/S"])
        box = app.find("check box", "Answer 1")
        app.do_action(box, "Toggle")
        app.check("Answer 1 valid" in app.text(app.find("text", "Exam status")), "...")

    run_test(test)

Desktop starts a virtual X display (Xvfb), a session D-Bus, and the
accessibility bus with its registry (at-spi2-core), each of them ours alone,
so that tests can run side by side. launch() copies a program into a fresh
folder with the files it reads beside itself and waits until it shows up on
the accessibility bus. Every lookup waits a little (the program answers
events in its own time) and fails with a message naming what it looked for
and where. When the test has passed, run_test ends each program still running
by its File menu, as its user would: it must end by itself with exit code 0
and nothing from the sanitizers in its output.

Use /usr/bin/python3: pyatspi is a Debian package, not a pip one.
"""

import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

DEFAULT_TIMEOUT = 10.0
# The File menu's last item in both programs and both languages.
QUIT_ITEMS = ("Quit", "Quitter", "Exit")
# What AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer print.
SANITIZER_REPORTS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:")
POLL_SECONDS = 0.05


class TestFailure(Exception):
    """A check that did not hold; its message is the test's verdict."""


def fail(message):
    raise TestFailure(message)


def _die_with_parent():
    # A test killed by its runner's time limit must not leave a display or a
    # bus behind: the services get SIGTERM when the test process goes.
    try:
        ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
    except OSError:
        pass


def _describe(obj):
    try:
        return "%s %r" % (obj.getRoleName(), obj.name)
    except Exception:  # the object went away while we described it
        return "(gone)"


def _role_name(role):
    """Accepts "check box", "CHECK_BOX" or a pyatspi role constant."""
    if isinstance(role, str):
        return role.replace("_", " ").lower()
    from gi.repository import Atspi

    return Atspi.role_get_name(role)


class Desktop:
    """A private display, session bus and accessibility bus."""

    def __init__(self, screen="1280x1024x24"):
        self.screen = screen
        self.processes = []
        self.apps = []
        self.workdir = tempfile.mkdtemp(prefix="atspi-")
        self.env = None
        self.pyatspi = None

    # -- services -----------------------------------------------------------

    def _spawn(self, argv, env, **kwargs):
        try:
            proc = subprocess.Popen(argv, env=env, preexec_fn=_die_with_parent, **kwargs)
        except FileNotFoundError:
            fail("cannot start %s: not installed (tools/install-deps.sh installs it)" % argv[0])
        self.processes.append(proc)
        return proc

    def start(self):
        env = dict(os.environ)
        for name in ("QT_QPA_PLATFORM", "AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS",
                     "WAYLAND_DISPLAY", "XAUTHORITY"):
            env.pop(name, None)
        env["XDG_RUNTIME_DIR"] = self._folder("runtime", mode=0o700)
        env["HOME"] = self._folder("home")

        # Xvfb picks a free display and tells us its number.
        read_fd, write_fd = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", self.screen,
                     "-nolisten", "tcp", "-noreset"], env, pass_fds=(write_fd,),
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        number = self._read_line(read_fd, 20, "Xvfb did not report its display number")
        env["DISPLAY"] = ":" + number

        read_fd, write_fd = os.pipe()
        self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                     "--print-address=%d" % write_fd], env, pass_fds=(write_fd,),
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(
            read_fd, 20, "dbus-daemon did not report its address")

        launcher = "/usr/libexec/at-spi-bus-launcher"
        if not os.path.exists(launcher):
            fail("%s is missing: at-spi2-core is not installed" % launcher)
        self._spawn([launcher, "--launch-immediately"], env,
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._wait_for_accessibility_bus(env)
        # Toolkits look at this flag before they expose their tree at all.
        subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "/org/a11y/bus",
                        "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                        "string:IsEnabled", "variant:boolean:true"],
                       env=env, check=False, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)

        # pyatspi finds the buses through the environment when first imported.
        os.environ.clear()
        os.environ.update(env)
        self.env = env
        try:
            import pyatspi
        except ImportError:
            fail("python3-pyatspi is not installed (run these tests with /usr/bin/python3)")
        self.pyatspi = pyatspi
        return self

    def _folder(self, name, mode=0o755):
        path = os.path.join(self.workdir, name)
        os.makedirs(path, mode=mode, exist_ok=True)
        return path

    @staticmethod
    def _read_line(fd, seconds, message):
        import select

        data = b""
        deadline = time.monotonic() + seconds
        with os.fdopen(fd, "rb", buffering=0) as pipe:
            while not data.endswith(b"\n"):
                left = deadline - time.monotonic()
                if left <= 0 or not select.select([pipe], [], [], left)[0]:
                    fail(message)
                chunk = pipe.read(256)
                if not chunk:
                    break
                data += chunk
        line = data.decode().strip()
        if not line:
            fail(message)
        return line

    def _wait_for_accessibility_bus(self, env):
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            reply = subprocess.run(["dbus-send", "--session", "--print-reply",
                                    "--dest=org.a11y.Bus", "/org/a11y/bus",
                                    "org.a11y.Bus.GetAddress"],
                                   env=env, capture_output=True, text=True)
            if reply.returncode == 0 and "unix:" in reply.stdout:
                return
            time.sleep(0.1)
        fail("the accessibility bus (org.a11y.Bus) did not start")

    def stop(self):
        for app in self.apps:
            app.quit()
        for proc in reversed(self.processes):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        shutil.rmtree(self.workdir, ignore_errors=True)

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.stop()
        return False

    # -- programs -----------------------------------------------------------

    def launch(self, program, files=None, args=(), env=None, name=None, timeout=30):
        """Copies program into a new folder with files ({name: bytes, or a
        path to copy}), starts it there with args, and returns the App once
        its window is on the accessibility bus."""
        if not os.path.isfile(program):
            fail("program %s does not exist (build it first)" % program)
        folder = tempfile.mkdtemp(prefix="run-", dir=self.workdir)
        target = os.path.join(folder, os.path.basename(program))
        shutil.copy2(program, target)
        for file_name, content in (files or {}).items():
            path = os.path.join(folder, file_name)
            if isinstance(content, bytes):
                with open(path, "wb") as out:
                    out.write(content)
            else:
                shutil.copy2(content, path)
        run_env = dict(self.env)
        run_env["QT_QPA_PLATFORM"] = "xcb"
        run_env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        run_env["QT_ACCESSIBILITY"] = "1"
        run_env.update(env or {})
        log = open(os.path.join(folder, ".output.txt"), "wb")
        proc = self._spawn([target] + list(args), run_env, cwd=folder, stdout=log,
                           stderr=subprocess.STDOUT)
        app = App(self, proc, folder, name or os.path.basename(program))
        self.apps.append(app)
        app.root = app.wait_for(lambda: app._find_application(), timeout,
                                "application %r on the accessibility bus" % app.name)
        return app


class App:
    """One running program and its accessible tree."""

    def __init__(self, desktop, proc, folder, name):
        self.desktop = desktop
        self.proc = proc
        self.folder = folder
        self.name = name
        self.root = None

    # -- waiting and failing ------------------------------------------------

    def wait_for(self, probe, timeout, what):
        """Calls probe until it returns something true; fails naming what."""
        deadline = time.monotonic() + timeout
        last_error = None
        while True:
            if self.proc.poll() is not None:
                fail("%s ended (exit code %s) while waiting for %s%s"
                     % (self.name, self.proc.returncode, what, self._output_tail()))
            try:
                found = probe()
                if found:
                    return found
            except TestFailure:
                raise
            except Exception as error:  # an object vanished between two calls
                last_error = error
            if time.monotonic() >= deadline:
                detail = " (last error: %s)" % last_error if last_error else ""
                fail("could not find %s within %.0f s%s" % (what, timeout, detail))
            time.sleep(POLL_SECONDS)

    def check(self, condition, message):
        if not condition:
            fail(message)

    def _output_tail(self):
        try:
            with open(os.path.join(self.folder, ".output.txt"), "rb") as f:
                text = f.read()[-2000:].decode("latin-1")
            return "\n--- program output ---\n" + text if text.strip() else ""
        except OSError:
            return ""

    # -- the tree -----------------------------------------------------------

    def _find_application(self):
        desktop = self.desktop.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is None:
                continue
            try:
                if app.get_process_id() == self.proc.pid:
                    return app
            except Exception:
                if app.name == self.name:
                    return app
        return None

    def walk(self, root=None, limit=5000):
        """Every object under root (the application by default), breadth first."""
        queue = [root or self.root]
        seen = 0
        while queue and seen < limit:
            obj = queue.pop(0)
            if obj is None:
                continue
            seen += 1
            yield obj
            try:
                count = obj.childCount
            except Exception:
                continue
            for i in range(count):
                try:
                    queue.append(obj.getChildAtIndex(i))
                except Exception:
                    pass

    def labels(self, obj):
        """The names of the objects that label obj (its labelled-by
        relation), which a screen reader says before the object's value."""
        names = []
        for relation in obj.getRelationSet():
            if relation.getRelationType() != self.desktop.pyatspi.RELATION_LABELLED_BY:
                continue
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                if target is not None:
                    names.append(target.name or "")
        return names

    def _matches(self, obj, role, name, showing, labelled=None):
        try:
            # A drop list's label goes on with its current item:
            # "Marking, As you go".
            if labelled is not None and (obj.name or "") != labelled and not any(
                    label == labelled or label.startswith(labelled + ", ")
                    for label in self.labels(obj)):
                return False
            if role is not None and obj.getRoleName() != _role_name(role):
                return False
            if name is not None:
                actual = obj.name or ""
                if callable(name):
                    if not name(actual):
                        return False
                elif actual != name:
                    return False
            if showing and not obj.getState().contains(self.desktop.pyatspi.STATE_SHOWING):
                return False
            return True
        except Exception:
            return False

    def find_all(self, role=None, name=None, within=None, showing=True, labelled=None):
        return [o for o in self.walk(within) if self._matches(o, role, name, showing, labelled)]

    def find(self, role, name=None, within=None, timeout=DEFAULT_TIMEOUT, showing=True,
             labelled=None):
        """The first object of that role (e.g. "check box", "push button",
        "text", "dialog") whose name is name (a string, or a test of the
        name), or that is labelled so (its name or a labelled-by relation).
        Fails, listing what there is, when none shows up in time."""
        what = _role_name(role)
        if name is not None and not callable(name):
            what += " named %r" % name
        if labelled is not None:
            what += " labelled %r" % labelled
        place = " in %s" % _describe(within) if within is not None else " in %s" % self.name
        try:
            return self.wait_for(
                lambda: next(iter(self.find_all(role, name, within, showing, labelled)), None),
                timeout, what + place)
        except TestFailure as error:
            fail("%s\n%s" % (error, self.inventory(within)))

    def inventory(self, within=None, limit=80):
        """What there is, for failure messages."""
        lines = []
        for obj in self.walk(within, limit=limit):
            try:
                labels = self.labels(obj)
            except Exception:
                labels = []
            lines.append("  " + _describe(obj) + (" labelled %r" % labels if labels else ""))
        return "objects seen:\n" + "\n".join(lines)

    def window(self, name=None, role="frame", timeout=DEFAULT_TIMEOUT):
        return self.find(role, name, timeout=timeout)

    # -- reading and acting -------------------------------------------------

    def text(self, obj):
        """What a screen reader reads of a text object (or its name)."""
        try:
            text = obj.queryText()
            return text.getText(0, -1)
        except NotImplementedError:
            return obj.name or ""

    def wait_for_text(self, obj, test, what, timeout=DEFAULT_TIMEOUT):
        last = [None]

        def probe():
            last[0] = self.text(obj)
            return test(last[0])

        try:
            self.wait_for(probe, timeout, what)
        except TestFailure:
            fail("%s did not come: %s reads %r" % (what, _describe(obj), last[0]))
        return last[0]

    def actions(self, obj):
        action = obj.queryAction()
        return [action.getName(i) for i in range(action.nActions)]

    def do_action(self, obj, name, max_seconds=1.0):
        """Does the named action ("Press", "Toggle", ...) and returns how
        long the program took to answer; an action that holds the program
        (a modal box opened inside it) fails the test."""
        try:
            action = obj.queryAction()
        except NotImplementedError:
            fail("%s has no actions" % _describe(obj))
        names = [action.getName(i) for i in range(action.nActions)]
        wanted = [i for i, n in enumerate(names) if n.lower() == name.lower()]
        if not wanted:
            fail("%s has no action %r (it has %s)" % (_describe(obj), name, names))
        start = time.monotonic()
        try:
            done = action.doAction(wanted[0])
        except Exception as error:
            fail("action %r on %s did not return: %s" % (name, _describe(obj), error))
        took = time.monotonic() - start
        if not done:
            fail("action %r on %s was refused" % (name, _describe(obj)))
        if took > max_seconds:
            fail("action %r on %s took %.1f s to return" % (name, _describe(obj), took))
        return took

    def focused(self, within=None):
        state = self.desktop.pyatspi.STATE_FOCUSED
        for obj in self.walk(within):
            try:
                if obj.getState().contains(state):
                    return obj
            except Exception:
                pass
        return None

    def file(self, name):
        return os.path.join(self.folder, name)

    def wait_for_file(self, test, what, timeout=DEFAULT_TIMEOUT):
        """The first file of the program's folder whose name passes test."""
        def probe():
            for entry in sorted(os.listdir(self.folder)):
                if test(entry):
                    return os.path.join(self.folder, entry)
            return None

        return self.wait_for(probe, timeout, what + " in " + self.folder)

    def close(self, timeout=60):
        """Ends the program as its user does, by the last item of its File
        menu, and fails unless it ends by itself with exit code 0 and no
        report of the sanitizers in its output (a sanitizer build checks for
        leaks only when the program exits by itself)."""
        if self.proc.poll() is None:
            item = self.find("menu item", lambda name: name in QUIT_ITEMS, showing=False)
            try:
                item.queryAction().doAction(0)
            except Exception:
                pass  # the program may be gone before it answers
            try:
                self.proc.wait(timeout)
            except subprocess.TimeoutExpired:
                fail("%s did not end within %d s of %r%s"
                     % (self.name, timeout, item.name, self._output_tail()))
        try:
            with open(os.path.join(self.folder, ".output.txt"), "rb") as f:
                output = f.read().decode("latin-1")
        except OSError:
            output = ""
        for report in SANITIZER_REPORTS:
            at = output.find(report)
            if at >= 0:
                fail("%s: the sanitizers reported a fault\n--- program output ---\n%s"
                     % (self.name, output[max(0, at - 200):at + 8000]))
        if self.proc.returncode != 0:
            fail("%s ended with exit code %s%s"
                 % (self.name, self.proc.returncode, self._output_tail()))

    def quit(self, timeout=5):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


def run_test(test, *args, desktop_class=None):
    """Runs test(desktop, *args) on a fresh desktop (a Desktop, or one of
    desktop_class); prints the verdict and the time and exits 0 or 1."""
    name = os.path.basename(sys.argv[0])
    started = time.monotonic()
    try:
        with (desktop_class or Desktop)() as desktop:
            test(desktop, *args)
            for app in desktop.apps:
                app.close()
    except TestFailure as error:
        print("FAILED %s after %.1f s: %s" % (name, time.monotonic() - started, error))
        sys.exit(1)
    except Exception:
        traceback.print_exc()
        print("FAILED %s after %.1f s: unexpected error" % (name, time.monotonic() - started))
        sys.exit(1)
    print("PASSED %s in %.1f s" % (name, time.monotonic() - started))
    sys.exit(0)
