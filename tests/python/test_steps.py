"""The engineering-order step commands from Python and from the command line: an approval in the user's
task, the step dialog driven by a script (its component reaching the same served server), and
`simplelinks show ... --run` with --choose for the dialog's ticks."""
import atexit
import os
import pathlib
import shutil
import tempfile
import unittest

SOURCE = pathlib.Path(os.environ.get("NOX_SOURCE_DIR", pathlib.Path(__file__).parents[2]))

_home = tempfile.mkdtemp(prefix="nox-steps-")
atexit.register(shutil.rmtree, _home, True)
os.environ["APPDATA"] = os.path.join(_home, "AppData")
os.environ["ALLUSERSPROFILE"] = str(SOURCE / "data" / "allusers")

import noxsimplelinks as nox  # noqa: E402  (the profile must be chosen first)
import plain_server  # noqa: E402
import sample_pane  # noqa: E402

PROGRAM = pathlib.Path(nox.__file__).resolve().parents[1] / "bin" / "simplelinks"
TASK_30 = ("EO_USER_TASK", ["EO_USER_TASK.EO_ID", "EO_USER_TASK.ROUTE_ID", "EO_USER_TASK.STEP_ID"], ["EO-1001", "R1", "30"])


class StepsFromPython(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.url = plain_server.serve_for(cls, PROGRAM, _home, user="jsmith")  # who holds the task of step 30

    def setUp(self):
        nox.ui.reset()
        # The workflow component opens its own communication: the served server, as the pane's.
        previous = os.environ.get("NOX_SERVER_URL")
        os.environ["NOX_SERVER_URL"] = self.url
        self.addCleanup(lambda: os.environ.pop("NOX_SERVER_URL") if previous is None
                        else os.environ.__setitem__("NOX_SERVER_URL", previous))

    def pane(self, name, grid_name, parent_type, keys, values):
        return sample_pane.open_pane(nox, self, self.url, name, grid_name, parent_type, keys, values)

    def test_an_item_is_approved_and_the_host_is_told(self):
        pane, grid = self.pane("TASK_ITEMS", "fg_TASK_ITEMS_ITEM", *TASK_30)
        events = []
        nox.Connect(pane, type("Sink", (), {"ExecuteEvent": lambda self, xml: events.append(xml)})())
        grid.Row = grid.FixedRows
        pane.ApproveItem()
        self.assertEqual(nox.ui.messages(), [])
        self.assertIn("<XML><METHOD>ObjectApproved</METHOD></XML>", events)

    def test_the_step_dialog_attaches_an_item_to_the_ticked_step(self):
        pane, grid = self.pane("ORDER_ITEMS", "fg_ORDER_ITEMS_ITEM", "EO", ["EO.EO_ID"], ["EO-1001"])
        keys = [grid.TextMatrix(r, grid.ColIndex("ITEM.ITEM_KEY")) for r in range(grid.FixedRows, grid.Rows)]
        grid.Row = keys.index("P110") + grid.FixedRows
        nox.ui.script_dialog("noxwfattached", ["chkStep20=1", "cmdOK"])
        pane.EoAttachObjTOSteps()
        self.assertEqual(nox.ui.dialogs()[-1]["result"], "OK")
        pane.EoViewDitachObjTOSteps()
        steps = next(c for c in nox.ui.dialogs()[-1]["shown"] if c["name"] == "grdSteps")["rows"]
        self.assertNotIn("ITEM P110/A", steps[1][4])  # step 20 holds it now


class StepsFromTheCommandLine(unittest.TestCase):
    def show(self, *arguments):
        return sample_pane.show(self, PROGRAM, _home, *arguments)

    def test_run_rejects_a_material_and_choose_ticks_the_step_dialog(self):
        out = self.show("TASK_MATERIALS", "--parent", "EO_USER_TASK", "EO_ID=EO-1001", "ROUTE_ID=R1", "STEP_ID=30",
                        "--select", "1", "--run", "RejectMaterial")
        self.assertIn("&lt;RESPONSE&gt;REJECT&lt;/RESPONSE&gt;", out)
        self.assertIn("ObjectApproved", out)
        out = self.show("ORDER_ITEMS", "--parent", "EO", "EO_ID=EO-1001", "--select", "2",
                        "--run", "EoDitachObjTOSteps", "--choose", "10")
        self.assertIn("steps: chkStep10=1, cmdOK", out)
        self.assertIn("<Name>WfDetachObjectFromSteps</Name>", out)


if __name__ == "__main__":
    unittest.main()
