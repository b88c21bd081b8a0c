#include "components/noxgrid/IclsGrid.h"

#include <array>
#include <string_view>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "platform/grid/LateGrid.h"

namespace components {

using automation::Arguments;
using automation::DispatchPtr;
using automation::Variant;

namespace {

// The component's operations that this system does not carry out.
constexpr std::array<std::string_view, 42> kUnavailableOperations = {
    "DisplayResultsInGrid", "MapAndAddIcons2Grid",       "loadResults2Grid",         "AddColumn2Grid",
    "SelectObjectRowInGrid", "loadResults2GridAttribute", "LoadIcons2Grid",          "LoadIcons2GridRow",
    "ReplaceNodeInGrid",    "ReplaceNodeInGrid2",        "addNodeToMain",            "addNodesToMain",
    "addNodesToMOW",        "addFoldersToMOW",           "updateMOWObject",          "AddTreeToMain",
    "addChildToTree",       "buildDefaultTree",          "ExpandTree",               "InsertHeaders",
    "AddRow2Grid",          "AddArray2Grid",             "AddArray2Grid2",           "RowFontOption",
    "UpdateGridByXML_OLD",  "UpdateGridByXML",           "updateDateCols",           "UpdateGridByString",
    "SaveGrid",             "SaveGridWithProperties",    "addIcons2Grid",            "UpdateAttrGrid",
    "ShowToolTip",          "loadResults2GridPartly",    "initresfile",              "ShowResult",
    "BuildGridByXmlDom",    "BuildGridByXmlDomForUpdate", "GetGridInArray",          "GetGridDataInArray",
    "UpdateIntegrityGridByXML", "SetGridDataFromArray",
};

// The key attribute names of an object type, as the metadata component gives them; Empty when it
// cannot answer.
Variant ObjectKeyNames(const std::string& objectType) {
    try {
        return automation::CreateObject("noxmetadata2.IMetaData")->Call("getObjectKeys", objectType);
    } catch (const std::exception&) {
        return Variant();
    }
}

}  // namespace

const automation::MemberTable<IclsGrid>& IclsGrid::Members() {
    static const automation::MemberTable<IclsGrid> table = [] {
        automation::MemberTable<IclsGrid> t;
        for (std::string_view operation : kUnavailableOperations) {
            std::string name(operation);
            t.Method(name, [name](IclsGrid&, Arguments&) -> Variant {
                throw automation::AutomationError(kNotAvailable, "noxgrid.IclsGrid: " + name +
                                                                     " is not available in this grid component");
            });
        }
        t.Method("IGetObjectKeysValues", &IclsGrid::IGetObjectKeysValues);
        auto objectSlot = [&t](std::string_view name, DispatchPtr IclsGrid::*member) {
            t.ObjectProperty(
                name, [member](IclsGrid& g, Arguments&) { return Variant(g.*member); },
                [member](IclsGrid& g, Arguments& args) {
                    g.*member = args.back().ToObject();
                    return Variant();
                });
        };
        objectSlot("Resource", &IclsGrid::resource_);
        objectSlot("objUI_Def", &IclsGrid::uiDef_);
        objectSlot("objViewType", &IclsGrid::viewType_);
        return t;
    }();
    return table;
}

bool IclsGrid::IGetObjectKeysValues(const Variant& grid, const std::string& objectType, Variant& keys,
                                    Variant& values, const Variant& row) {
    platform::LateGrid source(grid);
    keys = ObjectKeyNames(objectType);
    if (!keys.IsArray()) return false;
    int32_t index = row.IsMissing() || row.IsEmpty() ? source.Long("Row") : row.ToLong();
    bool dataRow = index >= source.Long("FixedRows") && index < source.Long("Rows");
    bool complete = dataRow;
    std::vector<Variant> texts;
    for (const Variant& key : keys.ToArray().Cells()) {
        int32_t column = source.Call("ColIndex", key.ToString()).ToLong();
        complete = complete && column >= 0;
        texts.emplace_back(dataRow && column >= 0 ? source.Cell(index, column) : std::string());
    }
    values = Variant(automation::SafeArray::Of(std::move(texts)));
    return complete;
}

}  // namespace components
