#!/usr/bin/env python3
"""The README's try-out without hardware: the emulated rack starts, the program starts from a folder
of its own whose velmar.ini names the rack's terminal, talks to the rack on its way out and ends;
the settings beside the built program stay as they were."""
import os
import re
import subprocess
import sys
import tempfile


def read(path):
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        return f.read()


script, bindir = sys.argv[1], sys.argv[2]
own_ini = os.path.join(bindir, "velmar.ini")
own_before = read(own_ini)

with tempfile.TemporaryDirectory() as folder:
    env = dict(os.environ, VELMAR_EXIT_WHEN_SHOWN="1", ASAN_OPTIONS="detect_leaks=0", QT_QPA_PLATFORM="offscreen")
    proc = subprocess.run([sys.executable, script, bindir, folder], env=env, capture_output=True, text=True,
                          timeout=90)
    print(proc.stdout)
    print(proc.stderr)
    failures = []
    if proc.returncode != 0:
        failures.append("exit code %d" % proc.returncode)
    if "shown" not in proc.stdout:
        failures.append("the program did not show its window")
    ini = (read(os.path.join(folder, "velmar.ini")) or b"").decode()
    device = re.search(r"^Device1=(\S+)", ini, re.M)
    if not device or not device.group(1).startswith("/dev/"):
        failures.append("velmar.ini names no terminal: %r" % ini)
    elif device.group(1) not in proc.stdout:
        failures.append("velmar.ini names another terminal than the rack's")
    log = (read(os.path.join(folder, "rackemu.log")) or b"").decode(errors="replace")
    print(log)
    for serial in ("1001", "1002", "1003", "1004"):
        if "module %s" % serial not in log:
            failures.append("the rack has no module %s" % serial)
    # On its way out the program unlinks the rack: the frames reached the emulator.
    if log.count("UNLINK") < 2:
        failures.append("the rack saw no UNLINK from the program")
    if read(own_ini) != own_before:
        failures.append("the settings beside the built program changed")
    for f in failures:
        print(f)
    sys.exit(1 if failures else 0)
