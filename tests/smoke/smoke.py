#!/usr/bin/env python3
"""Starts the program from a folder of its own under a virtual X server, with its serial port on a
pseudo-terminal, lets it show its main window and close, and checks that it ended cleanly and
unlinked the rack on its way out."""
import os
import select
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "pytools"))
import program_folder  # noqa: E402

program, xvfb_run = sys.argv[1], sys.argv[2]

with tempfile.TemporaryDirectory() as folder:
    copied, master = program_folder.prepare(program, folder)
    env = dict(os.environ, VELMAR_EXIT_WHEN_SHOWN="1", ASAN_OPTIONS="detect_leaks=0")
    env.pop("QT_QPA_PLATFORM", None)  # a real (virtual) screen this time
    started = time.monotonic()
    proc = subprocess.Popen([xvfb_run, "-a", copied], env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    sent = b""
    while proc.poll() is None and time.monotonic() - started < 90:
        ready, _, _ = select.select([master], [], [], 0.2)
        if ready:
            sent += os.read(master, 4096)
    if proc.poll() is None:
        proc.kill()
        print("the program did not exit")
        sys.exit(1)
    while select.select([master], [], [], 0.2)[0]:  # what is still on its way
        sent += os.read(master, 4096)
    output = proc.stdout.read().decode(errors="replace")
    print(output)
    if proc.returncode != 0:
        print("exit code", proc.returncode)
        sys.exit(1)
    print("program ran %.2f s, sent %d bytes on its port: %s" % (time.monotonic() - started, len(sent), sent.hex()))
    # On its way out the program releases the rack: two UNLINK frames, nothing else.
    if sent != b"\x0d\x0d" * 2:
        print("expected two UNLINK frames (0d0d 0d0d) at exit")
        sys.exit(1)
