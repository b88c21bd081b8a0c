// clsUI_DefWrapper: the fields of a grid request and the field table the grid is laid out from.
#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "automation/SafeArray.h"
#include "noxsimplelinks/common/ReportedCall.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/metadata/UiDefValues.h"
#include "noxsimplelinks/metadata/clsUI_DefWrapper.h"
#include "platform/xml/XmlNodeInfo.h"

namespace noxsimplelinks {

using automation::Bounds;
using automation::SafeArray;
using automation::Variant;

namespace {

const char* const kHeader[] = {"ID", "UI_LABEL", "UI_TYPE", "VISIBLE", "WIDTH"};

bool IsNode(const Variant& node) { return node.IsObject() && !node.IsNothing(); }

std::string Attribute(const Variant& node, const std::string& name) {
    return automation::CallOn(node, "getAttribute", name).TextOr("");
}

// The names of the grid definition's child elements that stand for fields, in document order: from
// the second row of its node array on, or from the third when the second names an element that
// begins with "_".
std::vector<std::string> TemplateFields(const Variant& nodeGrid) {
    automation::Arguments none;
    std::string xml = automation::InvokeOn(nodeGrid, "xml", automation::InvokeKind::PropertyGet, none).ToString();
    std::string name = automation::InvokeOn(nodeGrid, "nodeName", automation::InvokeKind::PropertyGet, none).ToString();
    clsXmlWrapper wrapper;
    std::string error;
    wrapper.loadXmlString(xml, error);
    Variant rows = wrapper.getNodeAsArray("//" + name);
    std::vector<std::string> fields;
    if (!rows.IsArray()) return fields;
    const SafeArray& table = rows.ToArray();
    int32_t last = table.UBound(1);
    if (last < 1) return fields;
    int32_t first = table.At(1, 0).TextOr("").starts_with("_") ? 2 : 1;
    for (int32_t r = first; r <= last; ++r) fields.push_back(table.At(r, 0).TextOr(""));
    return fields;
}

}  // namespace

std::string clsUI_DefWrapper::getAttrNodeAsString(const Variant& node, const std::string& attrName) {
    return ReportedCall<std::string>("clsUI_DefWrapper:getAttrNodeAsString",
                                     [&] { return Attribute(node, UiDefValues::Upper(attrName)); });
}

Variant clsUI_DefWrapper::getAttrNodeAsArray(const Variant& node, const std::string& attrName) {
    return ReportedCall<Variant>("clsUI_DefWrapper:getAttrNodeAsArray", [&] {
        Variant value = automation::CallOn(node, "getAttribute", UiDefValues::Upper(attrName));
        if (value.IsNull() || value.IsEmpty()) return Variant();
        std::string text = value.ToString();
        if (text.empty()) return Variant(SafeArray(Bounds{0, -1}));
        std::vector<std::string> pieces = UiDefValues::SplitList(text);
        return Variant(SafeArray::Of(std::vector<Variant>(pieces.begin(), pieces.end())));
    });
}

Variant clsUI_DefWrapper::getFieldsForRequest(const Variant& nodeGrid) {
    return ReportedCall<Variant>("clsUI_DefWrapper:getFieldsForRequest",
                                 [&] { return FieldsForRequest(nodeGrid, "UI_REQUIRED"); });
}

Variant clsUI_DefWrapper::getFieldsForQMRequest(const Variant& nodeGrid) {
    return ReportedCall<Variant>("clsUI_DefWrapper:getFieldsForQMRequest",
                                 [&] { return FieldsForRequest(nodeGrid, "UI_QM_REQUIRED"); });
}

Variant clsUI_DefWrapper::getRequestFields(const Variant& nodeGrid) {
    return ReportedCall<Variant>("clsUI_DefWrapper:getRequestFields", [&] { return RequestFields(nodeGrid); });
}

Variant clsUI_DefWrapper::FieldsForRequest(const Variant& nodeGrid, const std::string& requiredName) {
    if (!IsNode(nodeGrid)) return Variant();
    std::string baseObject = Attribute(nodeGrid, "BASE_OBJECT");
    if (baseObject.empty()) return Variant();
    std::string objects = Attribute(nodeGrid, "OBJECTS");
    std::string related = Attribute(nodeGrid, "RELATED_OBJECTS");

    std::vector<std::string> fields = TemplateFields(nodeGrid);
    std::unordered_set<std::string> known(fields.begin(), fields.end());
    auto append = [&](const Variant& ids) {
        if (!ids.IsArray()) return;
        for (const Variant& id : ids.ToArray().Cells())
            if (known.insert(id.ToString()).second) fields.push_back(id.ToString());
    };
    if (!objects.empty())
        for (const std::string& type : UiDefValues::SplitList(objects))
            append(FilteredAttrs(type, "", requiredName, false));
    if (!related.empty())
        for (const std::string& link : UiDefValues::SplitList(related))
            append(FilteredAttrs(baseObject, link, requiredName, true));
    if (fields.empty()) return Variant();

    SafeArray result(Bounds{0, static_cast<int32_t>(fields.size()) - 1}, Bounds{0, 1});
    for (int32_t r = 0; r < static_cast<int32_t>(fields.size()); ++r) {
        result.At(r, 0) = Variant(fields[static_cast<size_t>(r)]);
        result.At(r, 1) = Variant("TRG");
    }
    return Variant(std::move(result));
}

Variant clsUI_DefWrapper::RequestFields(const Variant& nodeGrid) {
    Variant fields = FieldsForRequest(nodeGrid, "UI_REQUIRED");
    if (!fields.IsArray()) return Variant();
    const SafeArray& list = fields.ToArray();
    std::string baseObject = Attribute(nodeGrid, "BASE_OBJECT");
    std::string relatedText = Attribute(nodeGrid, "RELATED_OBJECTS");
    std::vector<std::string> related = relatedText.empty() ? std::vector<std::string>{} : UiDefValues::SplitList(relatedText);

    int32_t count = list.UBound(1) - list.LBound(1) + 1;
    SafeArray table(Bounds{0, count}, Bounds{0, 5});
    for (int32_t c = 0; c < 5; ++c) table.At(0, c) = Variant(kHeader[c]);
    for (int32_t i = 0; i < count; ++i)
        RequestFieldRow(table, i + 1, list.At(list.LBound(1) + i, 0).ToString(), nodeGrid, baseObject, related);
    return Variant(std::move(table));
}

void clsUI_DefWrapper::RequestFieldRow(SafeArray& table, int32_t row, const std::string& id, const Variant& nodeGrid,
                                       const std::string& baseObject, const std::vector<std::string>& related) {
    size_t dot = id.find('.');
    if (dot == std::string::npos) return;
    std::string prefix = id.substr(0, dot);
    bool isLink = std::find(related.begin(), related.end(), prefix) != related.end();
    pugi::xml_node attr = isLink ? LinkAttrNode(baseObject, prefix, id) : AttrNode(prefix, id);
    if (!attr) return;

    Variant column = platform::IsXmlName(id) ? automation::CallOn(nodeGrid, "selectSingleNode", id) : Variant::Nothing();
    bool hasColumn = !column.IsNothing();
    std::string type = UiDefValues::LongNamed(attr, "UI_TYPE");
    table.At(row, 0) = Variant(std::string(attr.attribute("ID").value()));
    table.At(row, 1) = Variant(UiDefValues::LongNamed(attr, "UI_LABEL"));
    table.At(row, 2) = Variant(type.empty() ? std::string("string") : type);
    table.At(row, 3) = Variant(hasColumn && UiDefValues::FlagSet(attr, "UI_VIEWABLE"));
    table.At(row, 4) = Variant(hasColumn ? UiDefValues::IntegerOr(Attribute(column, "WIDTH"), 0) : int32_t{0});
}

}  // namespace noxsimplelinks
