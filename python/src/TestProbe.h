#pragma once
// For the module's own tests only (noxsimplelinks._testing.Probe()): a small automation class that
// echoes values, tells what kind of value reached C++, calls back into Python objects, has
// by-reference and indexed members, raises errors, shows message boxes, and raises its event "Ping" from a worker thread.
#include <pybind11/pybind11.h>

#include <atomic>
#include <map>
#include <utility>

#include "automation/Collection.h"
#include "automation/Dispatchable.h"
#include "automation/EventSource.h"

namespace noxpython {

class TestProbe : public automation::Dispatchable<TestProbe> {
public:
    static constexpr const char* kTypeName = "TestProbe";
    static const automation::MemberTable<TestProbe>& Members();
    // Fills the module's _testing submodule: Probe(), live_probes(), live_adapters().
    static void DefineTesting(pybind11::module_& testing);

    TestProbe();
    ~TestProbe() override;
    automation::EventSource* Events() override { return &events_; }
    static int64_t Live() { return live_; }

    automation::Variant Echo(const automation::Variant& value) const { return value; }
    std::string KindOf(const automation::Variant& value) const { return value.TypeName(); }
    // The bounds of an array, "lower:upper" per dimension, separated by commas.
    std::string Shape(const automation::SafeArray& array) const;
    bool Same(const automation::Variant& a, const automation::Variant& b) const { return a == b; }
    // Calls target.member(value), or target.member() when value is left out.
    automation::Variant Relay(const automation::Variant& target, const std::string& member,
                              const automation::Variant& value) const;
    // Calls target.member(value) with value by reference.
    automation::Variant RelayByRef(const automation::Variant& target, const std::string& member,
                                   automation::Variant& value) const;
    // Calls target.member() and answers the error it raised as (number, description, source), or Empty.
    automation::Variant Catch(const automation::Variant& target, const std::string& member) const;
    void Fail(int32_t number, const std::string& description) const;
    bool Split(const std::string& text, std::string& left, automation::Variant& right) const;
    void Swap(int16_t& a, int16_t& b) const { std::swap(a, b); }
    std::shared_ptr<automation::Collection> Collect(const automation::SafeArray& items,
                                                    const automation::Variant& keys) const;
    // Shows a message box through the installed user-interface services.
    int32_t MsgBox(const std::string& text, int32_t flags, const std::string& title) const;
    // A worker thread posts the event to this thread's apartment; it arrives when the apartment is pumped.
    void PingLater(const std::string& text);

    std::string Text() const { return text_; }
    void SetText(const std::string& text) { text_ = text; }
    automation::Variant Cell(int32_t row, int32_t col) const;
    void SetCell(int32_t row, int32_t col, const automation::Variant& value) { cells_[{row, col}] = value; }
    int32_t MousePointer() const;
    void SetMousePointer(int32_t value);
    automation::DispatchPtr Peer() const { return peer_; }
    void SetPeer(automation::DispatchPtr peer) { peer_ = std::move(peer); }

private:
    automation::EventSource events_{{"Ping"}};
    std::string text_;
    std::map<std::pair<int32_t, int32_t>, automation::Variant> cells_;
    automation::DispatchPtr peer_;
    static std::atomic<int64_t> live_;
};

}  // namespace noxpython
