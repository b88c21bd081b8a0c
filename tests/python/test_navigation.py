"""Selection and navigation from Python and from the command line: the clipboard and dialog services,
a Python host object receiving workspace descriptions, the find dialog driven by a script, the grid
exported and read back (CSV with the csv module, XLSX by unzipping its sheet), and
`simplelinks show ... --run` telling what a command did."""
import atexit
import csv
import os
import pathlib
import shutil
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET
import zipfile

SOURCE = pathlib.Path(os.environ.get("NOX_SOURCE_DIR", pathlib.Path(__file__).parents[2]))

_home = tempfile.mkdtemp(prefix="nox-navigation-")
atexit.register(shutil.rmtree, _home, True)
os.environ["APPDATA"] = os.path.join(_home, "AppData")
os.environ["ALLUSERSPROFILE"] = str(SOURCE / "data" / "allusers")

import noxsimplelinks as nox  # noqa: E402  (the profile must be chosen first)
import plain_server  # noqa: E402

PROGRAM = pathlib.Path(nox.__file__).resolve().parents[1] / "bin" / "simplelinks"
SHEET = "{http://schemas.openxmlformats.org/spreadsheetml/2006/main}"


class Services(unittest.TestCase):
    def setUp(self):
        nox.ui.reset()

    def test_the_clipboard_keeps_text_and_numbers_formats_for_the_process(self):
        nox.clipboard.set_text("<NOX_CLIPBOARD/>")
        self.assertEqual(nox.clipboard.text(), "<NOX_CLIPBOARD/>")
        nox.clipboard.clear()
        self.assertEqual(nox.clipboard.text(), "")
        first = nox.clipboard.format_id("NOX_DOC_RELEASED")
        self.assertGreaterEqual(first, 0xC000)
        self.assertEqual(nox.clipboard.format_id("nox_doc_released"), first)
        self.assertNotEqual(nox.clipboard.format_id("NOX_DOC_RELEASED+"), first)

    def test_a_python_owner_runs_its_dialog_to_a_script(self):
        dialog = nox.CreateObject("Platform.Dialog")
        dialog.Name = "frmPythonChoice"
        dialog.Caption = "Choose"
        steps = dialog.Add("listbox", "lstStep", "Step")
        steps.Items = ["Review", "Approve"]
        dialog.Add("button", "cmdOK", "OK")
        dialog.Add("button", "cmdCancel", "Cancel")
        dialog.CancelButton = "cmdCancel"

        class Owner:
            def Click(self, button):
                dialog.Close("chose " + dialog.Value("lstStep") if button == "cmdOK" else "cancelled")

        nox.Connect(dialog, Owner())
        nox.ui.script_dialog("frmPythonChoice", ["lstStep=Approve", "cmdOK"])
        dialog.Show(True)
        dialog.Show(True)  # no script the second time: the cancel button
        shown = nox.ui.dialogs()
        self.assertEqual([d["result"] for d in shown], ["chose Approve", "cancelled"])
        self.assertEqual([c["value"] for c in shown[0]["closed"] if c["name"] == "lstStep"], ["Approve"])
        self.assertIn("Step: Approve", shown[0]["text"])
        nox.ui.script_dialog("frmPythonChoice", ["lstStep=Reject"])
        with self.assertRaises(nox.AutomationError) as raised:
            dialog.Show(True)
        self.assertEqual(raised.exception.number, 380)


class Host:
    """A host object in Python: it keeps the workspaces it is asked to open."""

    def __init__(self):
        self.workspaces = []

    def AddWorkspace(self, description):
        self.workspaces.append(description)


class PaneFromPython(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.url = plain_server.serve_for(cls, PROGRAM, _home)

    def setUp(self):
        nox.ui.reset()
        comm = nox.CreateObject("noxrequestpars.XMLRequestPars")
        self.assertTrue(comm.Open(self.url, 0, ""))
        site = nox.CreateObject("Platform.ControlSite")
        site.Comm = comm
        self.pane = nox.CreateObject("noxsimplelinks.ctlSimpleLinks")
        self.pane.Container = site
        self.pane.ParentType = "DOC"
        self.pane.ParentKeys = ["DOC.DOC_ID", "DOC.REVISION"]
        self.pane.ParentValues = ["D100", "B"]
        panes = nox.CreateObject("noxsimplelinks.clsXmlWrapper")
        loaded, error = panes.loadXmlFile(str(SOURCE / "data/allusers/AppData/VARDEN/config/settings/panes.xml"), "")
        self.assertTrue(loaded, error)
        self.pane.Init(panes.selectNode("/PANES/FILES"))
        self.addCleanup(self.pane.CloseMe)
        self.pane.Refresh()
        self.grid = site.Control("fg_FILES_FILE")
        # The loaded pane now talks to a host written in Python (the stand-in served the load).
        self.pane.Host = self.host = Host()

    def row_of(self, file_id):
        column = self.grid.ColIndex("FILE.FILE_ID")
        return next(r for r in range(self.grid.FixedRows, self.grid.Rows) if self.grid.TextMatrix(r, column) == file_id)

    def test_the_python_host_receives_the_workspace_description(self):
        self.grid.Row = self.row_of("F1002")
        self.pane.OpenInCollection()
        self.assertEqual(self.host.workspaces, [
            "<NOX_WORKSPACE_INFO><TYPE>DOC_COLLECTION</TYPE><WORKSPACE_MODE></WORKSPACE_MODE><EFFECTIVITY_DATE>"
            "</EFFECTIVITY_DATE><EFFECTIVITY_FROM></EFFECTIVITY_FROM><EFFECTIVITY_THRU></EFFECTIVITY_THRU><ROOT_OBJECTS>"
            "<NOX_PDM_OBJECT><SOURCE Value = \"NoxSpace\" /> <OBJECT_TYPE Value = \"FILE\" /> <KEYS>"
            "<FILE.FILE_ID Value = \"F1002\" /><FILE.REVISION Value = \"1\" /></KEYS><FIELDS></FIELDS></NOX_PDM_OBJECT>"
            "</ROOT_OBJECTS></NOX_WORKSPACE_INFO>"])
        self.assertEqual(len(self.pane.collSelectedObjects), 2)

    def test_the_find_dialog_selects_from_a_script(self):
        nox.ui.script_dialog("noxFind", ["txtFind=.dwg", "cmdFind"])
        self.pane.ShowFind()
        self.assertEqual(self.grid.SelectedRows, 1)
        self.assertEqual(self.grid.Row, self.row_of("F1001"))
        self.assertEqual(nox.ui.dialogs()[-1]["steps"], ["txtFind=.dwg", "cmdFind", "cmdClose"])

    def test_the_selected_cells_go_on_the_clipboard_as_text(self):
        self.grid.Row = self.row_of("F1001")
        self.grid.IsSelected[self.row_of("F1004")] = True
        nox.CreateObject("noxsimplelinks.clsClipboard").putGridOnClipboardAsText(self.grid)
        lines = nox.clipboard.text().split("\r\n")
        self.assertEqual(len(lines), 3)
        self.assertTrue(lines[0].startswith("     F1001     1     pump_assy.dwg"))

    def test_the_grid_exports_to_csv_and_xlsx(self):
        base = os.path.join(_home, "files")
        export = nox.CreateObject("noxsimplelinks.clsGridExport")
        export.ExportGrid(self.grid, base + ".csv")
        export.ExportGrid(self.grid, base + ".XLSX")
        with open(base + ".csv", newline="", encoding="utf-8-sig") as f:
            rows = list(csv.reader(f))
        self.assertEqual(rows[0], ["File id", "Revision", "File name", "File type", "Size (bytes)", "Locked by", "Locked",
                                   "Lock date", "Lock time", "Originating application"])
        self.assertIn(["F1004", "1", "pump_assy_markup.xml", "REDLINE", "167", "jdoe", "Y"], [row[:7] for row in rows])

        with zipfile.ZipFile(base + ".XLSX") as book:
            strings = [t.text for t in ET.fromstring(book.read("xl/sharedStrings.xml")).iter(SHEET + "t")]
            sheet = ET.fromstring(book.read("xl/worksheets/sheet1.xml"))
        cells = {c.get("r"): c for c in sheet.iter(SHEET + "c")}
        self.assertEqual(strings[int(cells["A1"].find(SHEET + "v").text)], "File id")
        sizes = [cells["E%d" % r] for r in range(2, 5)]
        self.assertTrue(all(c.get("t") is None for c in sizes))  # numbers, not strings
        self.assertIn("167", [c.find(SHEET + "v").text for c in sizes])
        self.grid.TextMatrix[self.grid.FixedRows, 4] = "1E+400"  # beyond a number's range: kept as the text shown
        export.ExportGrid(self.grid, base + ".xlsx")
        with zipfile.ZipFile(base + ".xlsx") as book:
            sheet = ET.fromstring(book.read("xl/worksheets/sheet1.xml"))
        self.assertEqual([c.get("t") for c in sheet.iter(SHEET + "c") if c.get("r") == "E2"], ["s"])
        with self.assertRaises(nox.AutomationError):
            export.ExportGrid(self.grid, base + ".txt")


class CommandLine(unittest.TestCase):
    def show(self, *arguments, status=0, locale="C.UTF-8"):
        env = dict(os.environ, NOX_SERVER_DB=os.path.join(_home, "cli.db"), LC_ALL=locale)
        env.pop("NOX_SERVER_URL", None)  # the embedded sample server, whatever other tests served
        done = subprocess.run([str(PROGRAM), "show", *arguments], capture_output=True, text=True, env=env)
        self.assertEqual(done.returncode, status, done.stderr)
        return done.stdout if status == 0 else done.stderr

    def test_run_tells_the_requests_sent_and_the_workspace_opened(self):
        out = self.show("HISTORY", "--parent", "ITEM", "ITEM_KEY=A100", "REVISION=B", "--click", "2", "--run", "OpenRevFromStr")
        happened = out[out.index("What happened:"):out.index("The pane afterwards:")]
        self.assertIn("> request sent:\n<Request><Method><Name>ZerakQuery</Name>", happened)
        self.assertIn("> workspace to open: <NOX_WORKSPACE_INFO><TYPE>ITEM_STRUCTURE</TYPE>"
                      "<WORKSPACE_MODE>Released</WORKSPACE_MODE><EFFECTIVITY_DATE>1/10/2023</EFFECTIVITY_DATE>", happened)

    def test_user_actions_tell_menus_events_and_message_boxes(self):
        out = self.show("DOCUMENTS", "--parent", "ITEM", "ITEM_KEY=A100", "REVISION=B", "--right-click", "header:DOC.TITLE",
                        "--tool", "ID_Prop_Remove_Column", "--sort", "DOC.STATUS")
        self.assertIn("> pop-up menu shown: ID_Prop_PopUp_Grid_Header_Right_Click (*ID_Prop_Remove_Column", out)
        self.assertIn("> event ExecuteEvent: <XML><METHOD>LayoutChanged</METHOD></XML>", out)
        after = out[out.index("The pane afterwards:"):]
        self.assertNotIn("Title", after)

        out = self.show("HISTORY", "--parent", "ITEM", "ITEM_KEY=A100", "REVISION=B", "--click", "3", "--run", "OpenEO",
                        "--answer", "ok")
        self.assertIn('> message box: icon 48, title "Cannot open in collection", text "This history entry (CHECK_OUT) '
                      'belongs to no engineering order and cannot be opened in a collection." -> OK', out)

    def test_dialogs_reports_and_exports(self):
        target = os.path.join(_home, "cli-files.csv")
        out = self.show("FILES", "--parent", "DOC", "DOC_ID=D100", "REVISION=B", "--dialog", "noxFind", "txtFind=F1004",
                        "cmdFind", "--run", "ShowFind", "--export", target)
        self.assertIn("> dialog noxFind (not modal):", out)
        self.assertIn("| 1 row found", out)
        with open(target, newline="", encoding="utf-8-sig") as f:
            self.assertEqual(len(list(csv.reader(f))), 4)

        self.assert_history_exports_its_dates("C.UTF-8")

        out = self.show("FILES", "--parent", "DOC", "DOC_ID=D100", "REVISION=B", "--run", "printGrid")
        report = out[out.index("> report written: ") + 18:].split("\n")[0]
        self.assertIn("Files of Document D100 Revision B", pathlib.Path(report).read_text(encoding="utf-8"))

    def test_exported_dates_are_read_in_the_users_form(self):
        # The history's 1/5/2023 shows as 05.01.2023 and as 05/01/2023: the workbook holds 5 January.
        for locale in ("de_DE.UTF-8", "en_GB.UTF-8"):
            with self.subTest(locale=locale):
                self.assert_history_exports_its_dates(locale)

    def assert_history_exports_its_dates(self, locale):
        book = os.path.join(_home, "cli-history-%s.xlsx" % locale)
        self.show("HISTORY", "--parent", "ITEM", "ITEM_KEY=A100", "REVISION=B", "--export", book, locale=locale)
        with zipfile.ZipFile(book) as opened:
            sheet = ET.fromstring(opened.read("xl/worksheets/sheet1.xml"))
        checked_on = [c for c in sheet.iter(SHEET + "c") if c.get("r") == "E2"][0]  # 1/5/2023, a date
        self.assertIsNone(checked_on.get("t"))
        self.assertIsNotNone(checked_on.get("s"))
        self.assertEqual(checked_on.find(SHEET + "v").text, "44931")

    def test_bad_actions_end_with_one_line(self):
        for arguments, says in [(["--run", "NoSuchCommand"], "no member"), (["--answer", "maybe", "--run", "OpenEO"], "--answer"),
                                (["--sort", "FILE.NOPE"], "no column"), (["--keys", "ctrl+"], "--keys")]:
            err = self.show("FILES", "--parent", "DOC", "DOC_ID=D100", "REVISION=B", *arguments, status=1)
            self.assertIn(says, err)
            self.assertEqual(err.count("\n"), 1, err)


if __name__ == "__main__":
    unittest.main()
