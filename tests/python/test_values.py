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


class RoundTripThroughPython(unittest.TestCase):
    """Python → C++ → a Python-implemented object → C++ → Python, and what C++ saw on the way."""

    CASES = [
        (None, "Empty"),
        (nox.Null, "Null"),
        (nox.Nothing, "Nothing"),
        (True, "Boolean"),
        (False, "Boolean"),
        (0, "Long"),
        (-2**31, "Long"),
        (2**31 - 1, "Long"),
        (2.5, "Double"),
        (-1e300, "Double"),
        ("", "String"),
        ("ÄÖÜ – text with <markup> & quotes\"", "String"),
        (datetime.datetime(2024, 2, 29, 13, 45, 30, 250000), "Date"),
        (datetime.datetime(1899, 12, 30), "Date"),
        (datetime.datetime(1850, 6, 1, 6, 0), "Date"),  # before day 0: the time counts away from zero
        (datetime.datetime(9999, 12, 31, 23, 59, 59, 999000), "Date"),
        ([], "Variant()"),
        ([1, "a", None, nox.Null, [2.5, "b"], [True]], "Variant()"),
        ([[1, 2, 3], ["a", "b", "c"]], "Variant()"),
        (nox.ErrorValue(0x80020004), "Error"),
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

    def test_markers_keep_their_identity(self):
        for marker in (nox.Null, nox.Nothing, nox.Missing):
            with self.subTest(marker=marker):
                self.assertIs(self.probe.Echo(marker), marker)
                self.assertFalse(marker)
        self.assertEqual(self.probe.KindOf(nox.Missing), "Error")

    def test_missing_argument_lets_the_python_default_apply(self):
        self.probe.Relay(self.mirror, "Echo", nox.Missing)
        self.assertIs(self.mirror.received[-1], nox.Missing)

    def test_a_date_without_time_is_midnight_and_times_keep_milliseconds(self):
        self.assertEqual(self.probe.Echo(datetime.date(2001, 2, 3)), datetime.datetime(2001, 2, 3))
        self.assertEqual(self.probe.Echo(datetime.datetime(2001, 2, 3, 4, 5, 6, 789499)),
                         datetime.datetime(2001, 2, 3, 4, 5, 6, 789000))

    def test_tuples_go_in_as_arrays_and_come_back_as_lists(self):
        self.assertEqual(self.probe.Echo((1, "a")), [1, "a"])
        self.assertEqual(self.probe.KindOf((1, "a")), "Variant()")

    def test_only_a_list_of_equal_length_lists_is_two_dimensional(self):
        shapes = [
            ([[1, 2], [3, 4], [5, 6]], "0:2,0:1"),
            ([[1, 2], [3]], "0:1"),
            ([(1, 2), (3, 4)], "0:1"),  # a list of tuples: an array of arrays
            ([[]], "0:0"),
            ([], "0:-1"),
        ]
        for value, shape in shapes:
            with self.subTest(value=value):
                self.assertEqual(self.probe.Shape(value), shape)
        self.assertEqual(self.probe.Echo([[1, 2], [3, 4]]), [[1, 2], [3, 4]])

    def test_arrays_with_other_bounds_keep_them(self):
        one = nox.Array((1, 3))
        one[1], one[2], one[3] = "a", 2, None
        back = self.probe.Relay(self.mirror, "Echo", one)
        self.assertIsInstance(back, nox.Array)
        self.assertEqual((back.LBound(), back.UBound()), (1, 3))
        self.assertEqual([back[i] for i in range(1, 4)], ["a", 2, None])
        self.assertEqual(back, one)

        two = nox.Array((1, 2), (-1, 0))
        two[2, -1] = "x"
        back = self.probe.Echo(two)
        self.assertEqual((back.dimensions, back.LBound(2), back.UBound(2)), (2, -1, 0))
        self.assertEqual(back[2, -1], "x")
        self.assertEqual(back.tolist(), [[None, None], ["x", None]])

        zero_rows = nox.Array((0, -1), (0, 2))  # a list could not keep its second dimension
        self.assertIsInstance(self.probe.Echo(zero_rows), nox.Array)

    def test_array_indexes_outside_the_bounds_raise_9(self):
        with self.assertRaises(nox.AutomationError) as raised:
            nox.Array((1, 3))[0]
        self.assertEqual(raised.exception.number, 9)

    def test_integers_are_long_unless_the_member_asks_for_integer(self):
        self.assertEqual(self.probe.KindOf(7), "Long")
        self.assertEqual(self.probe.Swap(1, 2), (None, 2, 1))
        with self.assertRaises(nox.AutomationError) as raised:
            self.probe.Swap(70000, 1)
        self.assertEqual(raised.exception.number, 6)
        with self.assertRaises(nox.AutomationError) as raised:
            self.probe.Echo(2**40)
        self.assertEqual(raised.exception.number, 6)

    def test_objects_cross_by_identity(self):
        other = nox._testing.Probe()
        self.assertEqual(self.probe.Relay(self.mirror, "Echo", other), other)
        self.assertTrue(self.probe.Same(other, self.probe.Echo(other)))
        self.assertIs(self.probe.Echo(self.mirror), self.mirror)
        self.assertTrue(self.probe.Same(self.mirror, self.mirror))
        self.assertEqual(self.probe.KindOf(self.mirror), "Mirror")  # an object's type name is its class's


class Collections(unittest.TestCase):
    def setUp(self):
        self.items = nox._testing.Probe().Collect(["a", "b", "c"], ["ka", "kb", "kc"])

    def test_iterate_and_index_from_one(self):
        self.assertEqual(list(self.items), ["a", "b", "c"])
        self.assertEqual(len(self.items), 3)
        self.assertEqual((self.items[1], self.items[3]), ("a", "c"))
        self.assertEqual(self.items["KB"], "b")
        self.assertEqual(self.items.Item(2), "b")

    def test_members_change_the_collection(self):
        self.items.Add("d", "kd", nox.Missing, "ka")
        self.items.Remove("kc")
        self.assertEqual(list(self.items), ["a", "d", "b"])
        self.assertEqual(self.items.Count, 3)

    def test_a_missing_index_raises_5(self):
        for index in (0, 4, "nope"):
            with self.subTest(index=index), self.assertRaises(nox.AutomationError) as raised:
                self.items[index]
            self.assertEqual(raised.exception.number, 5)


if __name__ == "__main__":
    unittest.main()
