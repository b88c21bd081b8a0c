"""The file commands from Python and from the command line: the lock dialog printed as a box, a
hard copy deleted from Python, and the edit cycle across commands (take the file, change the copy,
check it in, unlock; or complete the editing with its tool), after which a view opens the new bytes."""
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
import sample_pane  # noqa: E402

PROGRAM = pathlib.Path(nox.__file__).resolve().parents[1] / "bin" / "simplelinks"
FILES = ["FILES", "--parent", "DOC", "DOC_ID=D100", "REVISION=B"]


def simplelinks(*arguments):
    """The command line on the embedded server, its store in the test's folder; its standard output."""
    env = dict(os.environ, NOX_SERVER_DB=os.path.join(_home, "cli.db"))
    env.pop("NOX_SERVER_URL", None)
    done = subprocess.run([str(PROGRAM), *arguments], capture_output=True, text=True, env=env)
    assert done.returncode == 0, done.stdout + done.stderr
    return done.stdout


def show(*arguments):
    out = simplelinks("show", *arguments)
    return out[out.index("What happened:"):]


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
        self.assertIn("checked in F1001/1", simplelinks("checkin", "F1001"))
        out = show(*FILES, "--select", "1", "--run", "UnlockFile", "--answer", "yes")
        self.assertIn("You are editing this file.", out)
        self.assertIn("<_ACTION>UNLOCK</_ACTION>", out)
        out = show(*FILES, "--select", "1", "--run", "ViewWithRedlineFile")
        opened = re.search(r"> open: (.+)\n", out).group(1)
        self.assertEqual(pathlib.Path(opened).read_bytes(), b"AC1032\x00\xff changed in a test")


    def test_complete_editing_checks_the_file_in_and_unlocks_it(self):
        show(*FILES, "--select", "2", "--run", "ShowEditFileDlg")
        copy = pathlib.Path(nox.CreateObject("noxhostservices.clshostservices").WorkDirForedit) / "pump_assy.pdf"
        copy.write_bytes(b"%PDF-1.4 edited")
        # The tool stays disabled for the sample's named host user; the key reaches the host all the same.
        out = show(*FILES, "--select", "2", "--run", "ButtonOperation", "ID_Prop_Edit_File_Complete")
        self.assertIn("<Name>FileCheckIn</Name>", out)
        self.assertIn("<_ACTION>UNLOCK</_ACTION>", out)
        self.assertIn("the file was checked in and unlocked", out)
        out = show(*FILES, "--select", "2", "--run", "ViewFileForItemInBrowser")
        self.assertEqual(pathlib.Path(re.search(r"> open: (.+)\n", out).group(1)).read_bytes(), b"%PDF-1.4 edited")


class FilesFromPython(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.url = plain_server.serve_for(cls, PROGRAM, _home)

    def test_a_hard_copy_is_deleted_after_one_question(self):
        nox.ui.reset()
        pane, grid = sample_pane.open_pane(nox, self, self.url, "HARD_COPIES", "fg_HARD_COPIES_HARD_COPY", "DOC",
                                           ["DOC.DOC_ID", "DOC.REVISION"], ["D100", "B"])
        grid.Row = 2  # HC-2; HC-1 is released and would be refused
        nox.ui.answers([1])
        pane.UnlinkAndDeleteHardCopy()
        self.assertEqual(nox.ui.messages()[0][0], "Do you want to delete the Hard copy?")
        self.assertEqual(grid.Rows - grid.FixedRows, 1)


if __name__ == "__main__":
    unittest.main()
