#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "automation/SafeArray.h"
#include "noxsimplelinks/metadata/clsResWrapper.h"
#include "support/ScopedProgId.h"

using namespace automation;
using noxsimplelinks::clsResWrapper;

namespace {

// Stands in for "noxres.IRes": records every call, answers with the member's name, hands a part out
// through the second argument of ILoadPartsFromXmlRes and fails to load "bad.xml".
class RecordingRes : public Dispatch {
public:
    Variant Invoke(std::string_view name, InvokeKind, Arguments& args) override {
        calls.push_back({std::string(name), args});
        if (name == "ILoadPartsFromXmlRes") args[1] = "<PART/>";
        if (name == "LoadResFile" && args[0].ToString() == "bad.xml") throw AutomationError(53, "no such file");
        return Variant("answer of " + std::string(name));
    }
    std::string TypeName() const override { return "RecordingRes"; }

    std::vector<std::pair<std::string, Arguments>> calls;
};

class ResWrapperTest : public ::testing::Test {
protected:
    std::shared_ptr<RecordingRes> fake = std::make_shared<RecordingRes>();
    testsupport::ScopedProgId registered{"noxres.IRes", [this] { return fake; }};
    std::shared_ptr<clsResWrapper> wrapper = std::make_shared<clsResWrapper>();
};

TEST_F(ResWrapperTest, TheParametersOfATextGoAsOneArray) {
    struct Case {
        const char* name;
        Arguments args;  // as a late-bound caller passes them after the key
        std::vector<std::string> passed;
    };
    const std::vector<Case> cases = {
        {"one parameter is split at every ;", {Variant("x;y")}, {"x", "y"}},
        {"two parameters pass unchanged", {Variant("x;y"), Variant("z")}, {"x;y", "z"}},
        {"no parameter gives an empty array", {}, {}},
        {"one parameter without ; stays one", {Variant(int32_t{3})}, {"3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake->calls.clear();
        Arguments args{Variant("MSG_KEY")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(wrapper->Invoke("strResString", InvokeKind::Method, args).ToString(), "answer of strResString");
        ASSERT_EQ(fake->calls.size(), 1u);
        const Arguments& passed = fake->calls[0].second;
        ASSERT_EQ(passed.size(), 2u);
        EXPECT_EQ(passed[0].ToString(), "MSG_KEY");
        EXPECT_EQ(passed[1].ToArray().LBound(), 0);
        std::vector<std::string> texts;
        for (const Variant& cell : passed[1].ToArray().Cells()) texts.push_back(cell.ToString());
        EXPECT_EQ(texts, c.passed);
    }
}

TEST_F(ResWrapperTest, OtherOperationsForwardUnchangedAndABlankPathIsNotLoaded) {
    EXPECT_EQ(wrapper->Call("ipicResIcon", "KEY").ToString(), "answer of ipicResIcon");
    wrapper->Call("LoadResFile", "   ");
    wrapper->Call("LoadResFile", " other.xml ");
    Arguments args{Variant("ABOUT"), Variant()};
    wrapper->Invoke("ILoadPartsFromXmlRes", InvokeKind::Method, args);
    EXPECT_EQ(args[1].ToString(), "<PART/>") << "the part comes back through the in-out argument";
    std::vector<std::string> calls;
    for (const auto& [name, passed] : fake->calls) calls.push_back(name + "(" + passed[0].ToString() + ")");
    EXPECT_EQ(calls, (std::vector<std::string>{"ipicResIcon(KEY)", "LoadResFile( other.xml )", "ILoadPartsFromXmlRes(ABOUT)"}));
    EXPECT_TRUE(testsupport::Raises([&] { wrapper->Call("LoadResFile", "bad.xml"); }, 53, "no such file"));
}

}  // namespace
