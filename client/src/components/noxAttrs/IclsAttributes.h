#pragma once
// The attributes dialog ("noxAttrs.IclsAttributes") without a screen: every ShowByObject and
// ShowByData is recorded with its arguments and answered from a script. ShowByData hands back the
// rows it was given with the scripted edits applied (arrGridData), or false when a cancel is
// scripted; MethodBuffer holds named texts such as "STEPS_METHOD".
#include <map>
#include <string>
#include <vector>

#include "automation/Dispatchable.h"

namespace components {

class IclsAttributes : public automation::Dispatchable<IclsAttributes> {
public:
    static constexpr const char* kTypeName = "IclsAttributes";
    static const automation::MemberTable<IclsAttributes>& Members();

    struct Shown {
        std::string operation;  // "ShowByObject" or "ShowByData"
        automation::Arguments arguments;
    };

    // ShowByObject answers this (true until scripted otherwise).
    void ScriptAnswer(automation::Variant answer) { answer_ = std::move(answer); }
    // The next ShowByData sets these fields ("ITEM.DESCRIPTION" -> text) in every row it was given.
    void ScriptEdits(std::map<std::string, std::string> edits);
    // The next ShowByData is cancelled.
    void ScriptCancel();
    const std::vector<Shown>& ShownDialogs() const { return shown_; }

    automation::Variant ShowByObject(automation::Arguments& args);
    bool ShowByData(const automation::Variant& data, const std::string& mode);
    automation::Variant arrGridData() const { return gridData_; }
    void SetArrGridData(const automation::Variant& data) { gridData_ = data; }
    std::string MethodBuffer(const std::string& name) const;
    void SetMethodBuffer(const std::string& name, const std::string& value) { methodBuffer_[name] = value; }

private:
    std::vector<Shown> shown_;
    automation::Variant answer_{true};
    std::map<std::string, std::string> edits_;
    bool cancelNext_ = false;
    automation::Variant gridData_;
    automation::Variant objData_ = automation::Variant::Nothing();
    automation::Variant buffer_ = automation::Variant::Nothing();
    std::map<std::string, std::string> methodBuffer_;
};

}  // namespace components
