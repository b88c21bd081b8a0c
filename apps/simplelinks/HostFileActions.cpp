#include "HostFileActions.h"

#include <stdexcept>
#include <vector>

#include <pugixml.hpp>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"

namespace simplelinks {

using automation::Variant;

namespace {

Variant TextArray(const std::vector<Variant>& texts) { return Variant(automation::SafeArray::Of(texts)); }

automation::DispatchPtr FileComponent(const automation::DispatchPtr& comm, const automation::DispatchPtr& host) {
    const automation::DispatchPtr file = automation::CreateObject("noxfile2.iclsfile");
    if (host) file->Set("Host", Variant(host));
    if (comm) file->Set("Comm", Variant(comm));
    return file;
}

}  // namespace

void ViewFile(const std::string& payload, const automation::DispatchPtr& comm, const automation::DispatchPtr& host) {
    pugi::xml_document document;
    if (!document.load_string(payload.c_str())) throw std::runtime_error("the event's text is not XML");
    std::vector<Variant> keys, values;
    for (pugi::xml_node key : document.child("XML").child("KEYS").children()) {
        keys.emplace_back(std::string(key.name()));
        values.emplace_back(std::string(key.text().get()));
    }
    if (keys.empty()) throw std::runtime_error("the event names no file");
    FileComponent(comm, host)->Call("View", TextArray(keys), TextArray(values), Variant::Missing(),
               std::string(document.child("XML").child("OBJECT_TYPE").text().get()));
}

bool CompleteEdit(noxsimplelinks::ctlSimpleLinks& control) {
    const Variant keys = control.SelectedKeys();
    const Variant values = control.getValuesFromGrid(keys);
    const automation::DispatchPtr file = FileComponent(control.Comm(), control.Host());
    if (!file->Call("CheckIn", keys, values).ToBool()) return false;
    automation::CallOn(control.Host()->Get("EditedFiles"), "Remove", file->Call("GetAttributeValue", "FILE.FILE_ID"));
    control.UnlockFile();
    return true;
}

}  // namespace simplelinks
