#!/usr/bin/env python3
"""An independent caller of chronox32: loads the shared object with ctypes,
checks that it exports exactly the names of the export list, and that a few
calls give the results the C++ tests expect.

usage: ctypes_test.py <libchronox32.so> <exports.txt>
"""
import ctypes
import subprocess
import sys
import threading
import time
import unittest

LIBRARY = None
EXPORTS = None
EXTRA_EXPORTS = None
EVENT_FN = ctypes.CFUNCTYPE(None, ctypes.c_uint32, ctypes.c_uint32)
POST_FN = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_uint32, ctypes.c_uint32, ctypes.c_uint32)


def read_exports(path):
    """The ordinal table, and the names the shared object exports beside it."""
    names, extras = [], []
    with open(path, encoding="ascii") as f:
        for line in f:
            if line[:1].isdigit():
                ordinal, name, argbytes = line.split()
                names.append((int(ordinal), name, int(argbytes)))
            elif line.startswith("- "):
                extras.append(line.split()[1])
    return names, extras


def load(path):
    lib = ctypes.CDLL(path)
    i16, u16, u32, i32 = ctypes.c_int16, ctypes.c_uint16, ctypes.c_uint32, ctypes.c_int32
    signatures = {
        "hrt_supported": (i16, []),
        "hrt_timestamp_alloc": (i16, []),
        "hrt_timestamp_free": (None, [i16]),
        "hrt_timestamp_get": (None, [i16]),
        "hrt_timestamp_usecdiff": (u32, [i16, i16]),
        "hrt_timestamp_inuse": (u16, []),
        "hrt_timestamp_avail": (u16, []),
        "hrt_alarm_alloc": (i16, [i16]),
        "hrt_alarm_set": (None, [i16, u32, i16]),
        "hrt_alarm_check": (u32, [i16]),
        "hrt_alarm_free": (None, [i16]),
        "hrt_alarm_inuse": (u16, []),
        "hrt_alarm_avail": (u16, []),
        "hrt_delay_alloc": (i16, [u32, i16]),
        "hrt_delay_free": (None, [i16]),
        "hrt_delay_avail": (u16, []),
        "hrt_timer_alloc": (i16, [i16, ctypes.c_char_p]),
        "hrt_timer_start": (None, [i16]),
        "hrt_timer_getstatus": (i32, [i16]),
        "hrt_timer_count": (u32, [i16]),
        "hrt_timer_getname": (ctypes.c_char_p, [i16]),
        "hrt_timer_free": (None, [i16]),
        "hrt_timer_avail": (u16, []),
        "hrt_event_alloc": (i16, [i16, i16]),
        "hrt_event_free": (None, [i16]),
        "hrt_event_inuse": (u16, []),
        "hrt_event_avail": (u16, []),
        "hrt_event_pending": (i16, [i16]),
        "hrt_event_setcallback": (i16, [i16, u32, EVENT_FN, u32]),
        "hrt_event_setmessage": (i16, [i16, u32, ctypes.c_void_p, u32, u32]),
        "hrt_set_post_hook": (None, [POST_FN]),
        "hrt_timestring": (ctypes.c_char_p, [ctypes.c_double, ctypes.c_char_p]),
    }
    for name, (restype, argtypes) in signatures.items():
        fn = getattr(lib, name)
        fn.restype = restype
        fn.argtypes = argtypes
    return lib


class Exports(unittest.TestCase):
    def test_exports_exactly_the_list(self):
        out = subprocess.run(["nm", "-D", "--defined-only", LIBRARY], check=True,
                             capture_output=True, text=True).stdout
        exported = {line.split()[-1] for line in out.splitlines() if line.split()[-2:-1] in (["T"], ["W"])}
        listed = {name for _, name, _ in EXPORTS}
        self.assertEqual(len(EXPORTS), 70)
        self.assertEqual(exported, listed | set(EXTRA_EXPORTS))

    def test_every_export_resolves(self):
        lib = ctypes.CDLL(LIBRARY)
        for _, name, _ in EXPORTS:
            self.assertTrue(hasattr(lib, name), name)
        for name in EXTRA_EXPORTS:
            self.assertTrue(hasattr(lib, name), name)


class Calls(unittest.TestCase):
    """Run in this order in one fresh process: the first checks the pools as loaded."""

    @classmethod
    def setUpClass(cls):
        cls.lib = load(LIBRARY)

    def test_1_pools_after_load(self):
        lib = self.lib
        self.assertEqual(lib.hrt_supported(), 1)
        self.assertEqual(lib.hrt_timestamp_avail(), 511)
        self.assertEqual(lib.hrt_alarm_avail(), 127)
        self.assertEqual(lib.hrt_delay_avail(), 127)
        self.assertEqual(lib.hrt_timer_avail(), 127)
        self.assertEqual(lib.hrt_event_alloc(0, 1), 0)
        self.assertEqual(lib.hrt_event_inuse(), 0)
        self.assertEqual(lib.hrt_event_avail(), 31)

    def test_2_program_pattern_and_first_alarm(self):
        lib = self.lib
        start = time.monotonic()
        h = lib.hrt_alarm_alloc(2)
        self.assertEqual(h, 1)
        self.assertEqual(lib.hrt_timestamp_inuse(), 2)
        self.assertEqual(lib.hrt_alarm_inuse(), 1)
        lib.hrt_alarm_set(h, 20, 1)
        r = 0
        while r == 0:
            r = lib.hrt_alarm_check(h)
        lib.hrt_alarm_free(h)
        self.assertGreaterEqual(r, 20)
        self.assertGreaterEqual(time.monotonic() - start, 0.020)
        self.assertEqual(lib.hrt_alarm_inuse(), 0)
        self.assertEqual(lib.hrt_timestamp_inuse(), 0)

    def test_3_bad_handles_check_expired(self):
        lib = self.lib
        for bad in (0, 5, 128, -1):
            self.assertEqual(lib.hrt_alarm_check(bad), 1)

    def test_4_handles_are_the_low_sixteen_bits(self):
        lib = self.lib
        h = lib.hrt_alarm_alloc(2)
        lib.hrt_alarm_set(h, 100000, 0)
        wide = ctypes.CDLL(LIBRARY).hrt_alarm_check
        wide.restype = ctypes.c_uint32
        wide.argtypes = [ctypes.c_int32]
        self.assertEqual(wide(0x10000 | h), 0)  # the same running alarm
        lib.hrt_alarm_free(h)
        self.assertEqual(wide(0x10000 | h), 1)

    def test_5_differences(self):
        lib = self.lib
        a, b = lib.hrt_timestamp_alloc(), lib.hrt_timestamp_alloc()
        lib.hrt_timestamp_get(a)
        time.sleep(0.002)
        lib.hrt_timestamp_get(b)
        self.assertEqual(lib.hrt_timestamp_usecdiff(a, a), 0)
        self.assertEqual(lib.hrt_timestamp_usecdiff(b, a), 4294967294)
        self.assertGreaterEqual(lib.hrt_timestamp_usecdiff(a, b), 2000)
        lib.hrt_timestamp_free(a)
        lib.hrt_timestamp_free(b)

    def test_6_delays_and_timers(self):
        lib = self.lib
        d = lib.hrt_delay_alloc(100, 1)
        self.assertNotEqual(d, 0)
        self.assertEqual(lib.hrt_alarm_inuse(), 0)  # counted below the switch
        lib.hrt_delay_free(d)
        d = lib.hrt_delay_alloc(250, 1)
        self.assertEqual(lib.hrt_alarm_inuse(), 1)  # alarm-timed at the switch
        lib.hrt_delay_free(d)

        t = lib.hrt_timer_alloc(1, b"abcdefghijklmnopqrstuvwxy")
        self.assertEqual(lib.hrt_timer_getname(t), b"abcdefghijklmnopqrst")
        lib.hrt_timer_start(t)
        lib.hrt_timer_start(t)
        self.assertEqual(lib.hrt_timer_count(t), 1)
        self.assertEqual(lib.hrt_timer_getstatus(t), -4)
        self.assertEqual(lib.hrt_timer_getstatus(t), 0)
        lib.hrt_timer_free(t)

    def test_7_timestring(self):
        buffer = ctypes.create_string_buffer(21)
        for seconds, text in ((59.25, b"0:00:59.250000"), (3600, b"1:00:00.000000"), (61, b"0:01:01.000000")):
            self.assertEqual(self.lib.hrt_timestring(seconds, buffer), text)

    def test_8_events_call_back_and_post_on_their_thread(self):
        lib = self.lib
        called, posted = threading.Event(), threading.Event()
        seen = []

        @EVENT_FN
        def callback(handle, value):
            seen.append(("call", handle, value))
            called.set()

        @POST_FN
        def post(window, message, wparam, lparam):
            seen.append(("post", window, message, wparam, lparam))
            posted.set()
            return 1

        h = lib.hrt_event_alloc(1, 2)  # one-shot, milliseconds
        self.assertEqual(h, 1)
        self.assertEqual(lib.hrt_event_setcallback(h, 10, callback, 77), 1)
        self.assertTrue(called.wait(5))
        lib.hrt_set_post_hook(post)
        self.assertEqual(lib.hrt_event_setmessage(h, 10, 0x1234, 0x8001, 78), 1)
        self.assertTrue(posted.wait(5))
        lib.hrt_event_free(h)
        lib.hrt_set_post_hook(POST_FN())
        self.assertEqual(seen, [("call", h, 77), ("post", 0x1234, 0x8001, 0, 78)])
        self.assertEqual(lib.hrt_event_pending(h), 0)
        self.assertEqual(lib.hrt_event_inuse(), 0)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    LIBRARY, exports_path = sys.argv[1], sys.argv[2]
    EXPORTS, EXTRA_EXPORTS = read_exports(exports_path)
    unittest.main(argv=sys.argv[:1], verbosity=2)
