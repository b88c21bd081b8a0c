"""The file commands from Python and from the command line: the lock dialog printed as a box, a
hard copy deleted from Python, and the edit cycle across commands (take the file, change the copy,
check it in, unlock), after which a view opens the new bytes."""
import atexit
import os
import pathlib
import re
import shutil
import subprocess
import tempfile
import unittest

SOURCE = pathlib.Path(os.environ.get("NOX_SOURCE_DIR", pathlib.Path(__file__).parents[2]))

_home = tempfile.mkdtemp(prefix="nox-files-")
atexit.register(shutil.rmtree, _home, True)
os.environ["APPDATA"] = os.path.join(_home, "AppData")
os.environ["ALLUSERSPROFILE"] = str(SOURCE / "data" / "allusers")
for desktop in ("DISPLAY", "WAYLAND_DISPLAY"):  # the command line then tells what it would open
    os.environ.pop(desktop, None)

import noxsimplelinks as nox  # noqa: E402  (the profile must be chosen first)
import plain_server  # noqa: E402

PROGRAM = pathlib.Path(nox.__file__).resolve().parents[1] / "bin" / "simplelinks"
FILES = ["FILES", "--parent", "DOC", "DOC_ID=D100", "REVISION=B"]


def show(*arguments):
    env = dict(os.environ, NOX_SERVER_DB=os.path.join(_home, "cli.db"))
    env.pop("NOX_SERVER_URL", None)
    done = subprocess.run([str(PROGRAM), "show", *arguments], capture_output=True, text=True, env=env)
    assert done.returncode == 0, done.stderr
    return done.stdout[done.stdout.index("What happened:"):]


class FilesFromTheCommandLine(unittest.TestCase):
    def test_the_lock_dialog_is_a_box_of_captions_and_values(self):
        out = show(*FILES, "--select", "3", "--run", "DisplayLockInfo")
        self.assertIn("| This file is locked. pump_assy_markup.xml:\n| Lock: Y\n| Locked by: jdoe\n", out)
        self.assertIn("| Time: 09:41:07\n| [Close]\n", out)

    def test_edit_change_check_in_unlock_and_a_view_opens_the_new_bytes(self):
        out = show(*FILES, "--select", "1", "--run", "ShowEditFileDlg")
        self.assertIn("<Name>FileCheckOut</Name>", out)
        copy = pathlib.Path(nox.CreateObject("noxhostservices.clshostservices").WorkDirForedit) / "pump_assy.dwg"
        copy.write_bytes(b"AC1032\x00\xff changed in a test")
        env = dict(os.environ, NOX_SERVER_DB=os.path.join(_home, "cli.db"))
        done = subprocess.run([str(PROGRAM), "checkin", "F1001"], capture_output=True, text=True, env=env)
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertIn("checked in F1001/1", done.stdout)
        out = show(*FILES, "--select", "1", "--run", "UnlockFile", "--answer", "yes")
        self.assertIn("You are editing this file.", out)
        self.assertIn("<_ACTION>UNLOCK</_ACTION>", out)
        out = show(*FILES, "--select", "1", "--run", "ViewWithRedlineFile")
        opened = re.search(r"> open: (.+)\n", out).group(1)
        self.assertEqual(pathlib.Path(opened).read_bytes(), b"AC1032\x00\xff changed in a test")


class FilesFromPython(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.url = plain_server.serve_for(cls, PROGRAM, _home)

    def test_a_hard_copy_is_deleted_after_one_question(self):
        nox.ui.reset()
        comm = nox.CreateObject("noxrequestpars.XMLRequestPars")
        self.assertTrue(comm.Open(self.url, 0, ""))
        site = nox.CreateObject("Platform.ControlSite")
        site.Comm = comm
        pane = nox.CreateObject("noxsimplelinks.ctlSimpleLinks")
        pane.Container = site
        pane.ParentType = "DOC"
        pane.ParentKeys = ["DOC.DOC_ID", "DOC.REVISION"]
        pane.ParentValues = ["D100", "B"]
        panes = nox.CreateObject("noxsimplelinks.clsXmlWrapper")
        loaded, error = panes.loadXmlFile(str(SOURCE / "data/allusers/AppData/VARDEN/config/settings/panes.xml"), "")
        self.assertTrue(loaded, error)
        pane.Init(panes.selectNode("/PANES/HARD_COPIES"))
        self.addCleanup(pane.CloseMe)
        pane.Refresh()
        grid = site.Control("fg_HARD_COPIES_HARD_COPY")
        grid.Row = 2  # HC-2; HC-1 is released and would be refused
        nox.ui.answers([1])
        pane.UnlinkAndDeleteHardCopy()
        self.assertEqual(nox.ui.messages()[0][0], "Do you want to delete the Hard copy?")
        self.assertEqual(grid.Rows - grid.FixedRows, 1)


if __name__ == "__main__":
    unittest.main()
