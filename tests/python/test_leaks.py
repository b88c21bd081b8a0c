"""Nothing leaks across the boundary: 100,000 calls that carry objects both ways."""
import datetime
import os
import sys
import unittest

import noxsimplelinks as nox

CALLS = 100_000
UNDER_ASAN = "libclang_rt.asan" in os.environ.get("LD_PRELOAD", "")


def resident_bytes():
    with open("/proc/self/statm") as statm:
        return int(statm.read().split()[1]) * os.sysconf("SC_PAGE_SIZE")


class Mirror:
    def Echo(self, value):
        return value


class Leaks(unittest.TestCase):
    def test_objects_are_released_after_100000_calls(self):
        probe, mirror = nox._testing.Probe(), Mirror()
        payload = [1, "text", datetime.datetime(2024, 1, 2), nox._testing.Probe(), mirror, [[1, 2], [3, 4]]]

        def live():
            return (sys.getrefcount(mirror), sys.getrefcount(Mirror),
                    nox._testing.live_adapters(), nox._testing.live_probes())

        before = live()
        nox.RegisterObject("noxsimplelinks.Testing.Leak", Mirror)
        try:
            self.run_calls(probe, mirror, payload, 1000)  # warm up the allocator
            start = resident_bytes()
            self.run_calls(probe, mirror, payload, CALLS)
            grown = resident_bytes() - start
        finally:
            nox.UnregisterObject("noxsimplelinks.Testing.Leak")
        self.assertEqual(live(), before)
        if not UNDER_ASAN:  # its quarantine keeps freed memory resident on purpose
            self.assertLess(grown, 8 * 1024 * 1024, f"resident memory grew by {grown // 1024} KiB over {CALLS} calls")

    @staticmethod
    def run_calls(probe, mirror, payload, count):
        for _ in range(count):
            probe.Relay(mirror, "Echo", payload)
            probe.Peer = nox.CreateObject("noxsimplelinks.Testing.Leak")
            probe.Peer = nox.Nothing
