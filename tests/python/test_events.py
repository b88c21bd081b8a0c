"""Events to Python handlers through the apartment, and the headless user-interface services."""
import unittest

import noxsimplelinks as nox


class Handler:
    def __init__(self):
        self.pings = []

    def ping(self, text):  # the event is "Ping": handlers are found in any case
        self.pings.append(text)


class Failing:
    def Ping(self, text):
        raise ValueError("handler failed on " + text)


class Events(unittest.TestCase):
    def setUp(self):
        self.probe = nox._testing.Probe()
        nox.Pump()  # nothing left over from other tests

    def test_an_event_from_a_worker_thread_arrives_only_when_pumped(self):
        handler = Handler()
        nox.Connect(self.probe, handler)
        self.probe.PingLater("first")
        self.probe.PingLater("second")
        self.assertEqual(handler.pings, [])
        self.assertEqual(nox.Pump(), 2)
        self.assertEqual(handler.pings, ["first", "second"])
        self.assertEqual(nox.Pump(), 0)

    def test_disconnected_handlers_and_handlers_without_the_method_hear_nothing(self):
        handler, deaf = Handler(), object()
        cookie = nox.Connect(self.probe, handler)
        nox.Connect(self.probe, deaf)
        nox.Disconnect(self.probe, cookie)
        self.probe.PingLater("unheard")
        nox.Pump()
        self.assertEqual(handler.pings, [])

    def test_a_handler_error_reaches_the_pump(self):
        nox.Connect(self.probe, Failing())
        self.probe.PingLater("x")
        with self.assertRaises(nox.AutomationError) as raised:
            nox.Pump()
        self.assertEqual((raised.exception.number, raised.exception.description),
                         (5, "ValueError: handler failed on x"))

    def test_objects_without_events_refuse_handlers(self):
        items = self.probe.Collect([1])
        with self.assertRaises(nox.AutomationError) as raised:
            nox.Connect(items, Handler())
        self.assertEqual(raised.exception.number, 438)


class UserInterface(unittest.TestCase):
    def setUp(self):
        self.probe = nox._testing.Probe()
        nox.ui.reset()

    def tearDown(self):
        nox.ui.reset()

    def test_message_boxes_are_recorded_and_answered_in_order_then_by_default(self):
        nox.ui.answers([7, 2])
        answers = [self.probe.MsgBox("Remove the link?", 4 + 32, "Confirm"),
                   self.probe.MsgBox("Continue?", 1, "Title"),
                   self.probe.MsgBox("Again?", 4 + 256, "Title")]  # default button 2 of Yes/No: No
        self.assertEqual(answers, [7, 2, 7])
        self.assertEqual(nox.ui.messages(), [("Remove the link?", 36, "Confirm"), ("Continue?", 1, "Title"),
                                             ("Again?", 260, "Title")])

    def test_mouse_pointer_and_reset(self):
        self.probe.MousePointer = 11
        self.assertEqual(nox.ui.mouse_pointer(), 11)
        self.probe.MsgBox("x", 0, "")
        nox.ui.answers([6])
        nox.ui.reset()
        self.assertEqual((nox.ui.mouse_pointer(), nox.ui.messages()), (0, []))
        self.assertEqual(self.probe.MsgBox("y", 4, ""), 6)  # the scripted answer went with the reset


if __name__ == "__main__":
    unittest.main()
