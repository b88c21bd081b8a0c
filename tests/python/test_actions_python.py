"""A toolbar action mapped to an action object written in Python."""
import unittest

import noxsimplelinks as nox


class ExportAction:
    """An action object: gets the calling pane, runs the mapped method, reports its result."""

    made = []

    def __init__(self):
        self.CallingClass = None
        self.LastResult = ""
        self.lastError = ""
        self.runs = []
        ExportAction.made.append(self)

    def Export(self, parameter=None):
        self.runs.append(parameter)
        self.CallingClass.Exported(parameter)
        if parameter == "refuse":
            self.LastResult = "FAILED"
            self.lastError = "Nothing to export"
        else:
            self.LastResult = "ok"


class Pane:
    def __init__(self):
        self.exported = []

    def Exported(self, what):
        self.exported.append(what)


class ActionObjectsInPython(unittest.TestCase):
    def setUp(self):
        ExportAction.made.clear()
        nox.RegisterObject("pytest.ExportAction", ExportAction)
        nox.ui.reset()
        self.pane = Pane()
        self.actions = nox.CreateObject("noxsimplelinks.clsActions")
        self.actions.CallingClass = self.pane
        self.actions.ActionMapping = [
            ["ACTION_MAPPING", "", "", "", ""],
            ["ID_Export", "DllAction", "pytest.ExportAction", "Export", "csv"],
            ["ID_Refuse", "ExeAction", "pytest.ExportAction", "Export", "refuse"],
        ]

    def tearDown(self):
        nox.UnregisterObject("pytest.ExportAction")

    def test_a_mapped_action_runs_the_python_object(self):
        self.assertTrue(self.actions.ExecuteAction("ID_Export"))
        self.assertEqual(self.actions.ActionType, "DllAction")
        self.assertEqual(len(ExportAction.made), 1)
        self.assertIs(ExportAction.made[0].CallingClass, self.pane)
        self.assertEqual(ExportAction.made[0].runs, ["csv"])
        self.assertEqual(self.pane.exported, ["csv"])
        self.assertEqual(nox.ui.messages(), [])

    def test_a_failed_result_is_shown_with_its_error(self):
        self.assertFalse(self.actions.ExecuteAction("ID_Refuse"))
        self.assertEqual([text for text, _, _ in nox.ui.messages()], ["Nothing to export"])


if __name__ == "__main__":
    unittest.main()
