// The clipboard texts of selected rows: the type format by type, status, count and flag, the exact
// object records (values escaped and read back unchanged), the dragged-object formats, the plain-text
// form, and reading a text back.
#include <gtest/gtest.h>

#include <map>

#include "GridWorld.h"
#include "noxsimplelinks/grid/clsClipboard.h"
#include "platform/Clipboard.h"

namespace testsupport {
namespace {

using automation::Variant;
using noxsimplelinks::clsClipboard;

// The first key attribute of the types the tests list.
std::string FirstKey(const std::string& objectType) {
    const std::map<std::string, std::string> keys{{"EO", "EO_ID"}, {"PROJECT", "PROJECT_ID"}, {"DATASET", "KEY"}};
    return objectType + "." + (keys.contains(objectType) ? keys.at(objectType) : "ITEM_KEY");
}

// Objects of a type in a list-box grid: one row per {first key, revision, description, status}.
class ClipboardWorld : public GridWorld {
public:
    explicit ClipboardWorld(const std::vector<std::vector<std::string>>& rows, const std::string& objectType = "ITEM")
        : GridWorld("") {
        WithObjectDefinitions();
        grid->SetRows(1 + static_cast<int32_t>(rows.size()));
        grid->SetCols(4);
        grid->SetFixedRows(1);
        const std::string columns[] = {FirstKey(objectType), objectType + ".REVISION", objectType + ".DESCRIPTION",
                                       objectType + ".STATUS"};
        for (int32_t c = 0; c < 4; ++c) grid->SetColKey(c, columns[c]);
        for (size_t r = 0; r < rows.size(); ++r)
            for (int32_t c = 0; c < 4; ++c) grid->SetTextMatrix(static_cast<int32_t>(r) + 1, c, rows[r][c]);
        grid->SetLook("SelectionMode", Variant(int32_t{3}));
    }
    void SelectAll() { grid->Select(1, 0, grid->Rows() - 1, 3); }
    std::string Clipboard() { return platform::Clip().GetText(); }

    std::shared_ptr<clsClipboard> clipboard = std::make_shared<clsClipboard>();
};

std::string TypeFormatOf(const std::string& text) {
    const size_t start = text.find("<TYPE_FORMAT>") + 13;
    return text.substr(start, text.find("</TYPE_FORMAT>") - start);
}

TEST(clsClipboard, TheTypeFormatFollowsTypeStatusCountAndFlag) {
    struct Case {
        std::string objectType;
        std::vector<std::string> statuses;  // one selected row each
        bool flag;
        std::string typeFormat;             // "" : the clipboard keeps its text
        std::string draggedFormat;
    } cases[] = {
        {"ITEM", {"RELEASED"}, false, "NOX_ITEM_RELEASED", "NOX_ITEM_RELEASED"},
        {"ITEM", {"UNDER_CHANGE"}, false, "NOX_ITEM_RELEASED", "NOX_ITEM_RELEASED"},
        {"ITEM", {"OBSOLETE"}, true, "NOX_ITEM_UNDEFINED+", "NOX_ITEM_RELEASED+"},
        {"ITEM", {"IN_WORK"}, false, "NOX_ITEM_UNDEFINED", "NOX_ITEM_UNDEFINED"},
        {"ITEM", {"RELEASED", "IN_WORK"}, false, "NOX_ITEM_MULTI", "NOX_ITEM_UNDEFINED"},
        {"EO", {"RELEASED"}, true, "NOX_EO+", "NOX_EO+"},
        {"PROJECT", {"RELEASED"}, false, "", ""},
        {"DATASET", {"RELEASED"}, false, "", "NOX_DATASET"},
    };
    for (const Case& c : cases) {
        std::vector<std::vector<std::string>> rows;
        for (const std::string& status : c.statuses) rows.push_back({"A" + std::to_string(rows.size()), "B", "Bolt", status});
        ClipboardWorld w(rows, c.objectType);
        w.SelectAll();
        platform::Clip().SetText("before");
        w.clipboard->putGridOnClipboard(w.Grid(), c.objectType, c.flag);
        const std::string what = c.objectType + " " + c.statuses.back();
        EXPECT_EQ(c.typeFormat.empty() ? w.Clipboard() : TypeFormatOf(w.Clipboard()), c.typeFormat.empty() ? "before" : c.typeFormat) << what;
        EXPECT_EQ(clsClipboard::DraggedObjectFormatName(c.objectType, c.statuses.back(), c.flag), c.draggedFormat) << what;
        EXPECT_TRUE(w.world.Ui().Messages().empty()) << what;
    }
}

TEST(clsClipboard, WritesEachRowAsAnObjectRecordAndReadsItBackUnchanged) {
    ClipboardWorld w({{"A100", "B", "Bolt \"M8\" <steel> & nut", "RELEASED"}, {"DUMMY_NODE_TEXT", "", "", ""}});
    w.SelectAll();
    w.clipboard->putGridOnClipboard(w.Grid(), "ITEM", false);
    const std::string record =
        "<NOX_PDM_OBJECT><SOURCE Value = \"NoxSpace\" /> <OBJECT_TYPE Value = \"ITEM\" /> <KEYS><ITEM.ITEM_KEY Value = "
        "\"A100\" /><ITEM.REVISION Value = \"B\" /></KEYS><FIELDS><ITEM.ITEM_KEY Value = \"A100\" /><ITEM.REVISION Value "
        "= \"B\" /><ITEM.DESCRIPTION Value = \"Bolt &quot;M8&quot; &lt;steel&gt; &amp; nut\" /><ITEM.STATUS Value = "
        "\"RELEASED\" /></FIELDS></NOX_PDM_OBJECT>";
    // The placeholder row ends the records; the two selected rows still make the format the several one.
    EXPECT_EQ(w.Clipboard(), "<NOX_CLIPBOARD><TYPE_FORMAT>NOX_ITEM_MULTI</TYPE_FORMAT><XML_DATA>" + record +
                                 "</XML_DATA></NOX_CLIPBOARD>");

    std::string typeFormat;
    const std::string records = w.clipboard->GetClipboardObjectsAndFormat(typeFormat);
    EXPECT_EQ(typeFormat, "NOX_ITEM_MULTI");
    EXPECT_EQ(w.clipboard->GetClipboardObjects("NOX_ITEM_RELEASED"), "");
    EXPECT_EQ(w.clipboard->GetClipboardObjects("NOX_ITEM_MULTI"), records);
    auto read = std::make_shared<platform::XmlDocument>();
    ASSERT_TRUE(read->Call("loadXML", "<R>" + records + "</R>").ToBool());
    EXPECT_EQ(read->Call("selectSingleNode", "//ITEM.DESCRIPTION/@Value").ToObject()->Get("Text").ToString(),
              "Bolt \"M8\" <steel> & nut");

    platform::Clip().SetText("not a clipboard text <");
    EXPECT_EQ(w.clipboard->GetClipboardTypeFormat(), "");
    EXPECT_EQ(w.clipboard->GetClipboardObjectsAndFormat(typeFormat), "");
    EXPECT_EQ(typeFormat, "");
}

TEST(clsClipboard, ReadsTypeFormatsBackAndRegistersDraggedFormats) {
    struct Case {
        const char* typeFormat;
        bool names;
        const char *objectType, *status;
        bool flag;
    } cases[] = {
        {"NOX_ITEM_RELEASED+", true, "ITEM", "RELEASED", true},
        {"NOX_FORMULA_UNDEFINED", true, "FORMULA", "UNDEFINED", false},
        {"NOX_DOC_MULTI", true, "DOC", "", false},
        {"NOX_EO+", true, "EO", "", true},
        {"NOX_KEYWORD", true, "KEYWORD", "", false},
        {"NOX_PROJECT", false, "", "", false},
    };
    ClipboardWorld w({});
    for (const Case& c : cases) {
        std::string objectType, status;
        bool flag = false;
        EXPECT_EQ(w.clipboard->ParseTypeFormat(c.typeFormat, objectType, status, flag), c.names) << c.typeFormat;
        EXPECT_EQ(objectType, c.objectType) << c.typeFormat;
        EXPECT_EQ(status, c.status) << c.typeFormat;
        EXPECT_EQ(flag, c.flag) << c.typeFormat;
    }
    int16_t id = 0;
    EXPECT_TRUE(w.clipboard->DefineDraggedObjectFormat("DOC", "OBSOLETE", false, id));
    EXPECT_EQ(static_cast<uint16_t>(id), platform::Clip().RegisterFormat("NOX_DOC_RELEASED"));
    EXPECT_FALSE(w.clipboard->DefineDraggedObjectFormat("PROJECT", "", false, id));
}

TEST(clsClipboard, PutsTheVisibleCellsOfTheSelectedRowsAsPlainText) {
    ClipboardWorld w({{"A100", "B", "Bolt", "RELEASED"}, {"A200", "A", "Nut", "IN_WORK"}, {"A300", "C", "Pin", "IN_WORK"}});
    w.grid->SetColHidden(2, true);
    w.grid->SetRow(3);
    w.grid->SetIsSelected(1, true);
    w.clipboard->putGridOnClipboardAsText(w.Grid());
    EXPECT_EQ(w.Clipboard(), "     A100     B     RELEASED\r\n     A300     C     IN_WORK\r\n");
}

TEST(clsClipboard, ReportsAFailureWithItsOperation) {
    ClipboardWorld w({{"A100", "B", "Bolt", "RELEASED"}});
    w.grid->SetColKey(0, "ITEM.NUMBER");  // no column for the first key
    w.SelectAll();
    platform::Clip().SetText("before");
    w.clipboard->putGridOnClipboard(w.Grid(), "ITEM", false);
    EXPECT_EQ(w.Clipboard(), "before");
    ASSERT_EQ(w.world.Ui().Messages().size(), 1u);
    EXPECT_NE(w.world.Ui().Messages()[0].text.find("clsClipboard:putGridOnClipboard"), std::string::npos);
}

}  // namespace
}  // namespace testsupport
