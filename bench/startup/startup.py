#!/usr/bin/env python3
"""Starts the program offscreen until its main window is shown and it has closed again, several times,
and prints the times to the shown window and to the exit. Usage: startup.py <path of velmar> [runs]"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "pytools"))
import program_folder  # noqa: E402

program = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15

with tempfile.TemporaryDirectory() as folder:
    copied, master = program_folder.prepare(program, folder)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", VELMAR_EXIT_WHEN_SHOWN="1")
    shown, total = [], []
    for _ in range(runs):
        t = time.perf_counter()
        proc = subprocess.Popen([copied], env=env,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        line = proc.stdout.readline()
        shown.append((time.perf_counter() - t) * 1000)
        if line.strip() != b"shown" or proc.wait() != 0:
            sys.exit("the program did not start cleanly")
        total.append((time.perf_counter() - t) * 1000)
        while True:  # empty what the program sent on its way out
            try:
                os.set_blocking(master, False)
                if not os.read(master, 4096):
                    break
            except BlockingIOError:
                break
    print("start to shown main window, %d runs: median %.1f ms, min %.1f ms, max %.1f ms (target < 300 ms)"
          % (runs, statistics.median(shown), min(shown), max(shown)))
    print("start to exit (the exit unlinks the rack twice, 220 ms each): median %.1f ms"
          % statistics.median(total))
