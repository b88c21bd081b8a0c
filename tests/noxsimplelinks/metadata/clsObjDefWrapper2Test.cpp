#include <gtest/gtest.h>

#include <set>

#include "automation/Collection.h"
#include "automation/ObjectFactory.h"
#include "noxsimplelinks/metadata/ObjectKeyNames.h"
#include "noxsimplelinks/metadata/clsObjDefWrapper2.h"
#include "support/ErrorOf.h"
#include "support/ScopedProgId.h"
#include "support/TestWorld.h"

using namespace automation;
using noxsimplelinks::clsObjDefWrapper2;

namespace {

// Stands in for "noxmetadata2.IMetaData": records every call, then scribbles over every argument
// slot, so that a facade that hands over the caller's own strings is caught.
class RecordingMetaData : public Dispatch {
public:
    struct Call {
        std::string name;
        InvokeKind kind;
        Arguments args;
    };
    Variant Invoke(std::string_view name, InvokeKind kind, Arguments& args) override {
        calls.push_back({std::string(name), kind, args});
        for (Variant& slot : args) slot = "written by the component";
        if (failure) throw *failure;
        if (name == "getLinkAttrs" || name == "getReferentAttrs") return answerObject;
        return Variant(int32_t{1});
    }
    std::string TypeName() const override { return "RecordingMetaData"; }

    std::vector<Call> calls;
    Variant answerObject = Variant(std::make_shared<Collection>());
    std::optional<AutomationError> failure;
};

enum class R { Value, Text, Boolean, Collection, None };

struct Operation {
    const char* name;
    std::string params;  // one letter per parameter: s string, v variant, b optional Boolean, o out, p optional out
    R result;
};

// The facade's automation interface in slot order (GetObjectDefaultValues, slot 43, is tested apart).
const Operation kOperations[] = {
    {"DepTypeExists", "ss", R::Boolean},          {"GetDependParams", "ss", R::Value},
    {"GetDependListByCondition", "ssvv", R::Value}, {"Version", "", R::Text},
    {"Load", "", R::None},                         {"getPreferencesAsArray", "", R::Value},
    {"getObjectKeys", "s", R::Value},              {"getUdTListByDependentAttr", "sss", R::Value},
    {"getUdTypeDesc", "s", R::Text},               {"getUdTypeValueByDesc", "ss", R::Text},
    {"getLinkTableBetween2Obj", "sssopp", R::None}, {"getLinkBetween2Obj", "sss", R::Value},
    {"GetDataOfAttributes", "vo", R::Text},        {"getCategories", "", R::Value},
    {"getDataAsArray", "s", R::Value},             {"GetGridMetadata", "s", R::Text},
    {"IsPdmObject", "s", R::Boolean},              {"getUdtypeList", "s", R::Value},
    {"getLinkedObjects", "", R::Value},            {"getObjectLinks", "s", R::Value},
    {"getObjects", "", R::Value},                  {"getObjectAttr", "s", R::Value},
    {"getObjectFields", "s", R::Value},            {"getObjectFieldsIncludeVirtual", "s", R::Value},
    {"ObjectAttrExist", "ss", R::Boolean},         {"getAttrProperties", "s", R::Value},
    {"getAttrDependencies", "ss", R::Value},       {"getLinkReferentLabel", "sss", R::Text},
    {"getReferentAttrs", "s", R::Collection},      {"getObjectAttrProperties", "ss", R::Value},
    {"getLinkObjectAttrProperties", "sss", R::Value}, {"getLinkLabel", "ss", R::Text},
    {"getLinkAttrs", "ss", R::Collection},         {"getLinkObjectFromLink", "ss", R::Text},
    {"getObjectLinkKeys", "sss", R::Value},        {"ifExist", "", R::Boolean},
    {"ifPrefExist", "", R::Boolean},               {"ifUi_DefExist", "", R::Boolean},
    {"ifDefualtsExist", "", R::Boolean},           {"getObjDefFromServer", "s", R::Text},
    {"getPrefFromServer", "", R::Text},            {"LoadMetaData", "s", R::Boolean},
    {"GetLinkObjectFromTable", "sss", R::Text},    {"getObjectFieldsFromTable", "ss", R::Value},
    {"GetLinkTitle", "ss", R::Text},               {"GetZerakField", "ssb", R::Text},
    {"GetZerakObject", "s", R::Text},              {"getPrefByNameAndValue", "ss", R::Boolean},
    {"getPrefValueByName", "s", R::Text},          {"LinkAttrExist", "svs", R::Boolean},
};

Variant ArgumentFor(char kind, size_t index) {
    switch (kind) {
        case 'v': return Variant(int32_t(100 + index));
        case 'b': return Variant(true);
        default: return Variant("arg" + std::to_string(index));
    }
}

class ObjDefWrapperTest : public ::testing::Test {
protected:
    testsupport::TestWorld world;
    std::shared_ptr<RecordingMetaData> fake = std::make_shared<RecordingMetaData>();
    int created = 0;
    testsupport::ScopedProgId registered{"noxmetadata2.IMetaData", [this] {
                                             ++created;
                                             return fake;
                                         }};
};

}  // namespace

TEST_F(ObjDefWrapperTest, ForwardsEveryOperationWithItsArgumentsInOrder) {
    auto facade = std::make_shared<clsObjDefWrapper2>();
    std::set<std::string> names;
    for (const Operation& op : kOperations) {
        SCOPED_TRACE(op.name);
        names.insert(op.name);
        Arguments args;
        for (size_t i = 0; i < op.params.size(); ++i) args.push_back(ArgumentFor(op.params[i], i));
        const Arguments given = args;
        InvokeKind kind = std::string(op.name) == "Version" ? InvokeKind::PropertyGet : InvokeKind::Method;
        Variant result = facade->Invoke(op.name, kind, args);

        ASSERT_FALSE(fake->calls.empty());
        const RecordingMetaData::Call& call = fake->calls.back();
        EXPECT_EQ(call.name, op.name);
        EXPECT_EQ(call.kind, kind);
        EXPECT_EQ(call.args, given);
        for (size_t i = 0; i < given.size(); ++i) {
            bool out = op.params[i] == 'o' || op.params[i] == 'p';
            EXPECT_EQ(args[i], out ? Variant("written by the component") : given[i]) << "argument " << i;
        }
        switch (op.result) {
            case R::Value: EXPECT_EQ(result, Variant(int32_t{1})); break;
            case R::Text: EXPECT_EQ(result, Variant("1")); break;
            case R::Boolean: EXPECT_EQ(result, Variant(true)); break;
            case R::None: EXPECT_TRUE(result.IsEmpty()); break;
            case R::Collection: EXPECT_EQ(result, fake->answerObject); break;
        }
    }
    EXPECT_EQ(names.size() + 1, 51u);  // and GetObjectDefaultValues
    EXPECT_EQ(created, 1);
}

TEST_F(ObjDefWrapperTest, OmittedOptionalArgumentsTravelAsMissingAndFailuresReachTheCaller) {
    clsObjDefWrapper2 facade;
    Arguments args{Variant("ITEM"), Variant("DOC"), Variant("REFERENCE_LINK"), Variant()};
    facade.Invoke("getLinkTableBetween2Obj", InvokeKind::Method, args);
    EXPECT_EQ(fake->calls.back().args, (Arguments{Variant("ITEM"), Variant("DOC"), Variant("REFERENCE_LINK"), Variant(),
                                                  Variant::Missing(), Variant::Missing()}));
    EXPECT_EQ(args[3], Variant("written by the component"));

    facade.Call("GetZerakField", "ZR_ITEM", "ITYPE");
    EXPECT_EQ(fake->calls.back().args.size(), 3u);
    EXPECT_TRUE(fake->calls.back().args[2].IsMissing());
    EXPECT_THROW(facade.Call("getObjectKeys"), AutomationError);  // a required string left out
    // Internal operations forward too but are not on the automation interface.
    EXPECT_EQ(facade.getCategoryAttr("ELECTRICAL", Variant("VOLTAGE"), "TYPE"), "1");
    EXPECT_EQ(fake->calls.back().args, (Arguments{Variant("ELECTRICAL"), Variant("VOLTAGE"), Variant("TYPE")}));
    for (const char* internal : {"getCategoryAtrrs", "getCategoryAttr", "getObjectAttrType"})
        EXPECT_FALSE(facade.Describe(internal).exists) << internal;

    fake->failure = AutomationError(0x80040501, "not available", "IMetaData");
    EXPECT_TRUE(testsupport::Raises([&] { facade.Call("getAttrDependencies", "ITEM", "STATUS"); },
                                    static_cast<int32_t>(0x80040501), "not available"));
    fake->failure.reset();
    fake->answerObject = Variant(std::make_shared<RecordingMetaData>());  // an object that is not a collection
    EXPECT_TRUE(testsupport::Raises([&] { facade.Call("getLinkAttrs", "ITEM", "RELATED_CUSTOMER"); }, errors::kTypeMismatch));
}

TEST_F(ObjDefWrapperTest, GetObjectDefaultValuesOnlyTellsWhereTheFunctionWent) {
    clsObjDefWrapper2 facade;
    for (Variant argument : {Variant("ITEM"), Variant()}) EXPECT_TRUE(facade.Call("GetObjectDefaultValues", argument).IsEmpty());
    ASSERT_EQ(world.Ui().Messages().size(), 2u);
    EXPECT_EQ(world.Ui().Messages()[0].text,
              "function GetObjectDefaultValues  moved to shared class clsUIDefultsWrapper");
    EXPECT_EQ(world.Ui().Messages()[0].flags, 0);
    EXPECT_EQ(world.Ui().Messages()[0].title, "");
    EXPECT_TRUE(fake->calls.empty());
}

TEST_F(ObjDefWrapperTest, GetObjectKeyNamesAsksAFreshFacadeAndGivesEmptyOnFailure) {
    EXPECT_EQ(noxsimplelinks::GetObjectKeyNames("ITEM"), Variant(int32_t{1}));
    EXPECT_EQ(fake->calls.back().name, "getObjectKeys");
    EXPECT_EQ(created, 1);
    fake->failure = AutomationError(5, "broken");
    EXPECT_TRUE(noxsimplelinks::GetObjectKeyNames("ITEM").IsEmpty());
    testsupport::ScopedProgId broken("noxmetadata2.IMetaData", []() -> DispatchPtr { throw AutomationError(429, "x"); });
    EXPECT_TRUE(noxsimplelinks::GetObjectKeyNames("ITEM").IsEmpty());
}
