// The link dialog component: the fields it shows from the buffer (labels and editable ones from the
// UI definitions), the request it writes for a change, and what it answers for no change, a change
// and a refused change.
#include <gtest/gtest.h>

#include "automation/Collection.h"
#include "automation/SafeArray.h"
#include "components/noxdialog/Iclsdialog.h"
#include "components/noxrequest/IRequest.h"
#include "support/ErrorOf.h"
#include "support/ScopedProgId.h"
#include "support/TestWorld.h"

namespace {

using automation::SafeArray;
using automation::Variant;

constexpr const char* kUiDef = R"(<UI_DEF VERSION="1.0"><OBJ ID="ITEM"><ATTRS>
  <ATTR ID="ITEM.ITEM_KEY" UI_L="Item number" UI_FLAGS="111000001111"/></ATTRS><LINKS><LINK_DEF ID="RELATED_ITEM"><ATTRS>
  <ATTR ID="RELATED_ITEM.RELATION_TYPE" UI_L="Relation" UI_FLAGS="011111010111"/>
  <ATTR ID="RELATED_ITEM.LINK_NO" UI_L="Link number" UI_FLAGS="111000001111"/></ATTRS></LINK_DEF></LINKS></OBJ></UI_DEF>)";

// A communication object that keeps the requests and answers with a given result code and message.
class FakeComm : public automation::Dispatchable<FakeComm> {
public:
    static constexpr const char* kTypeName = "FakeComm";
    static const automation::MemberTable<FakeComm>& Members() {
        static const automation::MemberTable<FakeComm> table = [] {
            automation::MemberTable<FakeComm> t;
            t.Method("SendRequest", [](FakeComm& self, automation::Arguments& args) {
                self.requests.push_back(args.at(0).TextOr(""));
                args.at(1) = Variant(self.code);
                args.at(2) = Variant(self.message);
                return Variant(std::string("<Answer/>"));
            });
            return t;
        }();
        return table;
    }
    std::string code = "OK", message;
    std::vector<std::string> requests;
};

Variant List(std::vector<Variant> values) { return Variant(SafeArray::Of(std::move(values))); }

struct DialogWorld {
    DialogWorld() { world.WriteFile("AppData/VARDEN/config/download/ui_def.xml", kUiDef); }

    // The buffer of a related item's link: its ends, and the link data of a grid row.
    std::shared_ptr<automation::Collection> Buffer() {
        SafeArray data(automation::Bounds{0, 2}, automation::Bounds{0, 1});
        const char* rows[3][2] = {{"ITEM.ITEM_KEY", "P140"}, {"RELATED_ITEM.RELATION_TYPE", "Service kit"}, {"RELATED_ITEM.LINK_NO", "7"}};
        for (int32_t r = 0; r < 3; ++r)
            for (int32_t c = 0; c < 2; ++c) data.At(r, c) = Variant(std::string(rows[r][c]));
        auto buffer = std::make_shared<automation::Collection>();
        buffer->Add(List({Variant("ITEM.ITEM_KEY"), Variant("ITEM.REVISION")}), Variant("ARR_PARENT_KEYS"));
        buffer->Add(List({Variant("A100"), Variant("B")}), Variant("ARR_PARENT_VALUES"));
        buffer->Add(List({Variant("ITEM.ITEM_KEY"), Variant("ITEM.REVISION")}), Variant("ARR_CHILD_KEYS"));
        buffer->Add(List({Variant("P140"), Variant("A")}), Variant("ARR_CHILD_VALUES"));
        buffer->Add(Variant(std::move(data)), Variant("ARR_CHILD_LINK_DATA"));
        buffer->Add(Variant(automation::DispatchPtr(comm)), Variant("COMM_OBJ"));
        buffer->Add(Variant(std::string("ITEM")), Variant("BASE_OBJECT"));
        buffer->Add(Variant(std::string("RELATED_ITEM")), Variant("LINK_TYPE"));
        buffer->Add(Variant(std::string("ITEM")), Variant("LINKED_OBJECT"));
        return buffer;
    }
    bool Show(std::vector<std::string> steps) {
        world.Ui().ScriptDialog("noxdialog", platform::DialogScript(steps));
        dialog.SetBuffer(Variant(automation::DispatchPtr(Buffer())));
        return dialog.showdialog("RELATED_ITEM");
    }

    testsupport::TestWorld world;
    testsupport::ScopedProgId request = testsupport::ScopedProgId::Of<components::IRequest>("noxrequest.IRequest");
    std::shared_ptr<FakeComm> comm = std::make_shared<FakeComm>();
    components::Iclsdialog dialog;
};

TEST(Iclsdialog, ShowsTheLinkDataWithLabelsAndOnlyTheLinksUpdatableAttributesEnabled) {
    DialogWorld w;
    EXPECT_FALSE(w.Show({"cmdOK"}));  // nothing changed: nothing stored
    EXPECT_TRUE(w.comm->requests.empty());
    const platform::DialogRecord record = w.world.Ui().Dialogs().at(0);
    EXPECT_EQ(record.name, "noxdialog");
    EXPECT_EQ(record.caption, "RELATED_ITEM");
    std::vector<std::string> shown;
    for (const auto& control : record.shown)
        shown.push_back(control.name + "|" + control.caption + "|" + control.value + (control.enabled ? "|on" : "|off"));
    EXPECT_EQ(shown, (std::vector<std::string>{"ITEM.ITEM_KEY|Item number|P140|off",
                                               "RELATED_ITEM.RELATION_TYPE|Relation|Service kit|on",
                                               "RELATED_ITEM.LINK_NO|Link number|7|off", "lblMessage|||on", "cmdOK|OK||on",
                                               "cmdCancel|Cancel||on"}));
}

TEST(Iclsdialog, AChangeIsWrittenThroughTheBuffersCommAndAnsweredTrue) {
    DialogWorld w;
    EXPECT_TRUE(w.Show({"RELATED_ITEM.RELATION_TYPE=Spare <part> & kit", "cmdOK"}));
    ASSERT_EQ(w.comm->requests.size(), 1u);
    EXPECT_EQ(w.comm->requests[0],
              "<Request><Method><Name>UpdateLink</Name><OBJECTS><PARENT_OBJECT ID=\"ITEM\" TYPE=\"\"><ITEM.ITEM_KEY>A100"
              "</ITEM.ITEM_KEY><ITEM.REVISION>B</ITEM.REVISION></PARENT_OBJECT><CHILD_OBJECT ID=\"ITEM\" TYPE=\"\">"
              "<ITEM.ITEM_KEY>P140</ITEM.ITEM_KEY><ITEM.REVISION>A</ITEM.REVISION></CHILD_OBJECT><LINK1 ID=\"RELATED_ITEM\">"
              "<LINK_NO>7</LINK_NO></LINK1></OBJECTS><PARAMS><LINK_VALUES><RELATION_TYPE>Spare &lt;part&gt; &amp; kit"
              "</RELATION_TYPE></LINK_VALUES></PARAMS></Method></Request>");
}

TEST(Iclsdialog, ARefusedChangeIsSaidInTheDialogAndAnsweredFalse) {
    DialogWorld w;
    w.comm->code = "ERROR";
    w.comm->message = "The user has no right";
    EXPECT_FALSE(w.Show({"RELATED_ITEM.RELATION_TYPE=Spare part", "cmdOK"}));
    const platform::DialogRecord record = w.world.Ui().Dialogs().at(0);
    EXPECT_EQ(record.result, "Cancel");  // left open with the message, then closed as a person leaves it
    std::string message;
    for (const auto& control : record.closed)
        if (control.name == "lblMessage") message = control.caption;
    EXPECT_EQ(message, "ERROR = [The user has no right]");

    auto empty = std::make_shared<automation::Collection>();
    w.dialog.SetBuffer(Variant(automation::DispatchPtr(empty)));
    EXPECT_TRUE(testsupport::Raises([&] { w.dialog.showdialog("ITEM_CUSTOMER"); }, 5, "ARR_CHILD_LINK_DATA"));
}

}  // namespace
