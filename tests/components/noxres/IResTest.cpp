#include <gtest/gtest.h>

#include <filesystem>

#include "support/ErrorOf.h"
#include "automation/SafeArray.h"
#include "components/noxres/IRes.h"
#include "components/noxres/Placeholders.h"
#include "components/noxres/ResourceErrors.h"
#include "support/TestWorld.h"

using namespace automation;
using components::IRes;

namespace {

const std::string kSample = std::string(NOX_DATA_DIR) + "/resources/noxres.xml";

std::shared_ptr<IRes> SampleRes() {
    auto res = std::make_shared<IRes>();
    res->LoadResFile(kSample);
    return res;
}

TEST(Placeholders, FillNumberedParameters) {
    const std::tuple<const char*, std::vector<std::string>, const char*> cases[] = {
        {"%1 of %2", {"a", "b"}, "a of b"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"missing [%2]", {"a"}, "missing []"},
        {"extra %1", {"a", "b", "c"}, "extra a"},
        {"100%% done", {}, "100% done"},
        {"50% and %", {"a"}, "50% and %"},
        {"%0 is no parameter", {"a"}, " is no parameter"},
        {"%10!", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"}, "ten!"},
        {"%1%1", {"x"}, "xx"},
    };
    for (const auto& [text, parameters, filled] : cases) EXPECT_EQ(components::FillPlaceholders(text, parameters), filled) << text;
}

TEST(IRes, LooksUpTextsOfTheSampleAndAnswersUnknownKeysWithTheKey) {
    auto res = SampleRes();
    const SafeArray parameters = SafeArray::Of({Variant("Hard copy"), Variant("HC-1")});
    EXPECT_EQ(res->Call("strResString", "MSG_CONFIRM_DELETE", parameters).ToString(),
              "Do you want to delete the Hard copy?");
    EXPECT_EQ(res->Call("strResString", "msg_confirm_delete", "Hard copy", "HC-1").ToString(),
              "Do you want to delete the Hard copy?")
        << "keys are case-insensitive, parameters may come as further arguments, and one without a placeholder is left out";
    EXPECT_EQ(res->Call("strResString", "LBL_ITEM", Variant::Missing()).ToString(), "Item");
    EXPECT_EQ(res->Get("AppName").ToString(), "noxsimplelinks");
    EXPECT_EQ(res->Call("strResString", "Item key %1", SafeArray::Of({Variant("x")})).ToString(), "Item key %1");
}

TEST(IRes, ArraysPicturesAndPartsAndWhatAnUnknownKeyGives) {
    auto res = SampleRes();
    const Variant options = res->Call("iResaultArray", "ARR_REV_FILTER_OPTIONS");
    EXPECT_EQ(std::make_pair(options.ToArray().LBound(), options.ToArray().UBound()), std::make_pair(0, 1));
    EXPECT_EQ(options.ToArray().At(0).ToString(), "All revisions");
    EXPECT_EQ(res->Call("iResaultArray", "NO_SUCH_ARRAY").ToArray().UBound(), -1);

    DispatchPtr icon = res->Call("ipicResIcon", "ICO_APP").ToObject();
    EXPECT_EQ(icon->Get("Key").ToString(), "ICO_APP");
    EXPECT_EQ(icon->Get("Type").ToString(), "ICON");
    EXPECT_TRUE(std::filesystem::exists(icon->Get("Path").ToString())) << "picture files resolve beside the resource file";
    DispatchPtr cursor = res->Call("ipicResCursor", "NO_SUCH_CURSOR").ToObject();
    EXPECT_EQ(cursor->Get("Type").ToString(), "CURSOR");
    EXPECT_EQ(cursor->Get("Path").ToString(), "");

    Arguments args{Variant("ABOUT"), Variant()};
    res->Invoke("ILoadPartsFromXmlRes", InvokeKind::Method, args);
    EXPECT_EQ(args[1].ToString(), "<ABOUT><PRODUCT>Nox PLM</PRODUCT><COMPONENT>noxsimplelinks</COMPONENT></ABOUT>");
    Arguments unknown{Variant("NO_SUCH_PART"), Variant("unchanged")};
    res->Invoke("ILoadPartsFromXmlRes", InvokeKind::Method, unknown);
    EXPECT_EQ(unknown[1].ToString(), "unchanged");
}

TEST(IRes, BadResourceFileKeepsTheTextsLoadedBefore) {
    const std::tuple<const char*, int32_t, const char*> cases[] = {  // no content: no file at all
        {"<RESOURCES><STRING KEY='A'>a</RESOURCES>", components::kBadResourceFile, "offset"},
        {"<TEXTS/>", components::kBadResourceFile, "<RESOURCES>"},
        {"<RESOURCES><STRING>a</STRING></RESOURCES>", components::kBadResourceFile, "KEY"},
        {"<RESOURCES><TEXT KEY='A'/></RESOURCES>", components::kBadResourceFile, "<TEXT>"},
        {nullptr, errors::kFileNotFound, "not found"},
    };
    testsupport::TestWorld world;
    auto res = SampleRes();
    for (const auto& [content, number, mentions] : cases) {
        SCOPED_TRACE(mentions);
        const std::string path = content ? world.WriteFile("res.xml", content).string() : (world.Root() / "absent.xml").string();
        EXPECT_TRUE(testsupport::Raises([&] { res->Call("LoadResFile", path); }, number, mentions));
        EXPECT_TRUE(testsupport::Raises([&] { res->Call("LoadResFile", path); }, number, path));
        EXPECT_EQ(res->strResString("LBL_ITEM"), "Item");
        EXPECT_EQ(res->ResFile(), kSample);
    }
}

TEST(IRes, DefaultFileComesFromTheEnvironment) {
    testsupport::TestWorld world;
    const std::string own = world.WriteFile("own.xml", "<RESOURCES APP_NAME='own'><STRING KEY='LBL_ITEM'>Article</STRING></RESOURCES>").string();
    {
        testsupport::ScopedVariable file("NOX_RES_FILE", own);
        EXPECT_EQ(IRes().strResString("LBL_ITEM"), "Article");
        EXPECT_EQ(IRes().AppName(), "own");
    }
    {
        testsupport::ScopedVariable file("NOX_RES_FILE", own + ".absent");
        IRes empty;
        EXPECT_EQ(empty.strResString("LBL_ITEM"), "LBL_ITEM") << "without its file the component answers with the key";
        EXPECT_EQ(empty.AppName(), components::ResourceTable::kDefaultAppName);
    }
    testsupport::ScopedVariable unset("NOX_RES_FILE", std::nullopt);
    // The sample, reached through the shipped data folder.
    EXPECT_TRUE(std::filesystem::equivalent(IRes().ResFile(), kSample)) << IRes().ResFile();
}

// Every key the library looks up by name; "LBL_" + object type, singular and with "S" appended,
// names the released objects of a pane's type.
TEST(IRes, SampleHoldsEveryKeyTheSystemUses) {
    std::vector<std::string> keys = {"LBL_APP_NAME", "LBL_NOX_TITLE", "LBL_LINK_EXISTANCE", "FONT_CHARSET", "FONT1",
                                     "FONT_SMALL_SIZE", "MSG_CAN_NOT_UPDATE_RELEASED_OBJECTS",
                                     "TTL_CAN_NOT_UPDATE_RELEASED_OBJECTS"};
    for (const char* type : {"ITEM", "DOC", "FILE", "HARD_COPY", "EO", "EO_ROUTE_STEP", "EO_USER_TASK", "FOLDER",
                             "MODIFICATION", "MATERIAL", "FORMULA", "CUSTOMER", "KEY_GLOSS", "KEYWORD", "PROJECT",
                             "STORTREE", "DATASET", "MANUFACTURERS", "SUPPLIER", "SUB_CONTRACTOR", "COLLECTION"}) {
        keys.push_back(std::string("LBL_") + type);
        keys.push_back(keys.back() + "S");
    }
    auto res = SampleRes();
    for (const std::string& key : keys) EXPECT_NE(res->strResString(key), key) << key << " is missing from the sample";
}

}  // namespace
