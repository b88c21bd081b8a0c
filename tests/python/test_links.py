"""The link commands from Python and from the command line: a customer link edited in the link dialog
driven by a script, a pick pasted into another pane, and `simplelinks show` picking in one command and
pasting in the next (the command line keeps its clipboard in the profile), editing with --edit and
removing with --run."""
import atexit
import os
import pathlib
import shutil
import tempfile
import unittest

SOURCE = pathlib.Path(os.environ.get("NOX_SOURCE_DIR", pathlib.Path(__file__).parents[2]))

_home = tempfile.mkdtemp(prefix="nox-links-")
atexit.register(shutil.rmtree, _home, True)
os.environ["APPDATA"] = os.path.join(_home, "AppData")
os.environ["ALLUSERSPROFILE"] = str(SOURCE / "data" / "allusers")

import noxsimplelinks as nox  # noqa: E402  (the profile must be chosen first)
import plain_server  # noqa: E402
import sample_pane  # noqa: E402

PROGRAM = pathlib.Path(nox.__file__).resolve().parents[1] / "bin" / "simplelinks"


class LinksFromPython(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.url = plain_server.serve_for(cls, PROGRAM, _home)

    def setUp(self):
        nox.ui.reset()

    def pane(self, name, grid_name, parent_type, keys, values):
        return sample_pane.open_pane(nox, self, self.url, name, grid_name, parent_type, keys, values)

    def column(self, grid, key):
        column = grid.ColIndex(key)
        return [grid.TextMatrix(r, column) for r in range(grid.FixedRows, grid.Rows)]

    def test_the_link_dialog_stores_an_edited_customer_link(self):
        pane, grid = self.pane("CUSTOMERS", "fg_CUSTOMERS_CUSTOMER", "ITEM", ["ITEM.ITEM_KEY", "ITEM.REVISION"], ["A100", "B"])
        grid.Row = self.column(grid, "CUSTOMER.CUSTOMER_ID").index("C-200") + grid.FixedRows
        nox.ui.script_dialog("noxdialog", ["RELATED_CUSTOMER.CONTROLLED_BY=Purchasing", "cmdOK"])
        pane.UpdateItemCustmerLink()
        self.assertEqual(nox.ui.dialogs()[-1]["result"], "OK")
        self.assertIn("Purchasing", self.column(grid, "RELATED_CUSTOMER.CONTROLLED_BY"))

    def test_a_picked_document_pastes_into_another_items_pane(self):
        source, documents = self.pane("DOCUMENTS", "fg_DOCUMENTS_DOC", "ITEM", ["ITEM.ITEM_KEY", "ITEM.REVISION"], ["P140", "A"])
        documents.Row = self.column(documents, "DOC.DOC_ID").index("D300") + documents.FixedRows
        source.SelectSource()
        self.assertIn("<OBJECT_TYPE Value = \"DOC\" />", nox.clipboard.text())
        target, grid = self.pane("DOCUMENTS", "fg_DOCUMENTS_DOC", "ITEM", ["ITEM.ITEM_KEY", "ITEM.REVISION"], ["P120", "A"])
        self.assertNotIn("D300", self.column(grid, "DOC.DOC_ID"))
        target.PasteLinks()
        self.assertIn("D300", self.column(grid, "DOC.DOC_ID"))


class LinksFromTheCommandLine(unittest.TestCase):
    def show(self, *arguments):
        return sample_pane.show(self, PROGRAM, _home, *arguments)

    def test_pick_in_one_command_and_paste_in_the_next(self):
        self.show("KEYWORDS", "--parent", "ITEM", "ITEM_KEY=P120", "REVISION=A", "--select", "1", "--run", "SelectKeywordSource")
        out = self.show("KEYWORDS", "--parent", "ITEM", "ITEM_KEY=A100", "REVISION=B", "--paste")
        self.assertIn("&lt;Name&gt;CreateLink&lt;/Name&gt;", out)
        self.assertIn("STAINLESS", out[out.index("The pane afterwards:"):])

    def test_edit_fills_the_link_dialog_and_run_removes_a_link(self):
        out = self.show("CUSTOMERS", "--parent", "ITEM", "ITEM_KEY=A100", "REVISION=B", "--select", "1",
                        "--edit", "RELATED_CUSTOMER.CONTROLLED_BY=Quality", "--run", "UpdateItemCustmerLink")
        self.assertIn("steps: RELATED_CUSTOMER.CONTROLLED_BY=Quality, cmdOK", out)
        self.assertIn("Quality", out[out.index("The pane afterwards:"):])
        out = self.show("CUSTOMERS", "--parent", "ITEM", "ITEM_KEY=A100", "REVISION=B", "--select", "1",
                        "--run", "UnlinkItemCustomer", "--answer", "yes")
        self.assertIn("Do you want to remove the link to the selected Customer?", out)
        self.assertIn("<Name>DeleteLink</Name>", out)
        self.assertIn("\n1 row\n", out[out.index("The pane afterwards:"):])


if __name__ == "__main__":
    unittest.main()
