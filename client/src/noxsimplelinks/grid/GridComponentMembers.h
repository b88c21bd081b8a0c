#pragma once
// The operations of the grid component "noxgrid.IclsGrid" that clsGridWrapper forwards, in slot
// order, with the type each answer is converted to and the parameters it writes, and its write-only
// object properties.
#include <array>
#include <span>
#include <string_view>

namespace noxsimplelinks::GridComponentMembers {

enum class Answer { AsIs, Boolean, Object };

// The by-reference parameters of IGetObjectKeysValues: the key names and the key values it writes.
inline constexpr int kKeysAndValuesOut[] = {2, 3};

struct Operation {
    std::string_view name;
    Answer answer;
    std::span<const int> byReference = {};  // 0-based positions of the parameters the component writes
};

inline constexpr std::array<Operation, 43> kOperations = {{
    {"DisplayResultsInGrid", Answer::AsIs},      {"MapAndAddIcons2Grid", Answer::AsIs},
    {"loadResults2Grid", Answer::AsIs},          {"AddColumn2Grid", Answer::AsIs},
    {"IGetObjectKeysValues", Answer::AsIs, kKeysAndValuesOut}, {"SelectObjectRowInGrid", Answer::Boolean},
    {"loadResults2GridAttribute", Answer::AsIs}, {"LoadIcons2Grid", Answer::AsIs},
    {"LoadIcons2GridRow", Answer::AsIs},         {"ReplaceNodeInGrid", Answer::AsIs},
    {"ReplaceNodeInGrid2", Answer::AsIs},        {"addNodeToMain", Answer::AsIs},
    {"addNodesToMain", Answer::AsIs},            {"addNodesToMOW", Answer::AsIs},
    {"addFoldersToMOW", Answer::AsIs},           {"updateMOWObject", Answer::AsIs},
    {"AddTreeToMain", Answer::AsIs},             {"addChildToTree", Answer::AsIs},
    {"buildDefaultTree", Answer::AsIs},          {"ExpandTree", Answer::AsIs},
    {"InsertHeaders", Answer::Boolean},          {"AddRow2Grid", Answer::Boolean},
    {"AddArray2Grid", Answer::Boolean},          {"AddArray2Grid2", Answer::Boolean},
    {"RowFontOption", Answer::Boolean},          {"UpdateGridByXML_OLD", Answer::AsIs},
    {"UpdateGridByXML", Answer::AsIs},           {"updateDateCols", Answer::AsIs},
    {"UpdateGridByString", Answer::Boolean},     {"SaveGrid", Answer::Object},
    {"SaveGridWithProperties", Answer::Object},  {"addIcons2Grid", Answer::AsIs},
    {"UpdateAttrGrid", Answer::AsIs},            {"ShowToolTip", Answer::AsIs},
    {"loadResults2GridPartly", Answer::AsIs},    {"initresfile", Answer::AsIs},
    {"ShowResult", Answer::AsIs},                {"BuildGridByXmlDom", Answer::AsIs},
    {"BuildGridByXmlDomForUpdate", Answer::AsIs}, {"GetGridInArray", Answer::AsIs},
    {"GetGridDataInArray", Answer::AsIs},        {"UpdateIntegrityGridByXML", Answer::AsIs},
    {"SetGridDataFromArray", Answer::AsIs},
}};

inline constexpr std::array<std::string_view, 3> kObjectProperties = {"Resource", "objUI_Def", "objViewType"};

}  // namespace noxsimplelinks::GridComponentMembers
