#!/usr/bin/env python3
"""The README's try-out without hardware: the emulated rack starts, the program starts from a folder
of its own whose velmar.ini names the rack's terminal, talks to the rack on its way out and ends;
the settings beside the built program stay as they were. A module stored in the try-out's database
is still there after the next start, also when the program was built again in between."""
import os
import re
import sqlite3
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

STORED_SERIAL = 16700001


def start(folder):
    env = dict(os.environ, VELMAR_EXIT_WHEN_SHOWN="1", ASAN_OPTIONS="detect_leaks=0", QT_QPA_PLATFORM="offscreen")
    return subprocess.run([sys.executable, script, bindir, folder], env=env, capture_output=True, text=True,
                          timeout=90)


def store_module(database):
    with sqlite3.connect(database) as db:
        db.execute("INSERT INTO tblModule (SERIALNUMBER, DATECREATE, DATEUPDATE) "
                   "VALUES (?, '2026-01-02 03:04:05', '2026-01-02 03:04:05')", (STORED_SERIAL,))
    db.close()


def stored(database):
    with sqlite3.connect(database) as db:
        found = db.execute("SELECT COUNT(*) FROM tblModule WHERE SERIALNUMBER = ?", (STORED_SERIAL,)).fetchone()[0]
    db.close()
    return found == 1


with tempfile.TemporaryDirectory() as folder:
    proc = start(folder)
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

    # The technician stores a module; the program is built again (its database is now newer than the
    # try-out's) and started again: the module is still there.
    database = os.path.join(folder, "velmar.mdb")
    store_module(database)
    os.utime(database, (1, 1))
    again = start(folder)
    if again.returncode != 0:
        print(again.stdout, again.stderr)
        failures.append("the second start ended with exit code %d" % again.returncode)
    if not stored(database):
        failures.append("the module stored in the try-out's database is gone after the next start")
    for f in failures:
        print(f)
    sys.exit(1 if failures else 0)
