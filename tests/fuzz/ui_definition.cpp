// A UI-definitions document given to the facade as text (its "xmlString", read as the file is). The
// facade either takes the document, after which every query and both format conversions answer
// without an error escaping, or reports the failure and keeps the document it had.
#include <pugixml.hpp>

#include "FuzzTarget.h"
#include "FuzzWorld.h"
#include "noxsimplelinks/metadata/clsUI_DefWrapper.h"
#include "platform/xml/XmlDocument.h"

namespace {

using automation::Variant;

// A small document each input starts from, so that every input meets the same facade.
constexpr const char* kStart =
    "<UI_DEF VERSION=\"1.0\"><OBJ ID=\"ITEM\" UI_LABEL=\"LBL_ITEM\"><ATTRS><ATTR ID=\"ITEM.ITEM_KEY\" UI_T=\"string\" "
    "UI_L=\"Item number\" UI_G=\"GENERAL\" UI_O=\"1\" UI_FLAGS=\"111000001111\"/></ATTRS></OBJ></UI_DEF>";

struct Facade {
    std::shared_ptr<noxsimplelinks::clsUI_DefWrapper> wrapper;
    automation::DispatchPtr gridColumns;
};

Facade& Prepared() {
    static Facade facade = [] {
        fuzzing::FuzzWorld::ForInput();
        auto document = std::make_shared<platform::XmlDocument>();
        document->Call("loadXML", "<GRID_COLS ID=\"G\" BASE_OBJECT=\"ITEM\"><ITEM.ITEM_KEY/><ITEM.REVISION/></GRID_COLS>");
        return Facade{std::make_shared<noxsimplelinks::clsUI_DefWrapper>(), document->Get("documentElement").ToObject()};
    }();
    return facade;
}

// The object types the document names, and two it may lack.
std::vector<std::string> ObjectTypes(std::string_view input) {
    std::vector<std::string> types{"ITEM", "NO_SUCH_TYPE"};
    pugi::xml_document document;
    document.load_buffer(input.data(), input.size());
    for (pugi::xml_node object : document.document_element().children())
        if (types.size() < 6 && *object.attribute("ID").value()) types.push_back(object.attribute("ID").value());
    return types;
}

// Calls a public operation by name; operations report their failures, so none may raise.
void Ask(noxsimplelinks::clsUI_DefWrapper& wrapper, const char* operation, automation::Arguments args) {
    try {
        wrapper.Invoke(operation, automation::InvokeKind::Method, args);
    } catch (const std::exception& e) {
        NOX_FUZZ_REQUIRE(false, std::string(operation) + " raised " + e.what());
    }
}

}  // namespace

NOX_FUZZ_TARGET(ui_definition) {
    fuzzing::FuzzWorld& world = fuzzing::FuzzWorld::ForInput();
    Facade& facade = Prepared();
    noxsimplelinks::clsUI_DefWrapper& wrapper = *facade.wrapper;
    wrapper.SetXmlString(kStart);
    const std::string before = wrapper.xmlString();
    NOX_FUZZ_REQUIRE(world.Ui().Messages().empty(), "the starting document loads");

    wrapper.Let("xmlString", Variant(std::string(input)));
    if (!world.Ui().Messages().empty()) {
        NOX_FUZZ_REQUIRE(wrapper.xmlString() == before, "a refused document leaves the one before");
        return;
    }
    for (const std::string& type : ObjectTypes(input)) {
        Ask(wrapper, "GetObjectLabelByObjectType", {Variant(type)});
        Ask(wrapper, "GetObjectFieldsAsArray", {Variant(type)});
        Ask(wrapper, "GetAttributeGroupsAsArray", {Variant(type)});
        Ask(wrapper, "getObjectAttrsFilteredByUIAttr", {Variant(type), Variant("UI_VISIBLE")});
        Ask(wrapper, "IsVirtualObject", {Variant(type)});
        Ask(wrapper, "GetAttributeValuesCol", {Variant(type), Variant(type + ".ITEM_KEY")});
        Ask(wrapper, "GetLinkLabelByLinkType", {Variant(type), Variant("REFERENCE_LINK")});
    }
    Ask(wrapper, "getRequestFields", {Variant(facade.gridColumns)});
    Ask(wrapper, "getFieldsForRequest", {Variant(facade.gridColumns)});
    Ask(wrapper, "getObjectsForQM", {});
    Ask(wrapper, "ToLongFormat", {});
    Ask(wrapper, "ToShortFormat", {});
    Ask(wrapper, "GetObjectFieldsAsArray", {Variant("ITEM")});
}
