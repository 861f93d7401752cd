"""The program copied into a folder of its own, its serial port 1 on a pseudo-terminal: what the smoke
test and the start-up benchmark run the real program in."""
import os
import shutil
import tty

FILES = ("velmar", "velmar.mdb", "velmar.html", "libchronox32.so")


def prepare(program, folder):
    """Copies the program and its files beside `program` into `folder`, writes a velmar.ini whose
    port 1 is a new pseudo-terminal, and returns (path of the copied program, master descriptor)."""
    bindir = os.path.dirname(program)
    for name in FILES:
        src = os.path.join(bindir, name)
        if os.path.exists(src):
            shutil.copy2(src, folder)
    master, slave = os.openpty()
    tty.setraw(slave)
    with open(os.path.join(folder, "velmar.ini"), "w") as ini:
        ini.write("[Comms]\r\nPortNumber=1\r\nDevice1=%s\r\n" % os.ttyname(slave))
    return os.path.join(folder, "velmar"), master
