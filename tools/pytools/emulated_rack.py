"""Trying the program without hardware: starts rackemu with a receiver, a transmitter, an
exciter and a tone remote on a pseudo-terminal, and the program from a program folder of its own
whose velmar.ini points at that terminal. The settings beside the built program are left alone; the rack stops
when the program ends.

    usage: emulated_rack.py <folder of the built program> <try-out folder> [program arguments]
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import program_folder  # noqa: E402

MODULES = (("1001", "receiver"), ("1002", "transmitter"), ("1003", "exciter"), ("1004", "toneremote"))


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    bindir, folder, args = os.path.abspath(argv[1]), os.path.abspath(argv[2]), argv[3:]
    os.makedirs(folder, exist_ok=True)
    command = [os.path.join(bindir, "rackemu"), "--verbose"]
    for serial, kind in MODULES:
        command += ["--module", "%s:%s" % (serial, kind)]
    with open(os.path.join(folder, "rackemu.log"), "w") as log:
        rack = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=log, text=True)
        try:
            device = rack.stdout.readline().strip()
            if not device:
                print("rackemu did not start; see %s" % log.name, file=sys.stderr)
                return 1
            program = program_folder.copy_program(os.path.join(bindir, "velmar"), folder)
            program_folder.write_ini(folder, device)
            print("Emulated rack on %s: %s." % (
                device, ", ".join("module %s (%s)" % m for m in MODULES)))
            print("Program folder: %s (frames on the line: rackemu.log)" % folder)
            sys.stdout.flush()
            return subprocess.call([program] + args)
        finally:
            rack.terminate()
            rack.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
