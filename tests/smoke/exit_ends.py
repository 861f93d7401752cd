#!/usr/bin/env python3
"""Starts the real program under a virtual X server and drives it as a user would (xdotool): File >
Exit must end the process also while the help window is open, and after a changed module window
hidden behind another was asked about under its own caption and answered No. Skips (77) where Xvfb or
xdotool is missing."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "pytools"))
import program_folder  # noqa: E402

SKIP = 77
program, rackemu = sys.argv[1], sys.argv[2]
if not shutil.which("Xvfb") or not shutil.which("xdotool"):
    print("Xvfb or xdotool is not installed: skipped")
    sys.exit(SKIP)


def start_display():
    """A virtual X server on a free display number; (process, display)."""
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read, 16)
        if not chunk:
            raise SystemExit("Xvfb did not start")
        number += chunk
    os.close(read)
    return server, ":" + number.decode().strip()


def xdotool(env, *args, timeout=20):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True, timeout=timeout).stdout.strip()


def wait_for_window(env, name, timeout=60):
    """The id of the first window whose title matches `name`, once it is there."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = xdotool(env, "search", "--onlyvisible", "--name", name)
        if found:
            return found.split()[0]
        time.sleep(0.2)
    raise AssertionError("no window named %r appeared" % name)


def wait_until_gone(env, name, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if not xdotool(env, "search", "--onlyvisible", "--name", name):
            return
        time.sleep(0.2)
    raise AssertionError("the window named %r stayed" % name)


def keys(env, window, *sequence):
    """Gives `window` the keyboard and presses the keys, one after the other."""
    xdotool(env, "windowfocus", "--sync", window)
    for key in sequence:
        xdotool(env, "key", "--clearmodifiers", key)
        time.sleep(0.4)


def ended(proc, timeout=20):
    try:
        proc.wait(timeout=timeout)
        return True
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
        return False


def run(name, env, folder, steps):
    proc = subprocess.Popen([os.path.join(folder, "velmar")], env=env, cwd=folder,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    try:
        main = wait_for_window(env, "^Vorn Programming Application")
        steps(main)
    except Exception as failure:  # the program must not outlive its test
        proc.kill()
        proc.wait()
        print("%s: %s" % (name, failure))
        print(proc.stdout.read().decode(errors="replace"))
        return False
    gone = ended(proc)
    output = proc.stdout.read().decode(errors="replace")
    if not gone:
        print("%s: the program was still running after Exit" % name)
        print(output)
        return False
    if proc.returncode != 0:
        print("%s: exit code %d" % (name, proc.returncode))
        print(output)
        return False
    print("%s: the program ended" % name)
    return True


server, display = start_display()
ok = True
try:
    env = dict(os.environ, DISPLAY=display, ASAN_OPTIONS="detect_leaks=0")
    env.pop("QT_QPA_PLATFORM", None)
    with tempfile.TemporaryDirectory() as folder:
        program_folder.prepare(program, folder)

        def help_then_exit(main):
            keys(env, main, "alt+h", "c")
            wait_for_window(env, "^Velmar Help$")
            keys(env, main, "alt+f", "x")

        ok &= run("Help open, then File > Exit", env, folder, help_then_exit)

        # A module read from an emulated rack and changed (a channel deleted), then a second one read in
        # front of it; Exit asks about the first under its caption, answered No.
        rack = subprocess.Popen([rackemu, "--module", "1002:transmitter", "--module", "1001:receiver"],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            device = rack.stdout.readline().strip()
            program_folder.write_ini(folder, device)

            def read_module(main, serial):
                keys(env, main, "F5")
                dialog = wait_for_window(env, "^Read module$")
                xdotool(env, "windowfocus", "--sync", dialog)
                xdotool(env, "type", serial)
                keys(env, dialog, "Return")
                # The dialog closes once the module window has read its module.
                wait_until_gone(env, "^Read module$")

            def change_then_exit_no(main):
                read_module(main, "1002")
                keys(env, main, "alt+i", "alt+d")
                read_module(main, "1001")
                keys(env, main, "alt+f", "x")
                question = wait_for_window(env, "^Model: .* Serial Number: 1002$")
                keys(env, question, "alt+n")

            ok &= run("changed module window behind another answered No, then File > Exit", env, folder,
                      change_then_exit_no)
        finally:
            rack.terminate()
            rack.wait()
finally:
    server.terminate()
    server.wait()
sys.exit(0 if ok else 1)
