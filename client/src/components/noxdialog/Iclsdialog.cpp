#include "components/noxdialog/Iclsdialog.h"

#include <map>

#include <pugixml.hpp>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "components/VariantTexts.h"
#include "platform/ProductFolders.h"
#include "platform/xml/XmlEscape.h"

namespace components {

using automation::DispatchPtr;
using automation::Variant;
using platform::DialogControlKind;

namespace {

constexpr const char* kUpdateMethod = "UpdateLink";
constexpr size_t kEnabledUpdateFlag = 3;  // UI_ENABLED_UPDATE, the fourth character of UI_FLAGS

struct Presentation {
    std::string label;
    bool updatable = false;
};

// How the UI definitions present each attribute, by its ID (the first ATTR of an ID counts).
std::map<std::string, Presentation> ReadPresentations() {
    std::map<std::string, Presentation> attributes;
    pugi::xml_document document;
    if (!document.load_file((platform::ProductFolders::Directory("DOWNLOAD_DIR") + "ui_def.xml").c_str())) return attributes;
    for (const pugi::xpath_node& node : document.select_nodes("//ATTR[@ID]")) {
        const pugi::xml_node attr = node.node();
        const std::string flags = attr.attribute("UI_FLAGS").value();
        const char* label = attr.attribute("UI_L") ? attr.attribute("UI_L").value() : attr.attribute("UI_LABEL").value();
        const bool updatable = flags.size() > kEnabledUpdateFlag ? flags[kEnabledUpdateFlag] == '1'
                                                                 : std::string(attr.attribute("UI_ENABLED_UPDATE").value()) == "1";
        attributes.emplace(attr.attribute("ID").value(), Presentation{label, updatable});
    }
    return attributes;
}

std::string Prefix(const std::string& field) { return field.substr(0, field.find('.')); }
std::string ShortName(const std::string& field) { return field.substr(field.find('.') + 1); }

std::string Element(const std::string& name, const std::string& text) {
    return "<" + name + ">" + platform::EscapeXml(text) + "</" + name + ">";
}

}  // namespace

const automation::MemberTable<Iclsdialog>& Iclsdialog::Members() {
    static const automation::MemberTable<Iclsdialog> table = [] {
        using Self = Iclsdialog;
        automation::MemberTable<Self> t;
        t.ObjectProperty("CallingClass", &Self::CallingClass, &Self::SetCallingClass)
            .ObjectProperty("Buffer", &Self::Buffer, &Self::SetBuffer)
            .Method("showdialog", &Self::showdialog)
            .Property("Dialog", [](Self& self) { return Variant(DispatchPtr(self.dialog_)); });
        return t;
    }();
    return table;
}

Variant Iclsdialog::Entry(const std::string& name) const {
    try {
        return automation::CallOn(Variant(buffer_), "Item", name);
    } catch (const automation::AutomationError&) {
        return Variant();  // the buffer has no such entry
    }
}

std::vector<Iclsdialog::Field> Iclsdialog::ReadFields(const std::string& linkType) const {
    const Variant data = Entry("ARR_CHILD_LINK_DATA");
    if (!data.IsArray() || data.ToArray().Dimensions() != 2)
        throw automation::AutomationError(automation::errors::kInvalidProcedureCall,
                                          "The buffer holds no link data (ARR_CHILD_LINK_DATA)", kTypeName);
    const auto presentations = ReadPresentations();
    const automation::SafeArray& rows = data.ToArray();
    std::vector<Field> fields;
    for (int32_t r = rows.LBound(1); r <= rows.UBound(1); ++r) {
        Field field{rows.At(r, rows.LBound(2)).TextOr(""), "", rows.At(r, rows.LBound(2) + 1).TextOr("")};
        if (field.name.empty()) continue;
        const auto found = presentations.find(field.name);
        field.label = found != presentations.end() && !found->second.label.empty() ? found->second.label : field.name;
        field.editable = found != presentations.end() && found->second.updatable &&
                         automation::SameName(Prefix(field.name), linkType);
        fields.push_back(field);
    }
    return fields;
}

bool Iclsdialog::showdialog(const std::string& dialogName) {
    const std::string linkType = Entry("LINK_TYPE").TextOr("");
    const std::vector<Field> fields = ReadFields(linkType);
    dialog_ = std::make_shared<platform::Dialog>(kDialogName, dialogName);
    for (const Field& field : fields) {
        auto box = dialog_->Add(DialogControlKind::TextBox, field.name, field.label);
        box->SetValue(Variant(field.value));
        box->SetEnabled(field.editable);
    }
    dialog_->Add(DialogControlKind::Label, "lblMessage", "");
    dialog_->Add(DialogControlKind::Button, "cmdOK", "OK");
    dialog_->Add(DialogControlKind::Button, "cmdCancel", "Cancel");
    dialog_->SetDefaultButton("cmdOK");
    dialog_->SetCancelButton("cmdCancel");

    // The handler lives for this showing only: it is dropped when the dialog has been closed.
    auto stored = std::make_shared<bool>(false);
    std::weak_ptr<platform::Dialog> weak = dialog_;
    const int cookie = dialog_->Events()->On("Click", [this, weak, fields, stored](std::string button) {
        auto dialog = weak.lock();
        if (!dialog) return;
        if (automation::SameName(button, "cmdCancel")) return dialog->Close("Cancel");
        std::vector<Field> changed;
        for (Field field : fields) {
            const std::string now = dialog->Control(field.name)->ValueText();
            if (field.editable && now != field.value) {
                field.value = now;
                changed.push_back(field);
            }
        }
        if (changed.empty()) return dialog->Close("OK");
        std::vector<Field> all = fields;
        for (Field& field : all)
            for (const Field& change : changed)
                if (change.name == field.name) field.value = change.value;
        const std::string failure = Store(all);
        if (!failure.empty()) return dialog->Control("lblMessage")->SetCaption(failure);
        *stored = true;
        dialog->Close("OK");
    });
    dialog_->Show(true);
    dialog_->Events()->Disconnect(cookie);
    return *stored;
}

std::string Iclsdialog::EndElement(const std::string& role, const std::string& type, const char* keysEntry,
                                   const char* valuesEntry, const std::vector<Field>& fields) const {
    std::vector<std::string> keys = Texts(Entry(keysEntry)), values = Texts(Entry(valuesEntry));
    if (keys.empty()) {
        keys = Texts(automation::CreateObject("noxmetadata2.IMetaData")->Call("getObjectKeys", type));
        for (const std::string& key : keys) {
            std::string value;
            for (const Field& field : fields)
                if (field.name == key) value = field.value;
            values.push_back(value);
        }
    }
    std::string element = "<" + role + " ID=\"" + platform::EscapeXml(type) + "\" TYPE=\"\">";
    for (size_t i = 0; i < keys.size() && i < values.size(); ++i) element += Element(keys[i], values[i]);
    return element + "</" + role + ">";
}

std::string Iclsdialog::Store(const std::vector<Field>& fields) {
    const std::string linkType = Entry("LINK_TYPE").TextOr("");
    std::string chosen, changes;
    for (const Field& field : fields) {
        if (!automation::SameName(Prefix(field.name), linkType)) continue;
        if (field.editable) changes += Element(ShortName(field.name), field.value);
        else if (!field.value.empty()) chosen += Element(ShortName(field.name), field.value);
    }
    const std::string objects =
        "<OBJECTS>" + EndElement("PARENT_OBJECT", Entry("BASE_OBJECT").TextOr(""), "ARR_PARENT_KEYS", "ARR_PARENT_VALUES", fields) +
        EndElement("CHILD_OBJECT", Entry("LINKED_OBJECT").TextOr(""), "ARR_CHILD_KEYS", "ARR_CHILD_VALUES", fields) +
        "<LINK1 ID=\"" + platform::EscapeXml(linkType) + "\">" + chosen + "</LINK1></OBJECTS>";
    const Variant request(automation::CreateObject("noxrequest.IRequest"));
    automation::CallOn(request, "setparams", "<PARAMS><LINK_VALUES>" + changes + "</LINK_VALUES></PARAMS>");
    automation::CallOn(request, "setobjects", objects);
    const std::string text = automation::CallOn(request, "buildrequest", kUpdateMethod).TextOr("");

    Variant comm = Entry("COMM_OBJ");
    if (!comm.IsObject() || comm.IsNothing()) comm = automation::CallOn(Variant(callingClass_), "Comm");
    automation::Arguments args{Variant(text), Variant(), Variant()};
    automation::InvokeOn(comm, "SendRequest", automation::InvokeKind::Method, args);
    const std::string code = automation::Upper(args[1].TextOr(""));
    if (code == "OK" || code == "WARNING") return {};
    const Variant& messages = args[2];
    const std::vector<std::string> list = Texts(messages);
    return "ERROR = [" + (messages.IsArray() ? (list.empty() ? "" : list.front()) : messages.TextOr("")) + "]";
}

}  // namespace components
