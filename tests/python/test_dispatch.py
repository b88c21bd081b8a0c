"""Calling automation objects by member name from Python, Python objects called from C++, and errors both ways."""
import unittest

import noxsimplelinks as nox

USER_ERROR = -2147220504  # 0x800403E8 as a signed 32-bit number
BAD_KEY = -2147221213  # 0x80040123
FAKE = "noxsimplelinks.Testing.Fake"


class Raiser:
    """A Python-implemented object whose members fail in the ways a fake component would."""

    def __init__(self, probe=None):
        self.probe = probe

    def Automation(self):
        raise nox.AutomationError(0x80040123, "bad key", "Raiser.Automation")

    def Plain(self):
        raise ValueError("no such row")

    def Unfinished(self):
        raise NotImplementedError

    def Forward(self):
        self.probe.Fail(USER_ERROR, "deep down")


class Doubler:
    title = "Doubler"

    @nox.byref(0)
    def Twice(self, x):
        return "done", x * 2

    @nox.byref(0)
    def Broken(self, x):
        return "not a tuple"


def created_by(factory):
    nox.RegisterObject(FAKE, factory)
    try:
        return nox.CreateObject(FAKE)
    finally:
        nox.UnregisterObject(FAKE)


class Dispatch(unittest.TestCase):
    def setUp(self):
        self.probe = nox._testing.Probe()

    def test_members_are_found_by_name_in_any_case(self):
        self.probe.text = "hello"
        self.assertEqual(self.probe.TEXT, "hello")
        self.assertIsInstance(self.probe.echo, nox.Member)
        self.assertEqual(nox.Invoke(self.probe, "KINDOF", nox.InvokeKind.Method, 1.5), "Double")
        self.assertFalse(hasattr(self.probe, "_repr_html_"))  # Python's probing of private names finds nothing
        self.assertEqual((nox.TypeName(self.probe), nox.TypeName("x")), ("TestProbe", "String"))
        self.assertEqual(repr(self.probe), "<noxsimplelinks.Object TestProbe>")

    def test_indexed_properties_read_with_arguments_and_assign_by_index(self):
        self.assertIsNone(self.probe.Cell(1, 2))
        self.probe.Cell[1, 2] = "x"
        self.probe.Cell.let(2, 3, 7)
        self.assertEqual((self.probe.Cell(1, 2), self.probe.Cell[2, 3]), ("x", 7))

    def test_by_reference_arguments_come_back_in_a_tuple(self):
        self.assertEqual(self.probe.Split("left;right", "", None), (True, "left", "right"))
        self.assertEqual(self.probe.Split("no separator", "", None), (False, "", None))
        self.assertEqual(self.probe.Swap(1, 2), (None, 2, 1))

    def test_python_members_are_called_from_cpp_by_name_in_any_case(self):
        doubler = Doubler()
        self.assertEqual(self.probe.RelayByRef(doubler, "twice", 21), ("done", 42))  # by reference written back
        self.assertEqual(self.probe.Relay(doubler, "TITLE", nox.Missing), "Doubler")
        nox.Invoke(doubler, "Title", nox.InvokeKind.PropertyLet, "renamed")
        self.assertEqual(doubler.title, "renamed")

    def test_python_exceptions_reach_cpp_as_automation_errors(self):
        cases = [
            ("Automation", [BAD_KEY, "bad key", "Raiser.Automation"]),
            ("Plain", [5, "ValueError: no such row", "Raiser"]),
            ("Unfinished", [-2147467263, "NotImplementedError", "Raiser"]),
            ("Forward", [USER_ERROR, "deep down", "TestProbe"]),  # C++ → Python → C++
        ]
        for member, caught in cases:
            with self.subTest(member=member):
                self.assertEqual(self.probe.Catch(Raiser(self.probe), member), caught)

    def test_errors_reach_python_with_number_description_and_source(self):
        items = self.probe.Collect(["a"], ["ka"])
        cases = [
            (lambda: self.probe.Fail(USER_ERROR, "boom"), USER_ERROR, "boom", "TestProbe"),
            (lambda: self.probe.Relay(Raiser(), "Automation", nox.Missing), BAD_KEY, "bad key", "Raiser.Automation"),
            (lambda: self.probe.NoSuchMember, 438), (lambda: self.probe.Echo(1, 2), 450),
            (lambda: self.probe.Swap(), 449), (lambda: self.probe.Swap(70000, 1), 6),  # Swap takes 16-bit integers
            (lambda: self.probe.Echo(2**40), 6),
            (lambda: self.probe.Relay(Doubler(), "NoSuchMember", 1), 438),
            (lambda: self.probe.Relay(nox.Nothing, "Echo", 1), 91),
            (lambda: self.probe.RelayByRef(Doubler(), "Broken", 1), 13),
            (lambda: nox.CreateObject("noxsimplelinks.NoSuchClass"), 429),
            (lambda: created_by(Raiser().Automation), BAD_KEY), (lambda: created_by(lambda: 5), 13),
            (lambda: created_by(lambda: nox.Nothing), 429),
            (lambda: nox.Array((1, 3))[0], 9),
            (lambda: items[0], 5), (lambda: items[2], 5), (lambda: items["nope"], 5),
            (lambda: nox.Connect(items, object()), 438),  # a collection has no events
        ]
        for case, (call, *expected) in enumerate(cases):  # the number, for some the description and source too
            with self.subTest(case=case), self.assertRaises(nox.AutomationError) as raised:
                call()
            error = raised.exception
            self.assertEqual([error.number, error.description, error.source][:len(expected)], expected)
        self.assertEqual(nox.AutomationError(0x800403E8, "as written in hex").number, USER_ERROR)
        self.assertNotIn(FAKE, nox.ProgIds())

    def test_python_objects_stand_in_for_a_component_until_unregistered(self):
        progid = next(p for p in nox.ProgIds() if not p.startswith("noxsimplelinks.Testing"))
        original = nox.TypeName(nox.CreateObject(progid))
        first, second = Doubler(), Raiser()
        nox.RegisterObject(progid, lambda: first)
        try:
            self.assertIs(nox.CreateObject(progid), first)
            nox.RegisterObject(progid.upper(), lambda: second)
            self.assertIs(nox.CreateObject(progid), second)
            nox.UnregisterObject(progid)
            self.assertIs(nox.CreateObject(progid), first)
        finally:
            nox.UnregisterObject(progid)
        self.assertEqual(nox.TypeName(nox.CreateObject(progid)), original)
