// The loader: which server request lists the links of the parent in this pane, and how it is built
// from the parent's keys, the fields the grid shows and the pane's parameters.
#include <algorithm>
#include <memory>

#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/request/RequestFragments.h"
#include "noxsimplelinks/request/clsUtils.h"

namespace noxsimplelinks {

using automation::DispatchPtr;
using automation::Variant;

namespace {

enum class Recipe { None, Query, WhereUsed, PartList, History, Rollup, SendHistory, Task, Step, Affected };

// One row of the loader's table: for which parent types and pane, which recipe, and what it needs.
struct LoaderRow {
    std::vector<std::string> parentTypes;  // empty: the step pattern
    std::string intName;                   // empty: any pane
    Recipe recipe;
    std::string linkType = {};      // the kind of link asked of the object definitions
    std::string inObjectType = {};  // the request's IN_OBJECT (whose link a query follows); empty: the parent
    bool partListParams = false;    // the part-list parameters with the revision filter go along
    std::string fixedLink = {};     // a link named outright instead of asked for
};

const std::vector<LoaderRow>& LoaderTable() {
    static const std::vector<LoaderRow> table = {
        {{"EO_USER_TASK"}, "", Recipe::Task, "REFERENCE_LINK"},
        {{"ITEM"}, "WHEREUSED", Recipe::WhereUsed, "", "ITEM", true},
        {{"ITEM"}, "SEND_HISTORY", Recipe::SendHistory, "", "ITEM"},
        {{"ITEM"}, "PROVIDERS", Recipe::None},
        {{"ITEM"}, "HISTORY", Recipe::History},
        {{"ITEM"}, "ROLLUP_HISTORY", Recipe::Rollup, "", "ITEM"},
        {{"ITEM"}, "", Recipe::Query, "REFERENCE_LINK", "", true},
        {{"DOC"}, "REFERENCE", Recipe::Query, "LOGICAL_LINK", "", true},
        {{"DOC"}, "PARENT", Recipe::WhereUsed, "", "DOC", true},
        {{"DOC"}, "CHILD", Recipe::PartList, "", "DOC"},
        {{"DOC"}, "HISTORY", Recipe::History},
        {{"DOC"}, "", Recipe::Query, "REFERENCE_LINK", "", true},
        {{"EO"}, "CHILD", Recipe::Query, "CHILD_LINKS"},
        {{"EO"}, "PARENT", Recipe::Query, "", "", false, "PARENT_LINKS"},
        {{"EO"}, "", Recipe::Query, "REFERENCE_LINK"},
        {{"FOLDER"}, "CHILD", Recipe::PartList, "", "FOLDER"},
        {{"FOLDER"}, "PARENT", Recipe::WhereUsed, "", "FOLDER", true},
        {{"FOLDER"}, "REFERENCE", Recipe::Query, "LOGICAL_LINK", "", true},
        {{"FOLDER"}, "HISTORY", Recipe::History},
        {{"FOLDER"}, "", Recipe::Query, "REFERENCE_LINK"},
        {{"MODIFICATION"}, "", Recipe::Affected},
        {{"MATERIAL", "FORMULA"}, "SEND_HISTORY", Recipe::SendHistory},
        {{"MATERIAL", "FORMULA"}, "HISTORY", Recipe::History},
        {{"MATERIAL", "FORMULA"}, "ROLLUP_HISTORY", Recipe::Rollup},
        {{"MATERIAL", "FORMULA"}, "REFERENCE", Recipe::Query, "LOGICAL_LINK", "", true},
        {{"MATERIAL", "FORMULA"}, "", Recipe::Query, "REFERENCE_LINK", "", true},
        {{"FILE"}, "PARENT", Recipe::WhereUsed, "", "DOC"},
        {{"FILE"}, "", Recipe::Query, "REFERENCE_LINK", "DOC"},
        {{}, "", Recipe::Step, "REFERENCE_LINK", "EO_ROUTE_STEP"},
    };
    return table;
}

// "EO_ROUTE_" + any text + "_STEP".
bool IsRouteStep(const std::string& type) {
    const std::string head = "EO_ROUTE_", tail = "_STEP";
    return type.size() >= head.size() + tail.size() && type.starts_with(head) && type.ends_with(tail);
}

const LoaderRow* ChooseRow(const std::string& parentType, const std::string& intName) {
    for (const LoaderRow& row : LoaderTable()) {
        const bool typeMatches = row.parentTypes.empty()
                                     ? IsRouteStep(parentType)
                                     : std::find(row.parentTypes.begin(), row.parentTypes.end(), parentType) !=
                                           row.parentTypes.end();
        if (typeMatches && (row.intName.empty() || row.intName == intName)) return &row;
    }
    return nullptr;
}

}  // namespace

std::string ctlSimpleLinks::FilterName() const {
    switch (filterOption_) {
        case REV_ALL: return "ALL_REVISIONS";
        case REV_EFFECTIVE: return "EFFECTIVE";
        default: return {};
    }
}

std::string ctlSimpleLinks::GetLinkCriteria(const std::string& parentType, const std::string& linkName) {
    std::string criteria;
    try {
        if (DispatchPtr viewType = ParamObject("VIEW_TYPE_OBJ"))
            criteria = viewType->Call("getLinkedObjectCriteria", parentType, linkName).TextOr("");
    } catch (...) {
        criteria.clear();
    }
    return RequestFragments::LinkCriteriaParams(criteria);
}

std::string ctlSimpleLinks::BuildLinksRequest() {
    auto utils = std::make_shared<clsUtils>();
    const Variant fields = UIDef()->Call("getFieldsForRequest", Variant(SectionNode("GRID_COLS")));
    if (parentValues_.IsEmpty()) return {};
    const LoaderRow* row = ChooseRow(parentType_, intName_);
    DispatchPtr builder = Request();
    Variant keys = parentKeys_, values = parentValues_;
    const std::string inObjectType = row && !row->inObjectType.empty() ? row->inObjectType : parentType_;

    auto queryObjects = [&](const std::string& parent) {
        const Variant link = row->fixedLink.empty()
                                 ? Obj_Def()->Call("getLinkBetween2Obj", parent, objectType_, row->linkType)
                                 : Variant(row->fixedLink);
        return std::pair(link.TextOr(""), utils->getObjectsXmlForQueryLinksByKeys(parent, fields, keys, values, link.TextOr("")));
    };
    auto partListWithFilter = [&] {
        return utils->GetParamsXmlForPartlistRequest(Variant(WorkspaceMode()), Variant(TreeEffDate()), Variant(FilterName()));
    };
    auto send = [&](const std::string& objects, const char* method) {
        builder->Call("setobjects", objects);
        return builder->Call("buildrequest", method).ToString();
    };

    std::string request;
    switch (row ? row->recipe : Recipe::None) {
        case Recipe::None: break;
        case Recipe::Query: {
            auto [link, objects] = queryObjects(inObjectType);
            builder->Call("setparams", GetLinkCriteria(parentType_, link));
            if (row->partListParams) builder->Call("setparams", partListWithFilter());
            request = send(objects, "ZerakQueryLinks");
            break;
        }
        case Recipe::WhereUsed: {
            const std::string objects = utils->getObjectsXmlByKeys(inObjectType, fields, keys, values, "IN_OBJECT");
            builder->Call("setparams", GetLinkCriteria(parentType_, "PARENT_LINKS"));
            if (row->partListParams) builder->Call("setparams", partListWithFilter());
            request = send(objects, "ZerakWhereUsed");
            break;
        }
        case Recipe::PartList: {
            const std::string objects = utils->getObjectsXmlByKeys(inObjectType, fields, keys, values, "IN_OBJECT");
            const std::string partList = utils->GetParamsXmlForPartlistRequest(
                Variant(ParamText("SpaceMode")), Variant(ParamText("EffectivityDate")), Variant(std::string()));
            builder->Call("setparams", GetLinkCriteria(parentType_, "CHILD_LINKS"));
            builder->Call("setparams", partList);
            request = send(objects, "ZerakPartList");
            break;
        }
        case Recipe::History:
            builder->Call("setparams", RequestFragments::HistoryParams());
            request =
                send(utils->getObjectsXmlForQueryHistory(objectType_, fields, keys, values), "QueryObjectVaultHistory");
            break;
        case Recipe::Rollup:
            request =
                send(utils->getObjectsXmlByKeys(inObjectType, fields, keys, values, "IN_OBJECT"), "QueryRollupHistory");
            break;
        case Recipe::SendHistory:
            request = send(utils->getObjectsXmlByKeys(inObjectType, fields, keys, values, "IN_OBJECT"),
                           "QuerySendToErpHistory");
            break;
        case Recipe::Task:
            getParentKeysAndValues(keys, values);
            request = send(queryObjects(parentType_).second, "QueryTaskRelatedObjects");
            break;
        case Recipe::Step:
            keys = Obj_Def()->Call("getObjectKeys", row->inObjectType);
            request = send(queryObjects(row->inObjectType).second, "QueryStepRelatedObjects");
            break;
        case Recipe::Affected:
            request = send(RequestFragments::AffectedObjects(*utils, parentType_, keys, values, fields),
                           "TopAffectedObjects");
            break;
    }
    // Hidden edge: the request builder (the host's, shared by the window's panes) keeps its parameters
    // until they are set again; this first setparams after the build replaces them with the criteria
    // of no link, so that no parameter of this load reaches the next request.
    builder->Call("setparams", GetLinkCriteria("", ""));
    return request;
}

}  // namespace noxsimplelinks
