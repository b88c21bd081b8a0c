"""Calling automation objects by member name from Python, and Python objects called from C++."""
import unittest

import noxsimplelinks as nox

USER_ERROR = -2147220504  # 0x800403E8 as a signed 32-bit number


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


class Members(unittest.TestCase):
    def setUp(self):
        self.probe = nox._testing.Probe()

    def test_properties_read_and_assign_by_name_in_any_case(self):
        self.probe.Text = "hello"
        self.assertEqual(self.probe.TEXT, "hello")
        self.probe.text = "again"
        self.assertEqual(self.probe.Text, "again")

    def test_a_method_is_handed_back_to_be_called(self):
        echo = self.probe.echo
        self.assertIsInstance(echo, nox.Member)
        self.assertEqual(echo("x"), "x")
        self.assertEqual(nox.Invoke(self.probe, "KINDOF", nox.InvokeKind.Method, 1.5), "Double")

    def test_indexed_properties_read_with_arguments_and_assign_by_index(self):
        self.assertIsNone(self.probe.Cell(1, 2))
        self.probe.Cell[1, 2] = "x"
        self.probe.Cell.let(2, 3, 7)
        self.assertEqual((self.probe.Cell(1, 2), self.probe.Cell[2, 3]), ("x", 7))

    def test_object_properties_are_set_and_keep_identity(self):
        other, mirror = nox._testing.Probe(), Doubler()
        self.probe.Peer = other
        self.assertEqual(self.probe.Peer, other)
        self.probe.Peer = mirror
        self.assertIs(self.probe.Peer, mirror)
        self.probe.Peer = nox.Nothing
        self.assertIs(self.probe.Peer, nox.Nothing)

    def test_by_reference_arguments_come_back_in_a_tuple(self):
        self.assertEqual(self.probe.Split("left;right", "", None), (True, "left", "right"))
        self.assertEqual(self.probe.Split("no separator", "", None), (False, "", None))
        self.assertEqual(self.probe.Swap(1, 2), (None, 2, 1))

    def test_python_methods_write_by_reference_arguments_back(self):
        self.assertEqual(self.probe.RelayByRef(Doubler(), "twice", 21), ("done", 42))
        with self.assertRaises(nox.AutomationError) as raised:
            self.probe.RelayByRef(Doubler(), "Broken", 1)
        self.assertEqual(raised.exception.number, 13)

    def test_python_attributes_are_read_and_assigned_from_cpp(self):
        doubler = Doubler()
        self.assertEqual(self.probe.Relay(doubler, "TITLE", nox.Missing), "Doubler")
        nox.Invoke(doubler, "Title", nox.InvokeKind.PropertyLet, "renamed")
        self.assertEqual(doubler.title, "renamed")

    def test_bad_calls_raise_the_classic_errors(self):
        cases = [
            (lambda: self.probe.NoSuchMember, 438),
            (lambda: self.probe.Echo(1, 2), 450),
            (lambda: self.probe.Swap(), 449),
            (lambda: self.probe.Relay(Doubler(), "NoSuchMember", 1), 438),
            (lambda: self.probe.Relay(nox.Nothing, "Echo", 1), 91),
            (lambda: nox.CreateObject("noxsimplelinks.NoSuchClass"), 429),
        ]
        for call, number in cases:
            with self.subTest(number=number), self.assertRaises(nox.AutomationError) as raised:
                call()
            self.assertEqual(raised.exception.number, number)

    def test_python_probing_of_private_names_sees_no_attribute(self):
        self.assertFalse(hasattr(self.probe, "_repr_html_"))
        self.assertIsNone(getattr(self.probe, "__wrapped__", None))

    def test_type_names(self):
        self.assertEqual(nox.TypeName(self.probe), "TestProbe")
        self.assertEqual(nox.TypeName("x"), "String")
        self.assertEqual(repr(self.probe), "<noxsimplelinks.Object TestProbe>")


class Errors(unittest.TestCase):
    def setUp(self):
        self.probe = nox._testing.Probe()

    def test_cpp_errors_reach_python_with_number_description_and_source(self):
        with self.assertRaises(nox.AutomationError) as raised:
            self.probe.Fail(USER_ERROR, "boom")
        error = raised.exception
        self.assertEqual((error.number, error.description, error.source), (USER_ERROR, "boom", "TestProbe"))
        self.assertIn("boom", str(error))
        self.assertEqual(nox.AutomationError(0x800403E8, "as written in hex").number, USER_ERROR)

    def test_python_exceptions_reach_cpp_as_automation_errors(self):
        raiser = Raiser(self.probe)
        cases = [
            ("Automation", [-2147221213, "bad key", "Raiser.Automation"]),
            ("Plain", [5, "ValueError: no such row", "Raiser"]),
            ("Unfinished", [-2147467263, "NotImplementedError", "Raiser"]),
            ("Forward", [USER_ERROR, "deep down", "TestProbe"]),  # C++ → Python → C++
        ]
        for member, caught in cases:
            with self.subTest(member=member):
                self.assertEqual(self.probe.Catch(raiser, member), caught)

    def test_an_error_crosses_python_cpp_python_with_its_number(self):
        with self.assertRaises(nox.AutomationError) as raised:
            self.probe.Relay(Raiser(), "Automation", nox.Missing)
        self.assertEqual(raised.exception.number, -2147221213)
        self.assertEqual(raised.exception.source, "Raiser.Automation")


class Registrations(unittest.TestCase):
    PROGID = "noxsimplelinks.Testing.Fake"

    def test_a_registration_is_replaced_and_restored(self):
        first, second = Doubler(), Raiser()
        nox.RegisterObject(self.PROGID, lambda: first)
        try:
            self.assertIs(nox.CreateObject(self.PROGID), first)
            nox.RegisterObject(self.PROGID.upper(), lambda: second)
            self.assertIs(nox.CreateObject(self.PROGID), second)
            nox.UnregisterObject(self.PROGID)
            self.assertIs(nox.CreateObject(self.PROGID), first)
        finally:
            nox.UnregisterObject(self.PROGID)
        self.assertNotIn(self.PROGID, nox.ProgIds())

    def test_a_python_object_stands_in_for_a_registered_component(self):
        registered = [p for p in nox.ProgIds() if not p.startswith("noxsimplelinks.Testing")]
        if not registered:
            self.skipTest("nothing registered yet")
        progid = registered[0]
        original = nox.TypeName(nox.CreateObject(progid))
        nox.RegisterObject(progid, Doubler)
        try:
            self.assertIsInstance(nox.CreateObject(progid), Doubler)
        finally:
            nox.UnregisterObject(progid)
        self.assertEqual(nox.TypeName(nox.CreateObject(progid)), original)

    def test_factories_that_fail_or_make_no_object(self):
        cases = [(Raiser().Automation, -2147221213), (lambda: 5, 13), (lambda: nox.Nothing, 429)]
        for factory, number in cases:
            with self.subTest(number=number):
                nox.RegisterObject(self.PROGID, factory)
                try:
                    with self.assertRaises(nox.AutomationError) as raised:
                        nox.CreateObject(self.PROGID)
                    self.assertEqual(raised.exception.number, number)
                finally:
                    nox.UnregisterObject(self.PROGID)


if __name__ == "__main__":
    unittest.main()
