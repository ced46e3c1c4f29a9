"""What a blind user hears: the real screen reader Orca listening to a
program on the private desktop of atspi_harness, keys pressed on the X
display (XTest, through xdotool) as the user presses them.

    from orca_harness import OrcaDesktop, run_orca_test

    def test(desktop):
        app = desktop.launch(program, args=["/S"])
        desktop.give_keyboard(app, "Ulvorane")
        heard = desktop.press("Tab")          # what Orca said after the key
        desktop.expect(heard, "Launch button")

    run_orca_test(test)

Orca runs with a fresh preferences folder and its debug log: every
utterance is written there as "SPEECH OUTPUT: '...'" before it would go to a
speech synthesiser, so none is needed (and none is installed: Orca finds no
speech server and keeps on logging). press() waits until Orca has been quiet
for a moment and returns what it said since the key, without the echo of
the key itself. Every key and what followed it is kept, and printed as the
transcript at the end of the test, passed or failed.
"""

import json
import os
import re
import shutil
import subprocess
import sys
import time

from atspi_harness import Desktop, TestFailure, fail, run_test
from atspi_keys import activate

# Orca writes nothing for a moment after a key: its answer is complete. Events
# reach it through two buses, so the pause must outlast a slow round trip.
QUIET_SECONDS = 0.5
KEY_TIMEOUT = 10.0
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?(?:\{.*\}|ACSS.*)?\s*$", re.S)
ENTRY_START = re.compile(r"(?m)^(?=\d\d:\d\d:\d\d\.\d+ - )")
# Key echo: the key's name, sometimes with its locking state after a space.
KEY_ECHOES = {"space", "return", "escape", "tab", "left", "right", "up", "down", "home",
              "end", "f5", "f6", "f7", "shift tab", "left shift", "shift"}


def _is_echo(utterance, key):
    said = utterance.strip().lower()
    return said in KEY_ECHOES or said == key.lower()


class OrcaDesktop(Desktop):
    """A private desktop with Orca listening, and its transcript."""

    def __init__(self):
        super().__init__()
        self.log_path = None
        self.transcript = []  # (key, [utterances])
        self.moments = []  # (what, None or what went wrong)
        self._read = 0

    def start(self):
        super().start()
        prefs = self._folder("orca-prefs")
        self.log_path = os.path.join(self.workdir, "orca-debug.log")
        # Speech on, through a server that speaks nothing (the debug log has
        # every utterance); no braille, no sounds, no first-start tutorial.
        settings = {"speechServerFactory": "orca_silent_speech", "speechServerInfo": None,
                    "enableSpeech": True, "enableBraille": False, "enableSound": False,
                    "enableTutorialMessages": False, "firstStart": False}
        with open(os.path.join(prefs, "user-settings.conf"), "w") as f:
            json.dump({"general": settings, "pronunciations": {}, "keybindings": {},
                       "profiles": {"default": dict(settings, profile=["Default", "default"])}},
                      f)
        env = dict(self.env)
        here = os.path.dirname(os.path.abspath(__file__))
        env["PYTHONPATH"] = here
        self._spawn([sys.executable, "-B", os.path.join(here, "orca_launch.py"), prefs,
                     self.log_path], env, stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + 30
        while "SPEECH OUTPUT" not in self._log_text():
            if time.monotonic() > deadline:
                log = self._log_text()[-3000:]
                self.stop()
                fail("Orca did not start within 30 s:\n" + log)
            time.sleep(0.1)
        self.settle("(Orca started)")
        return self

    def _log_text(self):
        try:
            with open(self.log_path, "rb") as f:
                return f.read().decode("utf-8", "replace")
        except OSError:
            return ""

    def _new_utterances(self, final=False):
        """The utterances logged since the last call. An entry of the log
        starts with a time of day and may go on over indented lines (a text
        with line breaks): the last entry is read only once the next one
        has begun, or when Orca has gone quiet (final)."""
        with open(self.log_path, "rb") as f:
            f.seek(self._read)
            data = f.read()
        end = len(data) if final and data.endswith(b"\n") else -1
        if end < 0:
            starts = [m.start() for m in ENTRY_START.finditer(data.decode("latin-1"))]
            end = starts[-1] if starts else 0
        self._read += end
        said = []
        for entry in ENTRY_START.split(data[:end].decode("utf-8", "replace")):
            lines = entry.split("\n")
            text = "\n".join([lines[0]] + [line.strip() for line in lines[1:] if line.strip()])
            found = UTTERANCE.search(text)
            if found:
                said.append(found.group(1))
        return said

    def settle(self, note="(before the keys)"):
        """Waits until Orca is quiet and records what it said under note."""
        said = self._collect(None)
        self.transcript.append((note, said))
        return said

    def _collect(self, key):
        """What Orca says until it has been quiet for a moment: its debug log
        (every event it handles) has stopped growing."""
        said = []
        deadline = time.monotonic() + KEY_TIMEOUT
        quiet_since = time.monotonic()
        size = os.path.getsize(self.log_path)
        while time.monotonic() < deadline:
            time.sleep(0.05)
            said += self._new_utterances()
            now = os.path.getsize(self.log_path)
            if now != size:
                size, quiet_since = now, time.monotonic()
            elif time.monotonic() - quiet_since >= QUIET_SECONDS:
                break
        said += self._new_utterances(final=True)
        return [s for s in said if key is None or not _is_echo(s, key)]

    def give_keyboard(self, app, title, role="frame"):
        """Gives the window titled title the keyboard, as a window manager
        would, and takes what Orca says of it as the start of the transcript."""
        activate(app, app.window(title, role=role), title)
        return self.settle("(window %s active)" % title)

    def press(self, key, times=1):
        """Presses a key (an X key name: "space", "Return", "F5", "shift+Tab")
        and returns what Orca said after it, key echo left out."""
        said = []
        for _ in range(times):
            self._new_utterances(final=True)  # what came late belongs to the key before
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], env=self.env,
                           check=True)
            heard = self._collect(key.split("+")[-1])
            self.transcript.append((key, heard))
            said += heard
        return said

    def expect(self, heard, *wanted, last=False):
        """Fails unless each wanted text (a string, or a compiled pattern) was
        said once, in that order (Orca ends a text with a full stop of its
        own where it pauses); with last, the last of them must also be
        the last thing said (anything after it would cut it off)."""
        joined = " | ".join(heard) if heard else "nothing"
        at = -1
        for w in wanted:
            shown = getattr(w, "pattern", w)
            where = [i for i, s in enumerate(heard)
                     if (w.search(s) if hasattr(w, "search") else s in (w, w + "."))]
            if not where:
                fail("Orca did not say %r; it said: %s" % (shown, joined))
            if len(where) > 1:
                fail("Orca said %r %d times: %s" % (shown, len(where), joined))
            if where[0] < at:
                fail("Orca said %r out of order: %s" % (shown, joined))
            at = where[0]
        if last and at != len(heard) - 1:
            fail("Orca said something after %r, cutting it off: %s"
                 % (getattr(wanted[-1], "pattern", wanted[-1]), joined))

    def moment(self, what, heard, *wanted, last=False):
        """expect, for one moment of a journey that the listener must hear:
        a miss is recorded and the journey goes on, so that one run counts
        every moment heard and missed; the test fails at its end (see
        run_orca_test) with each miss."""
        try:
            self.expect(heard, *wanted, last=last)
            self.moments.append((what, None))
            self.transcript.append(("  heard:", [what]))
            return True
        except TestFailure as error:
            self.moments.append((what, str(error)))
            self.transcript.append(("  MISSED:", [what]))
            return False

    def check_moments(self):
        missed = [(what, why) for what, why in self.moments if why]
        print("moments spoken once and whole: %d of %d"
              % (len(self.moments) - len(missed), len(self.moments)))
        if missed:
            fail("%d moments not heard:\n" % len(missed)
                 + "\n".join("  %s: %s" % (what, why) for what, why in missed))

    def stop(self):
        if self.log_path:
            self.print_transcript()
            # Kept for a closer look when asked: the whole debug log.
            if os.environ.get("ORCA_KEEP_LOG") and os.path.exists(self.log_path):
                shutil.copy(self.log_path, os.environ["ORCA_KEEP_LOG"])
        super().stop()

    def print_transcript(self):
        print("--- what Orca said, key by key ---")
        for key, said in self.transcript:
            print("%-22s %s" % (key, " | ".join(said) if said else "(nothing)"))


def run_orca_test(test, *args):
    """run_test on an OrcaDesktop; the transcript is printed at the end,
    and the moments of the journey (OrcaDesktop.moment) heard and missed."""
    def journey(desktop, *a):
        test(desktop, *a)
        desktop.check_moments()

    run_test(journey, *args, desktop_class=OrcaDesktop)
