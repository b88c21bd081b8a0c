"""A host written in Python: it places the attached-items control in a site, gives it its
communication object and parameters, calls Init and Refresh, pumps, and reads the grid and the
control's events. The control talks to a reference server started with `simplelinks serve`."""
import atexit
import os
import pathlib
import shutil
import tempfile
import time
import unittest

SOURCE = pathlib.Path(os.environ.get("NOX_SOURCE_DIR", pathlib.Path(__file__).parents[2]))

# A profile of its own, made from the sample all-users profile on first use.
_home = tempfile.mkdtemp(prefix="nox-control-host-")
atexit.register(shutil.rmtree, _home, True)
os.environ["APPDATA"] = os.path.join(_home, "AppData")
os.environ["ALLUSERSPROFILE"] = str(SOURCE / "data" / "allusers")

import noxsimplelinks as nox  # noqa: E402  (the profile must be chosen first)
import plain_server  # noqa: E402


class ExecuteEvents:
    def __init__(self):
        self.payloads = []

    def ExecuteEvent(self, xml):
        self.payloads.append(xml)


class PythonHost(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        program = pathlib.Path(nox.__file__).resolve().parents[1] / "bin" / "simplelinks"
        cls.url = plain_server.serve_for(cls, program, _home)
        os.environ["NOX_SERVER_URL"] = cls.url  # where the control's own asynchronous sends go

    def place_control(self, comm=nox.Nothing):
        site = nox.CreateObject("Platform.ControlSite")
        site.Comm = comm
        control = nox.CreateObject("noxsimplelinks.ctlSimpleLinks")
        control.Container = site
        params = nox.CreateObject("Automation.Collection")
        params.Add("IN_WORK", "DOC.STATUS")
        control.Params = params
        control.ParentType = "DOC"
        control.ParentKeys = ["DOC.DOC_ID", "DOC.REVISION"]
        control.ParentValues = ["D100", "B"]
        panes = nox.CreateObject("noxsimplelinks.clsXmlWrapper")
        loaded, error = panes.loadXmlFile(str(SOURCE / "data/allusers/AppData/VARDEN/config/settings/panes.xml"), "")
        self.assertTrue(loaded, error)
        control.Init(panes.selectNode("/PANES/FILES"))
        self.addCleanup(control.CloseMe)
        return site.Control("fg_FILES_FILE"), control

    def assert_files_loaded(self, grid):
        column = grid.ColIndex("FILE.FILE_ID")
        ids = sorted(grid.TextMatrix(row, column) for row in range(grid.FixedRows, grid.Rows))
        self.assertEqual(ids, ["F1001", "F1002", "F1004"])

    def test_an_asynchronous_load_arrives_when_the_host_pumps(self):
        grid, control = self.place_control()
        self.assertFalse(control.Refresh())
        deadline = time.monotonic() + 10
        while grid.Rows == grid.FixedRows and time.monotonic() < deadline:
            nox.Pump()
            time.sleep(0.01)
        self.assert_files_loaded(grid)

    def test_a_synchronous_load_and_the_events_the_host_receives(self):
        comm = nox.CreateObject("noxrequestpars.XMLRequestPars")
        self.assertTrue(comm.Open(self.url, 0, ""))
        grid, control = self.place_control(comm)
        events = ExecuteEvents()
        nox.Connect(control, events)
        control.Refresh()
        self.assert_files_loaded(grid)
        control.ButtonOperation("ID_Host_Only")
        control.FilterEffective()
        self.assertEqual(events.payloads, ["<XML><METHOD>ID_Host_Only</METHOD></XML>",
                                           "<XML><METHOD>FilterOptionChanged</METHOD></XML>"])
