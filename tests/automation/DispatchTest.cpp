#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "automation/Dispatchable.h"
#include "automation/ObjectFactory.h"

using namespace automation;
using testsupport::ErrorOf;

namespace {

class Counter : public Dispatchable<Counter> {
public:
    static constexpr const char* kTypeName = "Counter";
    static const MemberTable<Counter>& Members() {
        static const MemberTable<Counter> table = [] {
            MemberTable<Counter> t;
            t.Method("Add", &Counter::Add)
                .Method("Split", &Counter::Split)
                .Method("Swap", &Counter::Swap)
                .Method("Describe", &Counter::DescribeValue)
                .Property("Value", &Counter::Value, &Counter::SetValue)
                .Property("Cell", &Counter::Cell, &Counter::SetCell)
                .ObjectProperty("Peer", &Counter::Peer, &Counter::SetPeer)
                .Method("Raw", [](Counter&, Arguments& args) { return Variant(static_cast<int32_t>(args.size())); });
            return t;
        }();
        return table;
    }

    int32_t Add(int32_t amount, const Variant& times) {
        value_ += amount * (times.IsMissing() ? 1 : times.ToLong());
        return value_;
    }
    // Splits "a;b" into its two parts, returned through the by-reference parameters.
    bool Split(const std::string& text, std::string& left, Variant& right) {
        auto pos = text.find(';');
        if (pos == std::string::npos) return false;
        left = text.substr(0, pos);
        right = text.substr(pos + 1);
        return true;
    }
    void Swap(int16_t& a, int16_t& b) { std::swap(a, b); }
    std::string DescribeValue() const { return "value " + std::to_string(value_); }
    int32_t Value() const { return value_; }
    void SetValue(int32_t v) { value_ = v; }
    std::string Cell(int32_t row, int32_t col) const { return std::to_string(row) + "," + std::to_string(col) + "=" + cell_; }
    void SetCell(int32_t, int32_t, const std::string& v) { cell_ = v; }
    DispatchPtr Peer() const { return peer_; }
    void SetPeer(DispatchPtr p) { peer_ = std::move(p); }

private:
    int32_t value_ = 0;
    std::string cell_;
    DispatchPtr peer_;
};

class DispatchTest : public ::testing::Test {
protected:
    std::shared_ptr<Counter> counter = std::make_shared<Counter>();
};

TEST_F(DispatchTest, MethodsAndPropertiesByNameIgnoreCase) {
    EXPECT_EQ(counter->Call("add", 5).ToLong(), 5);
    EXPECT_EQ(counter->Call("ADD", 2, 3).ToLong(), 11);
    counter->Let("vAlUe", 40);
    EXPECT_EQ(counter->Get("Value").ToLong(), 40);
    EXPECT_EQ(counter->Get("describe").ToString(), "value 40");  // a method read as a property runs
    EXPECT_EQ(counter->Call("Value").ToLong(), 40);               // a property called as a method is read
    EXPECT_EQ(counter->Call("Raw", 1, "two", Variant::Missing()).ToLong(), 3);  // raw handlers see all
}

TEST_F(DispatchTest, ByReferenceArgumentsAreWrittenBackAndDescribed) {
    Arguments args{Variant("left;right"), Variant(), Variant()};
    EXPECT_TRUE(counter->Invoke("Split", InvokeKind::Method, args).ToBool());
    EXPECT_EQ(args[1].ToString(), "left");
    EXPECT_EQ(args[2].ToString(), "right");
    Arguments pair{Variant(int16_t{1}), Variant(int16_t{2})};
    counter->Invoke("Swap", InvokeKind::Method, pair);
    EXPECT_EQ(pair[0].ToInteger(), 2);
    EXPECT_EQ(pair[1].ToInteger(), 1);

    EXPECT_EQ(counter->Describe("split").byReference, (std::vector<int>{1, 2}));
    EXPECT_EQ(counter->Describe("Swap").byReference, (std::vector<int>{0, 1}));
    EXPECT_TRUE(counter->Describe("Add").byReference.empty());  // const Variant& is by value
    EXPECT_TRUE(counter->Describe("Raw").byReference.empty());
}

TEST_F(DispatchTest, IndexedPropertiesTakeTheValueLast) {
    Arguments put{Variant(1), Variant(2), Variant("x")};
    counter->Invoke("Cell", InvokeKind::PropertyLet, put);
    EXPECT_EQ(counter->Get("Cell", 3, 4).ToString(), "3,4=x");
    EXPECT_EQ(counter->Describe("cell").getterParameters, 2);
    EXPECT_TRUE(counter->Describe("Add").isMethod);
    EXPECT_FALSE(counter->Describe("Nope").exists);
}

TEST_F(DispatchTest, ObjectPropertiesAreSetByReference) {
    auto peer = std::make_shared<Counter>();
    counter->Set("Peer", Variant(peer));
    EXPECT_EQ(counter->Get("Peer").ToObject(), peer);
    counter->Set("Peer", Variant::Nothing());
    EXPECT_TRUE(counter->Get("Peer").IsNothing());
}

TEST_F(DispatchTest, BadCallsRaiseTheClassicNumbersFromTheObject) {
    const std::pair<std::function<void()>, int32_t> cases[] = {
        {[&] { counter->Call("Missing"); }, errors::kObjectDoesNotSupportMember},
        {[&] { counter->Call("Add"); }, errors::kArgumentNotOptional},
        {[&] { counter->Call("Add", "x"); }, errors::kTypeMismatch},
        {[&] { counter->Call("Add", 1, 2, 3); }, errors::kWrongNumberOfArguments},
        {[&] { counter->Call("Add", Variant::Null()); }, errors::kInvalidUseOfNull},
        {[&] { counter->Set("Peer", Variant("text")); }, errors::kTypeMismatch},
    };
    for (const auto& [call, number] : cases) {
        const AutomationError error = ErrorOf(call);
        EXPECT_EQ(error.Number(), number);
        EXPECT_EQ(error.Source(), "Counter");
    }
    Arguments none;
    EXPECT_EQ(ErrorOf([&] { InvokeOn(Variant::Nothing(), "Value", InvokeKind::PropertyGet, none); }).Number(),
              errors::kObjectVariableNotSet);
}

TEST_F(DispatchTest, RequireObjectGivesTheObjectOrRaises) {
    EXPECT_EQ(RequireObject(Variant(counter)), counter);
    EXPECT_EQ(ErrorOf([] { RequireObject(Variant::Nothing()); }).Number(), errors::kObjectVariableNotSet);
    EXPECT_EQ(ErrorOf([] { RequireObject(Variant("text")); }).Number(), errors::kTypeMismatch);
}

TEST(ObjectFactoryTest, CreatesByProgIdAndRestoresReplacedRegistrations) {
    auto& factory = ObjectFactory::Instance();
    RegisterClass<Counter>("Test.Counter");
    EXPECT_EQ(CreateObject("test.COUNTER")->TypeName(), "Counter");

    auto replacement = std::make_shared<Counter>();
    replacement->SetValue(7);
    factory.Register("Test.Counter", [replacement] { return replacement; });
    EXPECT_EQ(CreateObject("Test.Counter")->Get("Value").ToLong(), 7);
    factory.Unregister("Test.Counter");
    EXPECT_EQ(CreateObject("Test.Counter")->Get("Value").ToLong(), 0);
    factory.Unregister("Test.Counter");

    EXPECT_TRUE(testsupport::Raises([] { CreateObject("Test.Counter"); }, errors::kCannotCreateObject, "Test.Counter"));
}

}  // namespace
