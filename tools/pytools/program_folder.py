"""The program copied into a folder of its own, with a velmar.ini that names its serial port 1: what
the smoke test, the start-up benchmark and the emulated-rack try-out run the real program in."""
import os
import shutil
import subprocess
import sys
import tty

FILES = ("velmar", "velmar.mdb", "velmar.html", "libchronox32.so")
# Kept from one run to the next: the modules stored in it stay. It is copied only where the folder
# has none; one that is there is brought up to date in place by the built mkdb.
KEPT = ("velmar.mdb",)
SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCRIPTS = [os.path.join(SOURCE_DIR, "data", name) for name in ("schema.sql", "reference.sql")]


def update_database(bindir, database):
    """Brings the database in a program folder up to the built program's version, keeping what it
    holds; says so on stderr when it cannot (the program then tells why it refuses the file)."""
    mkdb = os.path.join(bindir, "mkdb")
    if not os.path.exists(mkdb):
        return
    proc = subprocess.run([mkdb, database] + SCRIPTS, capture_output=True, text=True)
    if proc.returncode != 0:
        sys.stderr.write(proc.stderr)


def copy_program(program, folder):
    """Copies the program and its files beside `program` into `folder` and returns the path of the
    copied program. A database already in `folder` is never replaced."""
    bindir = os.path.dirname(program)
    for name in FILES:
        src = os.path.join(bindir, name)
        dst = os.path.join(folder, name)
        if not os.path.exists(src):
            continue
        if name in KEPT and os.path.exists(dst):
            update_database(bindir, dst)
            continue
        shutil.copy2(src, dst)
    return os.path.join(folder, "velmar")


def write_ini(folder, device):
    """Writes the folder's velmar.ini: serial port 1 is `device`."""
    with open(os.path.join(folder, "velmar.ini"), "w") as ini:
        ini.write("[Comms]\r\nPortNumber=1\r\nDevice1=%s\r\n" % device)


def prepare(program, folder):
    """Copies the program into `folder`, writes a velmar.ini whose port 1 is a new pseudo-terminal,
    and returns (path of the copied program, master descriptor)."""
    copied = copy_program(program, folder)
    master, slave = os.openpty()
    tty.setraw(slave)
    write_ini(folder, os.ttyname(slave))
    return copied, master
