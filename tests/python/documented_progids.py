"""Every registered ProgID can be created from Python and has its row in docs/progids.md. Run as its
own CTest test, progids_documented, so that a class registered without its row shows up by name."""
import os
import pathlib
import re
import unittest

import noxsimplelinks as nox


class DocumentedProgIds(unittest.TestCase):
    def test_every_registered_progid_is_creatable_and_documented(self):
        source = pathlib.Path(os.environ.get("NOX_SOURCE_DIR", pathlib.Path(__file__).parents[2]))
        table_rows = re.findall(r"^\|\s*`?([\w.]+)`?\s*\|", (source / "docs/progids.md").read_text(), re.MULTILINE)
        documented = {progid.lower() for progid in table_rows}
        for progid in nox.ProgIds():
            with self.subTest(progid=progid):
                self.assertTrue(nox.TypeName(nox.CreateObject(progid)))
                self.assertIn(progid.lower(), documented, "every ProgID has its row in docs/progids.md")
