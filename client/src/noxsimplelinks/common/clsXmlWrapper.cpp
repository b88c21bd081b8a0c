#include "noxsimplelinks/common/clsXmlWrapper.h"

#include "automation/ObjectFactory.h"

namespace noxsimplelinks {

using automation::DispatchPtr;
using automation::Variant;

namespace {

DispatchPtr ObjectOrNothing(const Variant& result) { return result.IsObject() ? result.ToObject() : nullptr; }

}  // namespace

const automation::MemberTable<clsXmlWrapper>& clsXmlWrapper::Members() {
    static const automation::MemberTable<clsXmlWrapper> table = [] {
        automation::MemberTable<clsXmlWrapper> t;
        t.Method("loadXmlFile", &clsXmlWrapper::loadXmlFile)
            .Method("loadXmlString", &clsXmlWrapper::loadXmlString)
            .Method("getXml", &clsXmlWrapper::getXml)
            .Method("getDocument", &clsXmlWrapper::getDocument)
            .Method("selectNode", &clsXmlWrapper::selectNode)
            .Method("selectNodes", &clsXmlWrapper::selectNodes)
            .Method("getNodeText", &clsXmlWrapper::getNodeText)
            .Method("getNamedNode", &clsXmlWrapper::getNamedNode)
            .Method("getNodeAsArray", &clsXmlWrapper::getNodeAsArray)
            .Method("getChildrenNodeValuePairs", &clsXmlWrapper::getChildrenNodeValuePairs)
            .Method("getRecordset", &clsXmlWrapper::getRecordset)
            .Method("encodeXml", &clsXmlWrapper::encodeXml)
            .Method("decodeXml", &clsXmlWrapper::decodeXml);
        return t;
    }();
    return table;
}

clsXmlWrapper::clsXmlWrapper() : util_(automation::CreateObject("noxxmlutil.IXmlUtil")) {}

bool clsXmlWrapper::Load(const char* operation, const std::string& source, std::string& errorText) {
    errorText.clear();
    automation::Arguments args{Variant(source), Variant(errorText)};
    Variant loaded = util_->Invoke(operation, automation::InvokeKind::Method, args);
    errorText = args[1].TextOr("");
    return loaded.ToBool();
}

Variant clsXmlWrapper::Forward(const char* operation, const std::string& argument) {
    return util_->Call(operation, argument);
}

bool clsXmlWrapper::loadXmlFile(const std::string& path, std::string& errorText) {
    return Load("loadXmlFile", path, errorText);
}

bool clsXmlWrapper::loadXmlString(const std::string& xml, std::string& errorText) {
    return Load("loadXmlString", xml, errorText);
}

std::string clsXmlWrapper::getXml() { return util_->Call("getXml").ToString(); }

DispatchPtr clsXmlWrapper::getDocument() { return ObjectOrNothing(util_->Call("getDocument")); }

DispatchPtr clsXmlWrapper::selectNode(const std::string& xpath) { return ObjectOrNothing(Forward("selectNode", xpath)); }

DispatchPtr clsXmlWrapper::selectNodes(const std::string& xpath) { return ObjectOrNothing(Forward("selectNodes", xpath)); }

std::string clsXmlWrapper::getNodeText(const std::string& xpath) { return Forward("getNodeText", xpath).TextOr(""); }

DispatchPtr clsXmlWrapper::getNamedNode(const std::string& name) { return ObjectOrNothing(Forward("getNamedNode", name)); }

Variant clsXmlWrapper::getNodeAsArray(const std::string& xpath) { return Forward("getNodeAsArray", xpath); }

Variant clsXmlWrapper::getChildrenNodeValuePairs(const std::string& xpath) {
    return Forward("getChildrenNodeValuePairs", xpath);
}

DispatchPtr clsXmlWrapper::getRecordset(Variant xml) {
    automation::Arguments args;  // built by hand so that the answer text is passed on, not copied
    args.emplace_back(std::move(xml));
    return ObjectOrNothing(util_->Invoke("getRecordset", automation::InvokeKind::Method, args));
}

std::string clsXmlWrapper::encodeXml(const std::string& text) { return Forward("encodeXml", text).ToString(); }

std::string clsXmlWrapper::decodeXml(const std::string& text) { return Forward("decodeXml", text).ToString(); }

}  // namespace noxsimplelinks
