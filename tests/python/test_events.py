"""Events to Python handlers through the apartment, the headless user-interface services, and
toolbar actions run by action objects written in Python."""
import unittest

import noxsimplelinks as nox


class Recorder:
    """An event handler ("Ping" finds ping: handlers are found in any case) or a pane: keeps what it is handed."""

    def __init__(self):
        self.received = []

    def ping(self, text):
        if text == "fail":
            raise ValueError("handler failed on " + text)
        self.received.append(text)


class ExportAction:
    """An action object: gets the calling pane, runs the mapped method, reports its result."""

    def __init__(self):
        self.CallingClass, self.LastResult, self.lastError = None, "", ""

    def Export(self, parameter=None):
        self.CallingClass.received.append(parameter)  # the pane arrives as the Python object it is
        self.LastResult, self.lastError = ("FAILED", "Nothing to export") if parameter == "refuse" else ("ok", "")


class EventsAndUserInterface(unittest.TestCase):
    def setUp(self):
        self.probe = nox._testing.Probe()
        nox.Pump()  # nothing left over from other tests
        nox.ui.reset()
        self.addCleanup(nox.ui.reset)

    def test_events_from_a_worker_thread_reach_connected_handlers_when_pumped(self):
        heard, dropped = Recorder(), Recorder()
        nox.Connect(self.probe, heard)
        nox.Connect(self.probe, object())  # a handler without the method hears nothing
        nox.Disconnect(self.probe, nox.Connect(self.probe, dropped))
        self.probe.PingLater("first")
        self.probe.PingLater("second")
        self.assertEqual(heard.received, [])
        self.assertEqual(nox.Pump(), 2)
        self.assertEqual((heard.received, dropped.received), (["first", "second"], []))
        self.assertEqual(nox.Pump(), 0)

    def test_a_handler_error_reaches_the_pump(self):
        nox.Connect(self.probe, Recorder())
        self.probe.PingLater("fail")
        with self.assertRaises(nox.AutomationError) as raised:
            nox.Pump()
        self.assertEqual((raised.exception.number, raised.exception.description),
                         (5, "ValueError: handler failed on fail"))

    def test_message_boxes_are_answered_in_order_then_by_default_until_reset(self):
        nox.ui.answers([7, 2])
        self.probe.MousePointer = 11
        boxes = [("Remove the link?", 36, "Confirm"), ("Continue?", 1, "Title"), ("Again?", 4 + 256, "Title")]
        self.assertEqual([self.probe.MsgBox(*box) for box in boxes], [7, 2, 7])  # default button 2 of Yes/No: No
        self.assertEqual((nox.ui.messages(), nox.ui.mouse_pointer()), (boxes, 11))
        nox.ui.answers([7])
        nox.ui.reset()
        self.assertEqual((nox.ui.mouse_pointer(), nox.ui.messages()), (0, []))
        self.assertEqual(self.probe.MsgBox("y", 4, ""), 6)  # the scripted answer went with the reset

    def test_a_mapped_action_runs_the_python_object_and_shows_a_failure(self):
        nox.RegisterObject("pytest.ExportAction", ExportAction)
        self.addCleanup(nox.UnregisterObject, "pytest.ExportAction")
        pane, actions = Recorder(), nox.CreateObject("noxsimplelinks.clsActions")
        actions.CallingClass = pane
        actions.ActionMapping = [["ACTION_MAPPING", "", "", "", ""],
                                 ["ID_Export", "DllAction", "pytest.ExportAction", "Export", "csv"],
                                 ["ID_Refuse", "ExeAction", "pytest.ExportAction", "Export", "refuse"]]
        self.assertTrue(actions.ExecuteAction("ID_Export"))
        self.assertEqual((actions.ActionType, pane.received, nox.ui.messages()), ("DllAction", ["csv"], []))
        self.assertFalse(actions.ExecuteAction("ID_Refuse"))
        self.assertEqual(pane.received, ["csv", "refuse"])
        self.assertEqual([text for text, _, _ in nox.ui.messages()], ["Nothing to export"])
