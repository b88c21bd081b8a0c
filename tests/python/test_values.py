"""Values crossing between Python and the automation runtime, in both directions."""
import datetime
import unittest

import noxsimplelinks as nox


class Mirror:
    """A Python-implemented object: C++ calls it back and it hands each value back unchanged."""

    def __init__(self):
        self.received = []

    def Echo(self, value=nox.Missing):
        self.received.append(value)
        return value


class Values(unittest.TestCase):
    """Python → C++ → a Python-implemented object → C++ → Python, and what C++ saw on the way."""

    CASES = [
        (None, "Empty"), (nox.Null, "Null"), (nox.Nothing, "Nothing"), (True, "Boolean"), (False, "Boolean"),
        (0, "Long"), (-2**31, "Long"), (2**31 - 1, "Long"), (2.5, "Double"), (-1e300, "Double"),
        ("", "String"), ("ÄÖÜ – text with <markup> & quotes\"", "String"),
        (datetime.datetime(2024, 2, 29, 13, 45, 30, 250000), "Date"),
        (datetime.datetime(1899, 12, 30), "Date"),
        (datetime.datetime(1850, 6, 1, 6, 0), "Date"),  # before day 0: the time counts away from zero
        (datetime.datetime(9999, 12, 31, 23, 59, 59, 999000), "Date"),
        ([], "Variant()"), ([1, "a", None, nox.Null, [2.5, "b"], [True]], "Variant()"),
        ([[1, 2, 3], ["a", "b", "c"]], "Variant()"),
        (nox.ErrorValue(0x80020004), "Error"), (nox.Missing, "Error"),
    ]

    def setUp(self):
        self.probe = nox._testing.Probe()
        self.mirror = Mirror()

    def test_every_value_kind_comes_back_as_it_went(self):
        for value, kind in self.CASES:
            with self.subTest(value=value):
                self.assertEqual(self.probe.KindOf(value), kind)
                back = self.probe.Relay(self.mirror, "Echo", value)
                self.assertEqual(self.mirror.received[-1], value)
                self.assertEqual(back, value)
                self.assertIs(type(back), type(value))
        self.assertFalse(any((nox.Null, nox.Nothing, nox.Missing)))  # markers, equal only to themselves, are false

    def test_a_date_without_time_is_midnight_and_times_keep_milliseconds(self):
        self.assertEqual(self.probe.Echo(datetime.date(2001, 2, 3)), datetime.datetime(2001, 2, 3))
        self.assertEqual(self.probe.Echo(datetime.datetime(2001, 2, 3, 4, 5, 6, 789499)),
                         datetime.datetime(2001, 2, 3, 4, 5, 6, 789000))

    def test_only_a_list_of_equal_length_lists_is_two_dimensional(self):
        shapes = [
            ([[1, 2], [3, 4], [5, 6]], "0:2,0:1"),
            ([[1, 2], [3]], "0:1"),
            ((1, "a"), "0:1"),
            ([(1, 2), (3, 4)], "0:1"),  # a list of tuples: an array of arrays
            ([[]], "0:0"),
            ([], "0:-1"),
        ]
        for value, shape in shapes:
            with self.subTest(value=value):
                self.assertEqual(self.probe.Shape(value), shape)

    def test_arrays_with_other_bounds_keep_them(self):
        one = nox.Array((1, 3))
        one[1], one[2], one[3] = "a", 2, None
        back = self.probe.Relay(self.mirror, "Echo", one)
        self.assertIsInstance(back, nox.Array)
        self.assertEqual((back.LBound(), back.UBound(), [back[i] for i in range(1, 4)]), (1, 3, ["a", 2, None]))
        self.assertEqual(back, one)

        two = nox.Array((1, 2), (-1, 0))
        two[2, -1] = "x"
        back = self.probe.Echo(two)
        self.assertEqual((back.dimensions, back.LBound(2), back.UBound(2), back[2, -1]), (2, -1, 0, "x"))
        self.assertEqual(back.tolist(), [[None, None], ["x", None]])
        zero_rows = nox.Array((0, -1), (0, 2))  # a list could not keep its second dimension
        self.assertIsInstance(self.probe.Echo(zero_rows), nox.Array)

    def test_objects_cross_by_identity(self):
        for value in (nox._testing.Probe(), self.mirror):
            with self.subTest(value=value):
                self.probe.Peer = value
                self.assertEqual(self.probe.Peer, value)
                self.assertEqual(self.probe.Relay(self.mirror, "Echo", value), value)
                self.assertTrue(self.probe.Same(value, self.probe.Echo(value)))
        self.assertIs(self.probe.Peer, self.mirror)  # a Python object comes back as itself
        self.probe.Peer = nox.Nothing
        self.assertIs(self.probe.Peer, nox.Nothing)
        self.assertEqual(self.probe.KindOf(self.mirror), "Mirror")  # an object's type name is its class's

    def test_collections_index_from_one_or_by_key_iterate_and_change(self):
        items = self.probe.Collect(["a", "b", "c"], ["ka", "kb", "kc"])
        self.assertEqual((list(items), len(items), items[1], items[3]), (["a", "b", "c"], 3, "a", "c"))
        self.assertEqual((items["KB"], items.Item(2)), ("b", "b"))
        items.Add("d", "kd", nox.Missing, "ka")
        items.Remove("kc")
        self.assertEqual((list(items), items.Count), (["a", "d", "b"], 3))
