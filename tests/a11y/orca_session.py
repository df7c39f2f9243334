"""A screen reader session around the calculator, for tests.

Starts, on an X server that is already running, a private session bus, the
accessibility bus, Debian's Orca (no speech server: Orca writes every
utterance as a SPEECH OUTPUT line of its debug file) and the calculator, then
types real key presses through XTest and reads back what Orca said.
"""

import json
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest

# Orca writes "SPEECH OUTPUT: 'text'" and then the voice, as " voice=..." or "{...}".
_SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\S*)?(?:\{.*\})?$", re.MULTILINE)
_NUM_LOCK_MASK = X.Mod2Mask


def _orca_prefs(folder, layout):
    """Orca's preferences: no speech server, the given keyboard layout
    (1 desktop, 2 laptop), everything else as Orca ships it."""
    general = {"speechServerFactory": "", "enableBraille": False, "keyboardLayout": layout,
               "orcaModifierKeys": ["Insert", "KP_Insert"] if layout == 1 else ["Caps_Lock"]}
    prefs = {"general": dict(general), "pronunciations": {}, "keybindings": {},
             "profiles": {"default": dict(general, profile=["Default", "default"])}}
    with open(os.path.join(folder, "user-settings.conf"), "w", encoding="utf-8") as out:
        json.dump(prefs, out)
    # Orca loads this from the same folder. Its debug file is block-buffered;
    # line buffering lets the test read each utterance as it is written.
    with open(os.path.join(folder, "orca-customizations.py"), "w", encoding="utf-8") as out:
        out.write("from orca import debug\n"
                  "if debug.debugFile is not None:\n"
                  "    debug.debugFile.reconfigure(line_buffering=True)\n")


class OrcaSession:
    """with OrcaSession(program, display) as session: session.keys(...)"""

    def __init__(self, program, display_name, laptop_layout=False, extra_env=None):
        self.program = program
        self.display_name = display_name
        self.layout = 2 if laptop_layout else 1
        self.extra_env = extra_env or {}
        self._procs = []
        self._logs = []
        self._root = None
        self._x = None
        self._num_lock_before = True
        self._said_before = 0

    # -- set-up and tear-down ------------------------------------------------
    def __enter__(self):
        try:
            return self._set_up()
        except BaseException:
            # No with-block runs, so no __exit__: take down what had started.
            self.__exit__(None, None, None)
            raise

    def _set_up(self):
        self._root = tempfile.mkdtemp(prefix="varuno-orca-")
        home = os.path.join(self._root, "home")
        runtime = os.path.join(self._root, "run")
        prefs = os.path.join(self._root, "orca")
        for folder in (home, runtime, prefs):
            os.makedirs(folder, mode=0o700)
        _orca_prefs(prefs, self.layout)
        self.debug_file = os.path.join(self._root, "orca-debug.out")
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "AT_SPI", "XDG_", "QT_", "GTK_"))}
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime, GSETTINGS_BACKEND="memory",
                   DISPLAY=self.display_name, LANG="C.UTF-8", NO_AT_BRIDGE="0",
                   GTK_MODULES="gail:atk-bridge")
        # The session bus starts the accessibility bus (and its registry) on
        # the first request for it; they stay in the bus's process group.
        bus = self._start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        self.env = env
        self._x = xdisplay.Display(self.display_name)
        self._num_lock_before = self._num_lock()
        self._set_num_lock(True)
        self._wait_for_a11y_bus()
        orca_log = self._open_log("orca-stderr.txt")
        self._start(["orca", "-u", prefs, "--debug-file", self.debug_file], env=env, stdout=orca_log,
                    stderr=subprocess.STDOUT)
        self._wait_for(lambda: "Screen reader on." in " ".join(self.all_said()), 90,
                       "Orca to start")
        self.settle()
        app_env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       QT_ACCESSIBILITY="1", **self.extra_env)
        app_log = self._open_log("app-stderr.txt")
        self._start([self.program], env=app_env, stdout=app_log, stderr=subprocess.STDOUT)
        self._wait_for(lambda: "바루노 계산기" in " ".join(self.all_said()), 90,
                       "Orca to present the calculator's window")
        self.settle()
        return self

    def _open_log(self, name):
        """A file in the session's folder for a process's output, closed at exit."""
        log = open(os.path.join(self._root, name), "w", encoding="utf-8")
        self._logs.append(log)
        return log

    def _start(self, args, **kwargs):
        """Starts a process in a process group of its own, ended whole at exit."""
        proc = subprocess.Popen(args, start_new_session=True, **kwargs)
        self._procs.append(proc)
        return proc

    @staticmethod
    def _end_group(proc):
        try:
            os.killpg(proc.pid, signal.SIGTERM)
        except ProcessLookupError:
            return
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            pass
        time.sleep(0.2)
        try:
            os.killpg(proc.pid, signal.SIGKILL)  # whatever of the group is left
        except ProcessLookupError:
            pass
        proc.wait()

    def __exit__(self, *exc):
        for proc in reversed(self._procs):
            self._end_group(proc)
        for proc in self._procs:
            if proc.stdout is not None:
                proc.stdout.close()  # the session bus's address pipe
        for log in self._logs:
            log.close()
        if self._x is not None:
            self._set_num_lock(self._num_lock_before)
            self._x.close()
        if os.environ.get("VARUNO_KEEP_ORCA_LOG"):
            print("Orca session kept in", self._root)
        else:
            shutil.rmtree(self._root, ignore_errors=True)
        return False

    def _debug_text(self):
        try:
            with open(self.debug_file, encoding="utf-8", errors="replace") as log:
                return log.read()
        except FileNotFoundError:
            return ""

    def _wait_for(self, condition, seconds, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if condition():
                return
            for proc in self._procs:
                if proc.poll() is not None and proc.returncode not in (0, None):
                    raise RuntimeError("%s ended with %d while waiting for %s"
                                       % (proc.args[0], proc.returncode, what))
            time.sleep(0.1)
        raise TimeoutError("waited %d s for %s; Orca said: %s"
                           % (seconds, what, self.all_said()))

    def _wait_for_a11y_bus(self):
        def up():
            found = subprocess.run(["dbus-send", "--session", "--print-reply",
                                    "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                                   env=self.env, capture_output=True)
            return found.returncode == 0
        self._wait_for(up, 15, "the accessibility bus")

    # -- the keyboard ----------------------------------------------------------
    def _num_lock(self):
        return self._x.get_keyboard_control().led_mask & 2 != 0

    def _set_num_lock(self, on):
        if self._num_lock() != on:
            self.tap("Num_Lock")

    def _keycode(self, name):
        code = self._x.keysym_to_keycode(XK.string_to_keysym(name))
        if code == 0:
            raise ValueError("no key for keysym " + name)
        return code

    def tap(self, name, modifiers=(), pause=0.3):
        """One real press and release, by keycode (so keypad keys keep Num Lock)."""
        held = [self._keycode(m) for m in modifiers]
        for code in held:
            xtest.fake_input(self._x, X.KeyPress, code)
        code = self._keycode(name)
        xtest.fake_input(self._x, X.KeyPress, code)
        xtest.fake_input(self._x, X.KeyRelease, code)
        for code in reversed(held):
            xtest.fake_input(self._x, X.KeyRelease, code)
        self._x.sync()
        time.sleep(pause)

    def keys(self, *names, pause=0.3):
        """Taps each key; a name like "Control_L+m" holds the modifiers first."""
        for name in names:
            *mods, key = name.split("+")
            self.tap(key, mods, pause)

    # -- what was said ---------------------------------------------------------
    def all_said(self):
        return _SPOKEN.findall(self._debug_text())

    def settle(self, quiet=1.0, limit=15):
        """Waits until Orca has said nothing new for `quiet` seconds."""
        deadline = time.monotonic() + limit
        count, since = len(self.all_said()), time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.2)
            now = len(self.all_said())
            if now != count:
                count, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                break

    def said_since_mark(self):
        """The utterances since the last mark(), after Orca has gone quiet."""
        self.settle()
        said = self.all_said()[self._said_before:]
        self.mark()
        return said

    def mark(self):
        self._said_before = len(self.all_said())
