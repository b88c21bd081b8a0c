#include "TestProbe.h"

#include <thread>

#include "PythonDispatch.h"
#include "Values.h"
#include "automation/Apartment.h"
#include "platform/UserInterface.h"

using automation::Variant;

namespace noxpython {

std::atomic<int64_t> TestProbe::live_{0};

const automation::MemberTable<TestProbe>& TestProbe::Members() {
    static const automation::MemberTable<TestProbe> table = [] {
        automation::MemberTable<TestProbe> t;
        t.Method("Echo", &TestProbe::Echo)
            .Method("KindOf", &TestProbe::KindOf)
            .Method("Same", &TestProbe::Same)
            .Method("Shape", &TestProbe::Shape)
            .Method("Relay", &TestProbe::Relay)
            .Method("RelayByRef", &TestProbe::RelayByRef)
            .Method("Catch", &TestProbe::Catch)
            .Method("Fail", &TestProbe::Fail)
            .Method("Split", &TestProbe::Split)
            .Method("Swap", &TestProbe::Swap)
            .Method("Collect", &TestProbe::Collect)
            .Method("PingLater", &TestProbe::PingLater)
            .Method("MsgBox", &TestProbe::MsgBox)
            .Property("MousePointer", &TestProbe::MousePointer, &TestProbe::SetMousePointer)
            .Property("Text", &TestProbe::Text, &TestProbe::SetText)
            .Property("Cell", &TestProbe::Cell, &TestProbe::SetCell)
            .ObjectProperty("Peer", &TestProbe::Peer, &TestProbe::SetPeer);
        return t;
    }();
    return table;
}

void TestProbe::DefineTesting(pybind11::module_& testing) {
    testing.doc() = "For the module's own tests only.";
    testing.def("Probe", [] { return ToPython(Variant(std::make_shared<TestProbe>())); });
    testing.def("live_probes", &TestProbe::Live);
    testing.def("live_adapters", &PythonDispatch::Live);
}

TestProbe::TestProbe() { ++live_; }
TestProbe::~TestProbe() { --live_; }

std::string TestProbe::Shape(const automation::SafeArray& array) const {
    std::string shape;
    for (int d = 1; d <= array.Dimensions(); ++d)
        shape += (d > 1 ? "," : "") + std::to_string(array.LBound(d)) + ":" + std::to_string(array.UBound(d));
    return shape;
}

Variant TestProbe::Relay(const Variant& target, const std::string& member, const Variant& value) const {
    return automation::CallOn(target, member, value);
}

Variant TestProbe::RelayByRef(const Variant& target, const std::string& member, Variant& value) const {
    automation::Arguments args{value};
    Variant result = automation::InvokeOn(target, member, automation::InvokeKind::Method, args);
    value = args[0];
    return result;
}

Variant TestProbe::Catch(const Variant& target, const std::string& member) const {
    try {
        automation::CallOn(target, member);
    } catch (const automation::AutomationError& e) {
        return automation::SafeArray::Of({Variant(e.Number()), Variant(e.Description()), Variant(e.Source())});
    }
    return Variant();
}

void TestProbe::Fail(int32_t number, const std::string& description) const {
    throw automation::AutomationError(number, description);
}

bool TestProbe::Split(const std::string& text, std::string& left, Variant& right) const {
    auto pos = text.find(';');
    if (pos == std::string::npos) return false;
    left = text.substr(0, pos);
    right = text.substr(pos + 1);
    return true;
}

std::shared_ptr<automation::Collection> TestProbe::Collect(const automation::SafeArray& items,
                                                           const Variant& keys) const {
    auto collection = std::make_shared<automation::Collection>();
    for (int32_t i = 0; i < items.Count(); ++i)
        collection->Add(items.Cells()[i], keys.IsMissing() ? Variant::Missing() : keys.ToArray().Cells().at(i));
    return collection;
}

void TestProbe::PingLater(const std::string& text) {
    auto apartment = automation::Apartment::Current();
    auto self = std::static_pointer_cast<TestProbe>(shared_from_this());
    std::thread worker([apartment, self, text] { apartment->Post([self, text] { self->events_.Fire("Ping", text); }); });
    worker.join();
}

int32_t TestProbe::MsgBox(const std::string& text, int32_t flags, const std::string& title) const {
    return platform::Ui().MsgBox(text, flags, title);
}

int32_t TestProbe::MousePointer() const { return platform::Ui().MousePointer(); }
void TestProbe::SetMousePointer(int32_t value) { platform::Ui().SetMousePointer(value); }

Variant TestProbe::Cell(int32_t row, int32_t col) const {
    auto it = cells_.find({row, col});
    return it == cells_.end() ? Variant() : it->second;
}

}  // namespace noxpython
