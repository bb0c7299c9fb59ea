"""A private desktop on which the real screen reader listens to the real program.

Desktop starts, each on its own readiness condition, a virtual X display, a
window manager, a D-Bus session bus, the accessibility bus and its registry,
Orca and then the program; it presses keys as a person would (XTEST through xdotool), waiting
after each until the program and Orca have finished reacting, and hands back
what Orca spoke, read from Orca's debug log. Every process started on the way,
and every process those start, is ended when the Desktop is closed, whatever
ended the run (failure, timeout, Ctrl-C, SIGTERM); should the harness itself
be killed outright, a guardian process ends them.

Nothing is shared with the machine's own session: HOME, XDG_RUNTIME_DIR, the
display and both buses live in one temporary directory.
"""

from __future__ import annotations

import collections
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time
from dataclasses import dataclass
from datetime import datetime
from pathlib import Path

from processes import activity, alive, become_subreaper, descendants, die_with_harness, guard, marked, send, zombie

BUS_LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
TOOLS = ("orca", "Xvfb", "openbox", "xdotool", "dbus-daemon", "dbus-send")


# Variables of the caller's session that would lead a process to the real
# desktop, its buses or its screen reader instead of the private ones.
_INHERITED_BUT_FOREIGN = re.compile(
    r"DISPLAY|WAYLAND_DISPLAY|XAUTHORITY|DBUS_.*|AT_SPI_.*|NO_AT_BRIDGE|GTK_MODULES|XDG_.*|HOME|"
    r"SESSION_MANAGER|DESKTOP_STARTUP_ID|SPEECHD_.*|QT_.*|GSETTINGS_BACKEND|LANG|LANGUAGE|LC_.*"
)


# Orca loads this from its customizations file while it starts, before its
# main loop runs.
# - Orca's main loop runs in C and gives Python its pending signals only when
#   some callback of Orca's runs: an idle Orca would not notice SIGTERM until
#   the next event. A signal now also wakes the loop, so Orca's own SIGTERM
#   handler runs at once and ends Orca cleanly (and flushes its debug log).
# - Orca is ready once its main loop runs, its settings, scripts and keyboard
#   set up: the loop's first idle moment writes the file ORCA_READY in the
#   run's directory. (Orca 43 also registers a keystroke listener at the
#   registry at the end of its start; Orca 48 reads keys through grabs of its
#   own and registers none, so that is no sign to wait for.)
ORCA_READY = "orca-ready"
_ORCA_CUSTOMIZATIONS = f"""\
import os
import signal

from gi.repository import GLib

_wake_read, _wake_write = os.pipe()
os.set_blocking(_wake_write, False)
signal.set_wakeup_fd(_wake_write)


def _woken(fd, _condition):
    os.read(fd, 64)
    return True


GLib.io_add_watch(_wake_read, GLib.PRIORITY_HIGH, GLib.IO_IN, _woken)


def _ready():
    with open(os.path.join(os.environ["METROVA_A11Y_RUN"], "{ORCA_READY}"), "w"):
        pass
    return False


GLib.idle_add(_ready)
"""


def bus_launcher() -> str | None:
    return next((path for path in BUS_LAUNCHERS if os.access(path, os.X_OK)), None)


def missing_tools() -> list[str]:
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if bus_launcher() is None:
        missing.append("at-spi-bus-launcher")
    return missing


class HarnessError(Exception):
    """The desktop could not be set up or torn down as it must be."""


class Deadline:
    def __init__(self, seconds: float):
        self.end = time.monotonic() + seconds

    def left(self) -> float:
        return self.end - time.monotonic()

    def bound(self, seconds: float) -> float:
        return max(0.0, min(seconds, self.left()))


@dataclass
class Utterance:
    at: float  # seconds since midnight, as Orca stamped it
    text: str


@dataclass
class Mark:
    at: float  # seconds since midnight, when the action began
    action: str


def seconds_of_day(moment: datetime) -> float:
    return moment.hour * 3600 + moment.minute * 60 + moment.second + moment.microsecond / 1e6


# Orca writes "HH:MM:SS.ffffff - SPEECH OUTPUT: '<text>'" followed by the voice
# (a dict, sometimes after " voice=NAME"); a text with line breaks continues on
# lines indented by 18 blanks.
_SPEECH = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)$")
_VOICE_TAIL = re.compile(r"(?s)^(.*)'(?: voice=\w+)? ?(\{.*\})?\s*$")
_CONTINUATION = " " * 18


def parse_speech(log: str) -> list[Utterance]:
    """The utterances of an Orca debug log, in the order Orca spoke them."""
    lines = log.splitlines()
    spoken = []
    i = 0
    while i < len(lines):
        match = _SPEECH.match(lines[i])
        i += 1
        if not match:
            continue
        hours, minutes, seconds, body = match.groups()
        while not _VOICE_TAIL.match(body) and i < len(lines) and lines[i].startswith(_CONTINUATION):
            body += "\n" + lines[i][len(_CONTINUATION):]
            i += 1
        tail = _VOICE_TAIL.match(body)
        text = tail.group(1) if tail else body
        spoken.append(Utterance(int(hours) * 3600 + int(minutes) * 60 + float(seconds), text))
    return spoken


class Desktop:
    """The private desktop with Orca and the program: start(), press() and
    type(), stop_orca() for what was said, and close(), always.

    Waits are bounded by each step's own limit and by the run's deadline;
    a step that does not become ready raises HarnessError saying which.
    """

    # After an action: at least `least` seconds, then until the desktop has
    # been quiet for `quiet` seconds (used less than `budget` seconds of CPU
    # in all, and no thread runnable in two samples in a row), but never
    # longer than `most` seconds. Orca has no timers of its own while a focus
    # is known, so a quiet desktop means Orca has spoken all it will about
    # the action. The budget lets the text cursor blink (under a millisecond
    # every half second); a runnable thread that is not given a CPU on a
    # loaded machine counts as busy.
    least, quiet, most, budget, sample = 0.3, 0.6, 15.0, 0.005, 0.05

    def __init__(self, binary: str, deadline: Deadline, keep: bool = False, say=print):
        self.binary = str(Path(binary).resolve())
        self.deadline = deadline
        self.keep = keep
        self.say = say
        self.started = time.monotonic()
        self.began_at = seconds_of_day(datetime.now())
        self.dir = Path(tempfile.mkdtemp(prefix="metrova-a11y-"))
        self.procs: dict[str, subprocess.Popen] = {}
        self.marks: list[Mark] = []
        self.stopped_at: float | None = None
        self.heard: list[Utterance] | None = None
        self._guardian: int | None = None
        self.slow_settles = 0
        self.env = self._private_env()
        self.a11y_bus = ""
        self.window = ""

    # --- set-up -----------------------------------------------------------

    def _private_env(self) -> dict[str, str]:
        home, runtime, tools = self.dir / "home", self.dir / "runtime", self.dir / "bin"
        for folder in (home, runtime, tools):
            folder.mkdir(mode=0o700)
        # Orca refuses to start while any other Orca of this user runs (pgrep
        # -u UID -x orca), and --replace would SIGKILL that other one: a
        # person's screen reader or a parallel run of this test. Within this
        # desktop no other Orca can exist, so Orca's pgrep finds none.
        self._tool(tools / "pgrep", "exit 1  # no other screen reader on this private desktop\n")
        # Orca's speech is read from its log; no speech server is started, so
        # that a run is silent and leaves no speech daemon behind.
        self._tool(tools / "no-speech-server",
                   "echo 'the screen-reader test runs Orca without a speech server' >&2\nexit 1\n")
        orca_prefs = home / ".local/share/orca"
        orca_prefs.mkdir(parents=True)
        (orca_prefs / "orca-customizations.py").write_text(_ORCA_CUSTOMIZATIONS)
        env = {k: v for k, v in os.environ.items() if not _INHERITED_BUT_FOREIGN.fullmatch(k)}
        env.update(
            HOME=str(home),
            XDG_RUNTIME_DIR=str(runtime),
            XDG_CONFIG_HOME=str(home / ".config"),
            XDG_DATA_HOME=str(home / ".local/share"),
            XDG_CACHE_HOME=str(home / ".cache"),
            LANG="C.UTF-8",
            LC_ALL="C.UTF-8",
            # The bus launcher and Orca read GSettings; the memory backend
            # keeps them from starting a configuration daemon.
            GSETTINGS_BACKEND="memory",
            SPEECHD_CMD=str(tools / "no-speech-server"),
            # Every process of the run carries this and passes it on: the
            # clean-up finds by it also what has left the harness's tree.
            METROVA_A11Y_RUN=str(self.dir),
        )
        env["PATH"] = f"{tools}:{env.get('PATH', '/usr/bin:/bin')}"
        return env

    @staticmethod
    def _tool(path: Path, body: str) -> None:
        path.write_text("#!/bin/sh\n" + body)
        path.chmod(0o755)

    def _note(self, text: str) -> None:
        self.say(f"[{time.monotonic() - self.started:6.2f}s] {text}", flush=True)

    def _spawn(self, name: str, argv: list[str], env: dict[str, str] | None = None, pass_fds=()) -> subprocess.Popen:
        with open(self.dir / f"{name}.log", "wb") as log:
            proc = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                                    env=env or self.env, pass_fds=pass_fds, start_new_session=True,
                                    preexec_fn=die_with_harness, cwd=self.dir)
        self.procs[name] = proc
        return proc

    def log_of(self, name: str) -> str:
        try:
            return (self.dir / f"{name}.log").read_text(errors="replace").strip()
        except OSError:
            return ""

    def _ended(self, name: str) -> HarnessError:
        proc = self.procs[name]
        return HarnessError(f"{name} ended early (exit status {proc.returncode}); its output:\n{self.log_of(name)}")

    def _read_line(self, fd: int, name: str, what: str, limit: float) -> str:
        """The first line the process `name` writes to the pipe fd."""
        wait = Deadline(self.deadline.bound(limit))
        data = b""
        try:
            while b"\n" not in data:
                ready, _, _ = select.select([fd], [], [], max(0.0, min(0.2, wait.left())))
                if ready:
                    chunk = os.read(fd, 256)
                    if not chunk:
                        raise self._ended(name) if self.procs[name].poll() is not None else \
                            HarnessError(f"{name} closed its pipe without writing {what}")
                    data += chunk
                elif self.procs[name].poll() is not None:
                    raise self._ended(name)
                elif wait.left() <= 0:
                    raise HarnessError(f"{name} did not write {what} within {limit:.0f} s")
        finally:
            os.close(fd)
        return data.decode().splitlines()[0].strip()

    def _wait_until(self, condition, what: str, limit: float, watch: tuple[str, ...] = ()):
        """Polls condition until it returns something true; the processes in
        watch must stay alive meanwhile."""
        wait = Deadline(self.deadline.bound(limit))
        while True:
            result = condition()
            if result:
                return result
            for name in watch:
                if self.procs[name].poll() is not None:
                    raise self._ended(name)
            if wait.left() <= 0:
                if self.deadline.left() <= 0:
                    raise HarnessError(f"{what}: the case's time limit ran out while waiting")
                raise HarnessError(f"{what}: not within {limit:.0f} s")
            time.sleep(0.1)

    def _run(self, argv: list[str], limit: float = 10.0, env: dict[str, str] | None = None) -> subprocess.CompletedProcess:
        try:
            return subprocess.run(argv, env=env or self.env, stdin=subprocess.DEVNULL, capture_output=True,
                                  text=True, timeout=max(0.5, self.deadline.bound(limit)),
                                  preexec_fn=die_with_harness)
        except subprocess.TimeoutExpired as timeout:
            raise HarnessError(f"{argv[0]} did not finish within {timeout.timeout:.0f} s: {' '.join(argv)}") from None

    def _dbus(self, bus: str, dest: str, path: str, method: str, *args: str, limit: float = 10.0) -> str | None:
        """The literal reply of a D-Bus call through dbus-send, or None when
        the call fails."""
        where = "--session" if bus == "session" else f"--bus={bus}"
        reply = self._run(["dbus-send", where, "--print-reply=literal", f"--reply-timeout={int(limit * 1000)}",
                           f"--dest={dest}", path, method, *args], limit + 2)
        return reply.stdout if reply.returncode == 0 else None

    def start(self) -> None:
        self._start_guardian()
        # Daemons orphaned on the way (the accessibility bus when its
        # launcher ends first) become the harness's children, still found
        # and reaped by close().
        become_subreaper()
        self._start_display()
        self._start_window_manager()
        self._start_session_bus()
        self._start_accessibility_bus()
        self._start_orca()
        self._start_program()

    def _start_guardian(self) -> None:
        """A process outside the harness's tree that ends the run's processes
        should the harness be killed outright (SIGKILL, a CI job cancelled):
        the processes run in sessions of their own, out of reach of a signal
        to the harness's process group, and only the harness's direct
        children die with it."""
        told, self._guardian = os.pipe()
        child = os.fork()
        if child == 0:
            try:
                os.setsid()
                if os.fork() == 0:
                    guard(told, str(self.dir), self.keep)
            finally:
                os._exit(0)
        os.close(told)
        os.waitpid(child, 0)

    def _start_display(self) -> None:
        # -displayfd: Xvfb picks a free display number and writes it once it
        # accepts connections.
        read_end, write_end = os.pipe()
        self._spawn("xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        self.env["DISPLAY"] = ":" + self._read_line(read_end, "xvfb", "its display number", 30)
        self._note(f"display {self.env['DISPLAY']} ready")

    def _start_window_manager(self) -> None:
        # As on a desktop, a window manager gives the keyboard back to the
        # window when a message box closes. It runs the --startup command once
        # it manages the screen.
        ready = self.dir / "window-manager-ready"
        self._spawn("openbox", ["openbox", "--sm-disable", "--startup", f"touch {ready}"])
        self._wait_until(ready.exists, "the window manager", 30, watch=("openbox",))
        self._note("window manager ready")

    def _start_session_bus(self) -> None:
        read_end, write_end = os.pipe()
        self._spawn("session-bus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                    f"--address=unix:dir={self.dir}", f"--print-address={write_end}"],
                    pass_fds=(write_end,))
        os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(read_end, "session-bus", "its address", 20)
        self._note("session bus ready")

    def _start_accessibility_bus(self) -> None:
        self._spawn("a11y-bus", [bus_launcher(), "--launch-immediately"])
        # Asking org.a11y.Bus before the launcher owns the name would make the
        # session bus start a second launcher; NameHasOwner starts nothing.
        self._wait_until(
            lambda: "true" in (self._dbus("session", "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                          "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus") or ""),
            "the accessibility bus launcher on the session bus", 30, watch=("a11y-bus",))
        address = self._dbus("session", "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
        if not address or not address.strip():
            raise HarnessError("the accessibility bus launcher gave no bus address")
        self.a11y_bus = address.strip()
        # The registry starts on the first call to it; this one waits for it.
        self._wait_until(
            lambda: self._dbus(self.a11y_bus, "org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                               "org.freedesktop.DBus.Peer.Ping", limit=20) is not None,
            "the accessibility registry", 30, watch=("a11y-bus",))
        self._note("accessibility bus and registry ready")

    def _start_orca(self) -> None:
        self._spawn("orca", ["orca", f"--debug-file={self.dir / 'orca.debug'}"])
        self._wait_until(lambda: (self.dir / ORCA_READY).exists(), "Orca's main loop (its customizations' mark)", 60,
                         watch=("orca",))
        self.settle()
        self._note("Orca ready")

    def _app_bus_name(self, pid: int) -> str | None:
        names = self._dbus(self.a11y_bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                           "org.freedesktop.DBus.ListNames") or ""
        for name in re.findall(r":\d+\.\d+", names):
            owner = self._dbus(self.a11y_bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                               "org.freedesktop.DBus.GetConnectionUnixProcessID", f"string:{name}")
            if owner and owner.split()[-1] == str(pid):
                return name
        return None

    def _start_program(self) -> None:
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
        program = self._spawn("metrova", [self.binary], env=env)
        # xdotool's --sync waits for the window to be mapped; the program may
        # end meanwhile instead.
        search = subprocess.Popen(["xdotool", "search", "--sync", "--all", "--onlyvisible", "--pid", str(program.pid),
                                   "--name", "Metrova"], env=self.env, stdin=subprocess.DEVNULL,
                                  stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                                  preexec_fn=die_with_harness)
        try:
            self._wait_until(lambda: search.poll() is not None, "the program's window", 60, watch=("metrova",))
        finally:
            if search.poll() is None:
                search.kill()
            found = search.communicate()[0]
        if search.returncode != 0 or not found.split():
            raise HarnessError(f"no window of the program found: {found.strip()}")
        self.window = found.split()[0]
        self._note(f"window {self.window} shown")
        # The program is known to the screen reader once the registry lists it
        # among the desktop's applications.
        self._wait_until(
            lambda: (name := self._app_bus_name(program.pid)) and name in (
                self._dbus(self.a11y_bus, "org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root",
                           "org.a11y.atspi.Accessible.GetChildren") or ""),
            "the program at the accessibility registry", 30, watch=("metrova", "orca"))
        # The harness gives the new window the keyboard, as a click would.
        self._wait_until(self._focus_window, "the keyboard focus in the program's window", 20,
                         watch=("metrova",))
        self.settle()
        self._note("program ready, its window has the keyboard")

    def _focus_window(self) -> bool:
        try:
            self._run(["xdotool", "windowfocus", "--sync", self.window], 5)
            return self._run(["xdotool", "getwindowfocus"], 5).stdout.strip() == self.window
        except HarnessError:  # --sync waited in vain; try again
            return False

    # --- acting -----------------------------------------------------------

    def settle(self) -> None:
        """Waits until the program and Orca have finished reacting."""
        time.sleep(self.deadline.bound(self.least))
        wait = Deadline(self.deadline.bound(self.most))
        pids = descendants(os.getpid())
        used, running = activity(pids)
        history = collections.deque([(time.monotonic(), used)])
        quiet_since = time.monotonic()
        while wait.left() > 0:
            time.sleep(self.sample)
            now = time.monotonic()
            now_used, now_running = activity(pids)
            history.append((now, now_used))
            while len(history) > 2 and now - history[1][0] >= self.quiet:
                history.popleft()
            if running & now_running or now_used - history[0][1] > self.budget * 1e9:
                quiet_since = now
            running = now_running
            if now - quiet_since >= self.quiet:
                return
        if self.deadline.left() > 0:
            self.slow_settles += 1
            self._note(f"still busy after {self.most:.0f} s; going on")

    def _mark(self, action: str) -> None:
        self.marks.append(Mark(seconds_of_day(datetime.now()), action))

    def press(self, key: str) -> None:
        """Presses and releases one key (an X keysym name such as Tab, Return,
        space, Down, shift+Tab) and waits for the reactions."""
        self._check_alive()
        self._mark(key)
        self._run(["xdotool", "key", "--delay", "0", key])
        self.settle()

    def type(self, text: str) -> None:
        self._check_alive()
        self._mark(f"type {text}")
        self._run(["xdotool", "type", "--delay", "80", text])
        self.settle()

    def wheel(self, notches: int, x: int, y: int) -> None:
        """Turns the mouse wheel by `notches` (positive: up) with the pointer
        at (x, y) in the window, one X button click per notch, as a wheel
        sends them."""
        self._check_alive()
        self._mark(f"wheel {notches} at {x},{y}")
        self._run(["xdotool", "mousemove", "--window", self.window, str(x), str(y),
                   "click", "--repeat", str(abs(notches)), "--delay", "1", "4" if notches > 0 else "5"])
        self.settle()

    def _check_alive(self) -> None:
        if self.deadline.left() <= 0:
            raise HarnessError("the case's time limit is up")
        for name in ("metrova", "orca"):
            if self.procs[name].poll() is not None:
                raise self._ended(name)

    # --- hearing and tearing down -----------------------------------------

    def stop_orca(self) -> list[Utterance]:
        """Ends Orca and returns all it spoke (also kept in self.heard). Orca
        writes its debug log through a buffer that only its exit flushes; a
        failure here still leaves in self.heard what the log holds."""
        orca = self.procs["orca"]
        self.stopped_at = seconds_of_day(datetime.now())
        problem = None
        if orca.poll() is not None:
            problem = self._ended("orca")
        else:
            orca.terminate()
            try:
                orca.wait(timeout=max(1.0, self.deadline.bound(20)))
            except subprocess.TimeoutExpired:
                orca.kill()
                orca.wait()
                problem = HarnessError("Orca did not end on SIGTERM within 20 s; its last words may be missing")
        try:
            log = (self.dir / "orca.debug").read_text(errors="replace")
        except OSError:
            log = ""
        self.heard = parse_speech(log)
        if problem:
            raise problem
        if not self.heard:
            raise HarnessError(f"Orca's debug log holds no speech; Orca's output:\n{self.log_of('orca')}")
        return self.heard

    def close(self) -> None:
        """Ends every process of the run, the program first, then Orca, then
        the rest; SIGKILL for what has not ended after 5 s."""
        def ours() -> list[int]:
            first = [self.procs[name].pid for name in ("metrova", "orca") if name in self.procs]
            found = set(descendants(os.getpid())) | set(marked(str(self.dir)))
            return [pid for pid in first if pid in found] + sorted(found - set(first))

        pids = ours()
        for pid in pids:
            send(pid, signal.SIGTERM)
        until = time.monotonic() + 5
        while time.monotonic() < until:
            self._reap()
            if not any(alive(pid) for pid in pids):
                break
            time.sleep(0.05)
        for pid in ours():
            send(pid, signal.SIGKILL)
        for proc in self.procs.values():
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass
        self._reap()
        if self._guardian is not None:
            os.write(self._guardian, b"done")
            os.close(self._guardian)
            self._guardian = None
        if self.keep:
            self._note(f"kept {self.dir}")
        else:
            shutil.rmtree(self.dir, ignore_errors=True)

    def _reap(self) -> None:
        # Orphans adopted by this subreaper are reaped here, the processes
        # started through Popen by Popen.
        started = {proc.pid for proc in self.procs.values()}
        for pid in descendants(os.getpid()):
            if pid not in started and zombie(pid):
                try:
                    os.waitpid(pid, os.WNOHANG)
                except ChildProcessError:
                    pass
        for proc in self.procs.values():
            proc.poll()
