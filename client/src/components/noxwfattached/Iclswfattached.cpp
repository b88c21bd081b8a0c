#include "components/noxwfattached/Iclswfattached.h"

#include "automation/ObjectFactory.h"
#include "automation/Text.h"
#include "components/VariantTexts.h"
#include "platform/UserInterface.h"
#include "platform/xml/XmlEscape.h"

namespace components {

using automation::Variant;
using platform::DialogControlKind;

namespace {

constexpr const char* kQueryRoute = "WfQueryRoute";
constexpr const char* kAttachToSteps = "WfAttachObjectToSteps";
constexpr const char* kDetachFromSteps = "WfDetachObjectFromSteps";
constexpr const char* kStepBox = "chkStep";
constexpr int kYesNoQuestion = 4 + 32;
constexpr int kExclamation = 48;

const char* const kCaptions[] = {"Attach to steps", "Detach from steps", "Objects detached from the steps"};

std::string Element(const std::string& name, const std::string& text) {
    return "<" + name + ">" + platform::EscapeXml(text) + "</" + name + ">";
}

std::string Joined(const std::vector<std::string>& texts, const std::string& separator) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : separator) + text;
    return joined;
}

// The value of the parent key whose name ends in the attribute (".EO_ID" …); "" when none does.
std::string ParentValue(const std::vector<std::string>& keys, const std::vector<std::string>& values,
                        const std::string& attribute) {
    for (size_t i = 0; i < keys.size() && i < values.size(); ++i)
        if (automation::Upper(keys[i]).ends_with("." + attribute)) return values[i];
    return {};
}

std::string StepObjectsText(const WorkflowRoute::Step& step) {
    std::vector<std::string> names;
    for (const auto& object : step.objects)
        names.push_back(object.Name() + (object.approval.empty() ? "" : " (" + object.approval + ")"));
    return Joined(names, ", ");
}

// The order's objects not attached to the step.
std::string DetachedText(const WorkflowRoute& route, const WorkflowRoute::Step& step) {
    std::vector<std::string> names;
    for (const auto& object : route.orderObjects)
        if (!step.Holds(object)) names.push_back(object.Name());
    return Joined(names, ", ");
}

}  // namespace

const automation::MemberTable<Iclswfattached>& Iclswfattached::Members() {
    static const automation::MemberTable<Iclswfattached> table = [] {
        using Self = Iclswfattached;
        automation::MemberTable<Self> t;
        t.ObjectProperty("Comm", &Self::Comm, &Self::SetComm)
            .Method("Show", &Self::Show)
            .Method("EoDetachObjFromSingleStep", &Self::EoDetachObjFromSingleStep)
            .Method("CloseMe", &Self::CloseMe)
            .Property("Dialog", [](Self& self) { return Variant(automation::DispatchPtr(self.dialog_)); });
        return t;
    }();
    return table;
}

automation::DispatchPtr Iclswfattached::Comm() {
    if (!comm_) comm_ = automation::CreateObject("noxcomm2.Icomm");
    return comm_;
}

void Iclswfattached::CloseMe() {
    comm_.reset();
    dialog_.reset();
}

WorkflowRoute::Object Iclswfattached::Target::AsRouteObject() const { return {type, Joined(values, "/"), ""}; }

std::string Iclswfattached::Exchange(const std::string& method, const std::string& objects, const std::string& params) {
    const Variant request(automation::CreateObject("noxrequest.IRequest"));
    automation::CallOn(request, "setparams", params);
    automation::CallOn(request, "setobjects", objects);
    const Variant comm(Comm());
    automation::CallOn(comm, "Send", automation::CallOn(request, "buildrequest", method).TextOr(""));
    const Variant answer = automation::CallOn(comm, "Response");
    const Variant responses = automation::CallOn(answer, "MethodResponses");
    const Variant response = automation::CallOn(responses, "Count").ToLong() > 0
                                 ? automation::CallOn(responses, "Item", int32_t{1})
                                 : answer;
    const std::string code = automation::Upper(automation::CallOn(response, "ResultCode").TextOr(""));
    if (code == "OK" || code == "WARNING") return automation::CallOn(response, "xml").TextOr("");
    const Variant messages = automation::CallOn(response, "Messages");
    const std::string text = automation::CallOn(messages, "Count").ToLong() > 0
                                 ? automation::CallOn(automation::CallOn(messages, "Item", int32_t{1}), "Description").TextOr("")
                                 : "The server refused " + method;
    throw automation::AutomationError(automation::errors::kUserError, text, kTypeName);
}

std::string Iclswfattached::OrderObjects(const std::string& eoId, const std::string& routeId, const Target* target) const {
    std::string objects = "<OBJECTS><IN_OBJECT ID=\"EO\">" + Element("EO.EO_ID", eoId) + Element("EO.ROUTE_ID", routeId) +
                          "</IN_OBJECT>";
    if (target) {
        objects += "<IN_OBJECT1 ID=\"" + platform::EscapeXml(target->type) + "\">";
        for (size_t i = 0; i < target->keys.size() && i < target->values.size(); ++i)
            objects += Element(target->keys[i], target->values[i]);
        objects += "</IN_OBJECT1>";
    }
    return objects + "</OBJECTS>";
}

std::string Iclswfattached::ChangeSteps(const std::string& method, const std::string& eoId, const std::string& routeId,
                                        const Target& target, const std::vector<std::string>& steps) {
    try {
        Exchange(method, OrderObjects(eoId, routeId, &target), "<PARAMS>" + Element("STEPS", Joined(steps, " ")) + "</PARAMS>");
        return {};
    } catch (const automation::AutomationError& e) {
        return e.Description();
    }
}

void Iclswfattached::BuildDialog(const WorkflowRoute& route, const Target& target, int32_t mode) {
    dialog_ = std::make_shared<platform::Dialog>(kDialogName, kCaptions[mode]);
    dialog_->Add(DialogControlKind::Label, "lblOrder",
                 "Engineering order " + route.eoId + ", route " + route.routeId);
    if (mode != kViewDetached) dialog_->Add(DialogControlKind::Label, "lblObject", target.AsRouteObject().Name());
    auto grid = dialog_->Add(DialogControlKind::Grid, "grdSteps", "Steps");
    grid->SetItems({"Step", "Name", "Status", "Task of", mode == kViewDetached ? "Detached objects" : "Attached objects"});
    for (const auto& step : route.steps) {
        grid->AddRow({step.id, step.name, step.status, step.user,
                      mode == kViewDetached ? DetachedText(route, step) : StepObjectsText(step)});
        if (mode == kViewDetached) continue;
        auto box = dialog_->Add(DialogControlKind::CheckBox, kStepBox + step.id, step.id + " " + step.name);
        box->SetEnabled(step.Holds(target.AsRouteObject()) == (mode == kDetach));
    }
    if (mode == kViewDetached) {
        dialog_->Add(DialogControlKind::Button, "cmdClose", "Close");
        dialog_->SetDefaultButton("cmdClose");
        dialog_->SetCancelButton("cmdClose");
        return;
    }
    dialog_->Add(DialogControlKind::Label, "lblResult", "");
    dialog_->Add(DialogControlKind::Button, "cmdOK", mode == kAttach ? "Attach" : "Detach");
    dialog_->Add(DialogControlKind::Button, "cmdCancel", "Cancel");
    dialog_->SetDefaultButton("cmdOK");
    dialog_->SetCancelButton("cmdCancel");
}

bool Iclswfattached::Show(const std::string& objectType, const Variant& keys, const Variant& values, const std::string& eoId,
                          const std::string& routeId, int32_t mode) {
    if (mode < kAttach || mode > kViewDetached)
        throw automation::AutomationError(automation::errors::kInvalidProcedureCall, "Unknown step dialog mode " +
                                                                                         std::to_string(mode), kTypeName);
    if (eoId.empty()) {
        platform::Ui().MsgBox("No engineering order is known here.", kExclamation, kCaptions[mode]);
        return false;
    }
    const Target target{objectType, Texts(keys), Texts(values)};
    WorkflowRoute route;
    try {
        route = WorkflowRoute::Parse(Exchange(kQueryRoute, OrderObjects(eoId, routeId, nullptr), "<PARAMS/>"));
    } catch (const automation::AutomationError& e) {
        platform::Ui().MsgBox(e.Description(), kExclamation, kCaptions[mode]);
        return false;
    }
    BuildDialog(route, target, mode);
    bool changed = false;
    std::weak_ptr<platform::Dialog> weak = dialog_;
    const int cookie = dialog_->Events()->On("Click", [&, weak](std::string button) {
        auto dialog = weak.lock();
        if (!dialog) return;
        if (!automation::SameName(button, "cmdOK")) return dialog->Close(button == "cmdClose" ? "Close" : "Cancel");
        std::vector<std::string> steps;
        for (const auto& step : route.steps)
            if (dialog->Control(kStepBox + step.id)->Value().ToBool()) steps.push_back(step.id);
        if (steps.empty()) return dialog->Control("lblResult")->SetCaption("Choose at least one step.");
        const std::string failure =
            ChangeSteps(mode == kAttach ? kAttachToSteps : kDetachFromSteps, route.eoId, route.routeId, target, steps);
        if (!failure.empty()) return dialog->Control("lblResult")->SetCaption(failure);
        changed = true;
        dialog->Close("OK");
    });
    dialog_->Show(true);
    dialog_->Events()->Disconnect(cookie);
    return changed;
}

bool Iclswfattached::EoDetachObjFromSingleStep(const std::string& objectType, const Variant& keys, const Variant& values,
                                               const Variant& selected, const Variant& parentKeys,
                                               const Variant& parentValues) {
    const std::vector<std::string> names = Texts(parentKeys), ids = Texts(parentValues);
    const std::string eoId = ParentValue(names, ids, "EO_ID"), routeId = ParentValue(names, ids, "ROUTE_ID"),
                      stepId = ParentValue(names, ids, "STEP_ID");
    const char* title = "Detach from step";
    if (eoId.empty() || stepId.empty()) {
        platform::Ui().MsgBox("The pane shows no step of an engineering order.", kExclamation, title);
        return false;
    }
    std::vector<Target> targets;
    const int32_t count = selected.IsObject() && !selected.IsNothing() ? automation::CallOn(selected, "Count").ToLong() : 0;
    for (int32_t i = 2; i <= count; ++i)
        targets.push_back({objectType, Texts(automation::CallOn(selected, "Item", int32_t{1})),
                           Texts(automation::CallOn(selected, "Item", i))});
    if (targets.empty()) targets.push_back({objectType, Texts(keys), Texts(values)});
    const std::string question = "Detach " + (targets.size() == 1 ? targets.front().AsRouteObject().Name()
                                                                  : std::to_string(targets.size()) + " objects") +
                                 " from step " + stepId + " of engineering order " + eoId + "?";
    if (platform::Ui().MsgBox(question, kYesNoQuestion, title) != platform::kAnswerYes) return false;
    bool changed = false;
    for (const Target& target : targets) {
        const std::string failure = ChangeSteps(kDetachFromSteps, eoId, routeId, target, {stepId});
        if (failure.empty()) changed = true;
        else platform::Ui().MsgBox(failure, kExclamation, title);
    }
    return changed;
}

}  // namespace components
