#!/usr/bin/env python3
"""Runs a GoogleTest program and ends it when one of its cases does not end in time.

    tools/case_watchdog.py [--limit SECONDS] -- COMMAND [ARGS...]

The program's output passes through unchanged. GoogleTest names each case as it starts
("[ RUN      ] Suite.Case") and as it ends ("[       OK ]", "[  FAILED  ]", "[  SKIPPED ]");
when a case has run for longer than the limit (--limit, else BRELK_CASE_TIMEOUT, default
120 s), the watchdog prints "watchdog: Suite.Case did not end within N s", ends the command's
whole process group and exits with code 3. Otherwise it exits with the command's exit code.

The watchdog sits outside the test program on purpose: under qemu-user emulation a second
thread in the 32-bit test program, even one that only waits, makes Wine's shell link code
stop (see ARCHITECTURE.md).
"""
import argparse
import os
import queue
import re
import signal
import subprocess
import sys
import threading
import time

EXIT_TIMED_OUT = 3
DEFAULT_LIMIT = 120
STARTED = re.compile(rb"^\[ RUN      \] (\S+)")
ENDED = re.compile(rb"^\[ +(OK|FAILED|SKIPPED) +\] ")


def limit_from(argument, environment):
    for text in (argument, environment):
        if text is None:
            continue
        if text.isdigit() and 0 < int(text) <= 86400:
            return int(text)
        print(f"watchdog: ignoring the time limit {text!r}", file=sys.stderr)
    return DEFAULT_LIMIT


def pump(stream, lines):
    for line in iter(stream.readline, b""):
        lines.put(line)
    lines.put(None)


def end_group(child):
    for sig, grace in ((signal.SIGTERM, 10), (signal.SIGKILL, 10)):
        try:
            os.killpg(child.pid, sig)
        except ProcessLookupError:
            return
        try:
            child.wait(grace)
            return
        except subprocess.TimeoutExpired:
            pass


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--limit")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    if not command:
        parser.error("no command given")
    limit = limit_from(args.limit, os.environ.get("BRELK_CASE_TIMEOUT"))

    # A process group of its own, so that an expiry ends the program and everything it started.
    child = subprocess.Popen(command, stdout=subprocess.PIPE, start_new_session=True)
    # Ended from outside (ctest's own timeout): the program's group ends too.
    signal.signal(signal.SIGTERM, lambda *_: (end_group(child), sys.exit(143)))
    lines = queue.Queue()
    threading.Thread(target=pump, args=(child.stdout, lines), daemon=True).start()
    out = sys.stdout.buffer
    case, since = None, 0.0
    while True:
        wait = None if case is None else max(0.0, since + limit - time.monotonic())
        try:
            line = lines.get(timeout=wait)
        except queue.Empty:
            out.write(f"\nwatchdog: {case.decode(errors='replace')} did not end within "
                      f"{limit} s; ending the test program\n".encode())
            out.flush()
            end_group(child)
            return EXIT_TIMED_OUT
        if line is None:
            break
        out.write(line)
        out.flush()
        if started := STARTED.match(line):
            case, since = started.group(1), time.monotonic()
        elif ENDED.match(line):
            case = None
    code = child.wait()
    return 128 - code if code < 0 else code


if __name__ == "__main__":
    sys.exit(main())
