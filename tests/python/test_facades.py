"""The library's forwarding facades, called from Python: what their components write into by-reference
arguments comes back in the tuple, as it does from the components themselves."""
import unittest

import noxsimplelinks as nox


class ByReferenceOuts(unittest.TestCase):
    def test_object_definition_facade_hands_back_the_outs_of_its_component(self):
        facade = nox.CreateObject("noxsimplelinks.clsObjDefWrapper2")
        component = nox.CreateObject("noxmetadata2.IMetaData")
        for target in (component, facade):
            self.assertEqual(target.getLinkTableBetween2Obj("ITEM", "DOC", "REFERENCE_LINK", "", "", ""),
                             (None, "ZR_ITEM_DOC", "ITEM_DOC", "REFERENCE_LINK"))
            answer, written = target.GetDataOfAttributes("ITEM", "")
            self.assertEqual(answer, written)
            self.assertIn('NAME="ITEM"', written)
        # Members without outs keep answering plainly.
        self.assertEqual(facade.getLinkBetween2Obj("ITEM", "DOC", "REFERENCE_LINK"), "ITEM_DOC")

    def test_grid_facade_hands_back_the_keys_and_values_of_a_row(self):
        grid = nox.CreateObject("VSFlexGrid.VSFlexGridN.1")
        grid.Cols = 2
        grid.Rows = 2
        grid.ColKey[0] = "ITEM.ITEM_KEY"
        grid.ColKey[1] = "ITEM.REVISION"
        grid.TextMatrix[1, 0] = "A100"
        grid.TextMatrix[1, 1] = "B"
        facade = nox.CreateObject("noxsimplelinks.clsGridWrapper")
        found, keys, values = facade.IGetObjectKeysValues(grid, "ITEM", None, None, 1)
        self.assertEqual((found, keys, values), (True, ["ITEM.ITEM_KEY", "ITEM.REVISION"], ["A100", "B"]))


if __name__ == "__main__":
    unittest.main()
