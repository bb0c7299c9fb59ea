"""Processes of a screen-reader run: finding them (the harness's tree, or
the mark every one of them carries in its environment), measuring how busy
they are, and the guardian that ends them when the harness cannot."""

import collections
import ctypes
import os
import shutil
import signal
from pathlib import Path

PR_SET_PDEATHSIG = 1
PR_SET_CHILD_SUBREAPER = 36
_libc = ctypes.CDLL(None, use_errno=True)


def descendants(root: int) -> list[int]:
    """Every living process below root, parents before their children."""
    children = collections.defaultdict(list)
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            stat = Path(f"/proc/{entry}/stat").read_text()
        except OSError:
            continue
        ppid = int(stat.rsplit(")", 1)[1].split()[1])
        children[ppid].append(int(entry))
    found, queue = [], collections.deque(children[root])
    while queue:
        pid = queue.popleft()
        found.append(pid)
        queue.extend(children[pid])
    return found


def marked(run: str) -> list[int]:
    """The processes whose environment names this run."""
    mark = f"\0METROVA_A11Y_RUN={run}\0".encode()
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
            continue
        try:
            environ = b"\0" + Path(f"/proc/{entry}/environ").read_bytes()
        except OSError:
            continue
        if mark in environ:
            found.append(int(entry))
    return found


def guard(told: int, run: str, keep: bool) -> None:
    """The guardian's life: waits until the harness has closed its end of
    the pipe told; unless the harness wrote "done" first (it had cleaned up
    itself), kills every process of the run and removes its directory."""
    quiet = os.open(os.devnull, os.O_RDWR)
    for standard in (0, 1, 2):
        os.dup2(quiet, standard)
    os.closerange(3, told)
    os.closerange(told + 1, os.sysconf("SC_OPEN_MAX"))
    for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(signum, signal.SIG_IGN)
    message = b""
    while chunk := os.read(told, 16):
        message += chunk
    if message != b"done":
        for pid in marked(run):
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        if not keep:
            shutil.rmtree(run, ignore_errors=True)


def activity(pids: list[int]) -> tuple[int, set[int]]:
    """CPU nanoseconds used so far by all threads of pids, and the threads
    that are running or waiting for a CPU right now."""
    used, running = 0, set()
    for pid in pids:
        try:
            tasks = os.listdir(f"/proc/{pid}/task")
        except OSError:
            continue
        for tid in tasks:
            base = f"/proc/{pid}/task/{tid}"
            try:
                state = Path(f"{base}/stat").read_text().rsplit(")", 1)[1].split()
            except OSError:
                continue
            if state[0] == "R":
                running.add(int(tid))
            try:
                used += int(Path(f"{base}/schedstat").read_text().split()[0])
            except (OSError, ValueError, IndexError):
                # Kernels without scheduler statistics: user and system time,
                # in clock ticks.
                used += (int(state[11]) + int(state[12])) * (1_000_000_000 // os.sysconf("SC_CLK_TCK"))
    return used, running


def send(pid: int, signum: int) -> None:
    try:
        os.kill(pid, signum)
    except ProcessLookupError:
        pass


def die_with_harness() -> None:
    # Runs in the child between fork and exec: a harness killed outright
    # (SIGKILL, a CI runner's timeout) takes this child with it.
    _libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL, 0, 0, 0)


def become_subreaper() -> None:
    """Orphans below this process (daemons whose parent ended first) become
    its children instead of init's, so they stay in its tree."""
    _libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)


def _state(pid: int) -> str:
    try:
        return Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()[0]
    except OSError:
        return ""


def zombie(pid: int) -> bool:
    return _state(pid) == "Z"


def alive(pid: int) -> bool:
    return _state(pid) not in ("", "Z")
