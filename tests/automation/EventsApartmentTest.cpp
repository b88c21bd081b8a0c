#include <gtest/gtest.h>

#include <thread>

#include "support/ErrorOf.h"
#include "automation/Apartment.h"
#include "automation/Dispatchable.h"
#include "automation/EventSource.h"

using namespace automation;

namespace {

// A sink reached late-bound: it records what it was called with and answers through a by-ref slot.
class RecordingSink : public Dispatchable<RecordingSink> {
public:
    static constexpr const char* kTypeName = "RecordingSink";
    static const MemberTable<RecordingSink>& Members() {
        static const MemberTable<RecordingSink> table = [] {
            MemberTable<RecordingSink> t;
            t.Method("BeforeEdit", &RecordingSink::BeforeEdit);
            return t;
        }();
        return table;
    }
    void BeforeEdit(int32_t row, bool& cancel) {
        rows.push_back(row);
        cancel = row == 0;
    }
    std::vector<int32_t> rows;
};

TEST(Events, LateBoundSinksAnswerThroughByReferenceArguments) {
    EventSource events({"BeforeEdit", "AfterEdit"});
    auto sink = std::make_shared<RecordingSink>();
    events.Connect(sink);

    Arguments args{Variant(0), Variant(false)};
    events.Raise("beforeedit", args);
    EXPECT_TRUE(args[1].ToBool());
    events.Fire("AfterEdit", 3);  // the sink has no such member: skipped
    EXPECT_EQ(sink->rows, std::vector<int32_t>{0});
}

TEST(Events, TypedSinksConvertTheirArgumentsAndCanDisconnect) {
    EventSource events({"ExecuteEvent"});
    std::vector<std::string> seen;
    int cookie = events.On("ExecuteEvent", [&](std::string xml) { seen.push_back(xml); });
    events.Fire("ExecuteEvent", "<XML/>");
    events.Fire("Other", "ignored");
    events.Disconnect(cookie);
    events.Fire("ExecuteEvent", "late");
    EXPECT_EQ(seen, std::vector<std::string>{"<XML/>"});
    EXPECT_TRUE(events.Declares("executeevent"));
}

TEST(Events, ASinkMayDisconnectItselfWhileBeingCalled) {
    EventSource events({"Tick"});
    int calls = 0, cookie = 0;
    cookie = events.Connect([&](std::string_view, Arguments&) {
        ++calls;
        events.Disconnect(cookie);
    });
    events.Fire("Tick");
    events.Fire("Tick");
    EXPECT_EQ(calls, 1);
}

TEST(ApartmentTest, WorkPostedFromAnotherThreadRunsOnlyWhenPumped) {
    auto apartment = Apartment::Current();
    std::thread::id ranOn;
    std::thread([&] { apartment->Post([&] { ranOn = std::this_thread::get_id(); }); }).join();
    EXPECT_EQ(ranOn, std::thread::id{});  // nothing runs before the owner pumps
    EXPECT_EQ(apartment->Pump(), 1u);
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST(ApartmentTest, PumpUntilWaitsForPostsAndGivesUpAtTheDeadline) {
    auto apartment = Apartment::Current();
    bool done = false;
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        apartment->Post([&] { done = true; });
    });
    EXPECT_TRUE(apartment->PumpUntil([&] { return done; }, std::chrono::seconds(5)));
    worker.join();
    EXPECT_FALSE(apartment->PumpUntil([] { return false; }, std::chrono::milliseconds(10)));
}

TEST(ApartmentTest, OnlyTheOwnerMayPumpAndAFailingItemKeepsTheRest) {
    auto apartment = Apartment::Current();
    int32_t error = 0;
    std::thread([&] { error = testsupport::ErrorOf([&] { apartment->Pump(); }).Number(); }).join();
    EXPECT_EQ(error, errors::kInvalidProcedureCall);

    int ran = 0;
    apartment->Post([] { throw AutomationError(1, "boom"); });
    apartment->Post([&] { ++ran; });
    EXPECT_THROW(apartment->Pump(), AutomationError);
    EXPECT_EQ(apartment->Pending(), 1u);
    apartment->Pump();
    EXPECT_EQ(ran, 1);
}

}  // namespace
