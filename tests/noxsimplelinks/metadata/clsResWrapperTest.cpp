#include <gtest/gtest.h>

#include "automation/Dispatchable.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "noxsimplelinks/metadata/clsResWrapper.h"

using namespace automation;
using noxsimplelinks::clsResWrapper;

namespace {

// Stands in for "noxres.IRes" and records every call it receives.
class RecordingRes : public Dispatchable<RecordingRes> {
public:
    static constexpr const char* kTypeName = "RecordingRes";
    static const MemberTable<RecordingRes>& Members() {
        static const MemberTable<RecordingRes> table = [] {
            MemberTable<RecordingRes> t;
            for (const char* name : {"strResString", "ipicResIcon", "ipicResBitmap", "ipicResCursor", "iResaultArray",
                                     "LoadResFile", "ILoadPartsFromXmlRes"}) {
                t.Method(name, [name](RecordingRes& self, Arguments& args) { return self.Record(name, args); });
            }
            return t;
        }();
        return table;
    }

    Variant Record(const std::string& name, Arguments& args) {
        calls.push_back({name, args});
        if (name == "ILoadPartsFromXmlRes") args[1] = "<PART/>";
        if (name == "LoadResFile" && args[0].ToString() == "bad.xml") throw AutomationError(53, "no such file");
        return Variant("answer of " + name);
    }

    struct Call {
        std::string name;
        Arguments args;
    };
    std::vector<Call> calls;
};

class ResWrapperTest : public ::testing::Test {
protected:
    void SetUp() override {
        ObjectFactory::Instance().Register("noxres.IRes", [this] { return fake_; });
        wrapper_ = std::make_shared<clsResWrapper>();
    }
    void TearDown() override { ObjectFactory::Instance().Unregister("noxres.IRes"); }

    const RecordingRes::Call& OnlyCall() const {
        EXPECT_EQ(fake_->calls.size(), 1u);
        return fake_->calls.back();
    }
    static std::vector<std::string> TextsOf(const Variant& array) {
        std::vector<std::string> texts;
        for (const Variant& cell : array.ToArray().Cells()) texts.push_back(cell.ToString());
        return texts;
    }

    std::shared_ptr<RecordingRes> fake_ = std::make_shared<RecordingRes>();
    std::shared_ptr<clsResWrapper> wrapper_;
};

TEST_F(ResWrapperTest, ParameterRules) {
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
        fake_->calls.clear();
        Arguments args{Variant("MSG_KEY")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(wrapper_->Invoke("strResString", InvokeKind::Method, args).ToString(), "answer of strResString");
        const RecordingRes::Call& call = OnlyCall();
        ASSERT_EQ(call.args.size(), 2u);
        EXPECT_EQ(call.args[0].ToString(), "MSG_KEY");
        EXPECT_EQ(call.args[1].ToArray().LBound(), 0);
        EXPECT_EQ(TextsOf(call.args[1]), c.passed);
    }

    fake_->calls.clear();
    wrapper_->Call("LoadResFile", "   ");
    EXPECT_TRUE(fake_->calls.empty()) << "a blank path must not reach the component";
}

TEST_F(ResWrapperTest, OtherOperationsForwardUnchanged) {
    wrapper_->Call("LoadResFile", " other.xml ");
    EXPECT_EQ(OnlyCall().args[0].ToString(), " other.xml ");

    for (const char* name : {"ipicResIcon", "ipicResBitmap", "ipicResCursor", "iResaultArray"}) {
        fake_->calls.clear();
        EXPECT_EQ(wrapper_->Call(name, "KEY").ToString(), std::string("answer of ") + name);
        EXPECT_EQ(OnlyCall().name, name);
        EXPECT_EQ(OnlyCall().args[0].ToString(), "KEY");
    }

    fake_->calls.clear();
    Arguments args{Variant("ABOUT"), Variant()};
    wrapper_->Invoke("ILoadPartsFromXmlRes", InvokeKind::Method, args);
    EXPECT_EQ(args[1].ToString(), "<PART/>") << "the part comes back through the in-out argument";
}

TEST_F(ResWrapperTest, ComponentErrorsReachTheCaller) {
    try {
        wrapper_->Call("LoadResFile", "bad.xml");
        FAIL() << "expected the component's error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.Number(), 53);
        EXPECT_EQ(e.Description(), "no such file");
    }
}

}  // namespace
