#include <gtest/gtest.h>

#include "automation/SafeArray.h"
#include "components/noxAttrs/IclsAttributes.h"

using namespace automation;

namespace {

Variant Rows() {
    SafeArray rows(Bounds{0, 2}, Bounds{0, 1});
    const char* cells[] = {"DOC.DOC_ID", "DOC.TITLE", "D-1", "One", "D-2", "Two"};
    for (int32_t i = 0; i < 6; ++i) rows.At(i / 2, i % 2) = Variant(cells[i]);
    return Variant(std::move(rows));
}

}  // namespace

TEST(IclsAttributes, ShowByDataAnswersWithTheScriptedEditsOrACancel) {
    components::IclsAttributes dialog;
    dialog.ScriptEdits({{"DOC.TITLE", "New"}, {"DOC.OTHER", "ignored"}});
    EXPECT_TRUE(dialog.Call("ShowByData", Rows(), "UI_ENABLED_MULTI").ToBool());
    const SafeArray& edited = dialog.Get("arrGridData").ToArray();
    EXPECT_EQ(edited.At(1, 1), Variant("New"));
    EXPECT_EQ(edited.At(2, 1), Variant("New"));
    EXPECT_EQ(edited.At(2, 0), Variant("D-2"));
    EXPECT_EQ(dialog.Get("objData"), Rows());

    dialog.ScriptCancel();
    EXPECT_FALSE(dialog.ShowByData(Rows(), "UI_ENABLED_MULTI"));
    EXPECT_TRUE(dialog.ShowByData(Rows(), "UI_ENABLED_MULTI"));  // a cancel is for one dialog
    EXPECT_EQ(dialog.ShownDialogs().size(), 3u);
}

TEST(IclsAttributes, ShowByObjectRecordsItsArgumentsAndAnswersTheScript) {
    components::IclsAttributes dialog;
    EXPECT_EQ(dialog.Call("ShowByObject", "DOC", int32_t{3}), Variant(true));
    dialog.ScriptAnswer(Variant(false));
    EXPECT_EQ(dialog.Call("ShowByObject", "DOC", int32_t{2}, "UI_ENABLED_UPDATE"), Variant(false));
    ASSERT_EQ(dialog.ShownDialogs().size(), 2u);
    EXPECT_EQ(dialog.ShownDialogs()[1].arguments.size(), 3u);
}
