#include "noxsimplelinks/grid/clsGrid.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "automation/Text.h"
#include "noxsimplelinks/common/Quietly.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/env/modCache.h"
#include "noxsimplelinks/env/modEnvironment.h"
#include "noxsimplelinks/metadata/UiDefValues.h"
#include "noxsimplelinks/metadata/clsResWrapper.h"
#include "noxsimplelinks/metadata/clsUI_DefWrapper.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/grid/LateGrid.h"
#include "platform/xml/XmlNodeInfo.h"

namespace noxsimplelinks {

using automation::SafeArray;
using automation::Variant;

namespace {

constexpr int32_t kWhite = 16777215;
constexpr int32_t kScrollBoth = 3;
constexpr int32_t kAlignLeftCenter = 1;
constexpr int32_t kSortEachColumn = 10;

struct TypeRule {
    std::string_view uiType;
    int32_t dataType;
    bool clearsFormat;
};
// UI type -> grid data type; other types are strings and keep their format.
constexpr TypeRule kTypeRules[] = {
    {"date", clsGrid::kDateType, true}, {"long", clsGrid::kLongType, true}, {"double", clsGrid::kDoubleType, true}};

using automation::Lower;

std::string AttributeOf(const Variant& node, const std::string& name) {
    return automation::CallOn(node, "getAttribute", name).TextOr("");
}

// The value of an attribute that the XPath selects from the node; "" when nothing matches.
std::string SelectedText(const Variant& node, const std::string& xpath) {
    Variant found = automation::CallOn(node, "selectSingleNode", xpath);
    if (found.IsNothing()) return {};
    automation::Arguments none;
    return automation::InvokeOn(found, "Text", automation::InvokeKind::PropertyGet, none).TextOr("");
}

// A stored WIDTH or SORT of a column: the fallback when it is absent, not a number, or -1.
int32_t StoredSetting(const Variant& nodeGrid, const std::string& key, const char* name, int32_t fallback) {
    if (!platform::IsXmlName(key)) return fallback;
    int32_t value = UiDefValues::IntegerOr(SelectedText(nodeGrid, "//" + key + "/@" + name), fallback);
    return value == -1 ? fallback : value;
}

// The column of the field table whose header has the name (ignoring case); -1 when none has.
int32_t HeaderColumn(const SafeArray& table, const char* name) {
    for (int32_t c = table.LBound(2); c <= table.UBound(2); ++c)
        if (automation::SameName(table.At(0, c).TextOr(""), name)) return c;
    return -1;
}

Variant Cell(const SafeArray& table, int32_t row, int32_t column) {
    return column < 0 ? Variant() : table.At(row, column);
}

void Reset(platform::LateGrid& grid) {
    grid.Put("Rows", Variant(int32_t{1}));
    grid.Put("Cols", Variant(int32_t{1}));
    grid.Call("Clear");
    grid.Put("SheetBorder", Variant(kWhite));
    grid.Put("FocusRect", Variant(int32_t{0}));
    grid.Put("Editable", Variant(false));
    grid.Put("ExtendLastCol", Variant(true));
    grid.Put("FixedRows", Variant(int32_t{1}));
    grid.Put("FixedCols", Variant(int32_t{0}));
    grid.Put("ScrollBars", Variant(kScrollBoth));
    grid.Call("Refresh");
}

void ApplyType(platform::LateGrid& grid, int32_t column, const std::string& uiType) {
    std::string type = Lower(uiType);
    for (const TypeRule& rule : kTypeRules)
        if (type == rule.uiType) {
            grid.Put("ColDataType", column, Variant(rule.dataType));
            if (rule.clearsFormat) grid.Put("ColFormat", column, Variant(""));
            return;
        }
    grid.Put("ColDataType", column, Variant(clsGrid::kStringType));
}

}  // namespace

const automation::MemberTable<clsGrid>& clsGrid::Members() {
    static const automation::MemberTable<clsGrid> table = [] {
        automation::MemberTable<clsGrid> t;
        t.Method("ShellDoc", &clsGrid::ShellDoc);
        return t;
    }();
    return table;
}

clsGrid::clsGrid() : useCache_(ReadUseCache()) {}

bool clsGrid::ReadUseCache() {
    try {
        clsXmlWrapper preferences;
        std::string error;
        if (!preferences.loadXmlFile(modEnvironment::GetDirectory("SETTINGS_DIR") + "noxpref.xml", error)) return false;
        std::string text = preferences.getNodeText("//PREFERENCES/USE_CACHE");
        return !text.empty() && Variant(text).ToBool();
    } catch (const std::exception&) {
        return false;
    }
}

automation::DispatchPtr clsGrid::Resource() {
    if (!resource_) resource_ = std::make_shared<clsResWrapper>();
    return resource_;
}

void clsGrid::ShellDoc(const std::string& file) {
    platform::Shell& shell = platform::SystemShell();
    if (shell.OpenDocument(file) == platform::Shell::kNoAssociation) shell.OpenWith(file);
}

// --- the layout cache ---

std::string clsGrid::CacheFileName(const std::string& gridId) const {
    return UiDefValues::Trimmed(cachePrefix_) + "_" + Lower(gridId) + ".grd";
}

std::string clsGrid::CacheFilePath(const std::string& gridId) const {
    return modCache::GetCacheDir() + CacheFileName(gridId);
}

void clsGrid::DeleteCachedLayouts() {
    std::error_code ignored;
    std::string prefix = UiDefValues::Trimmed(cachePrefix_);
    for (const auto& entry : std::filesystem::directory_iterator(modCache::GetCacheDir(), ignored)) {
        std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && name.ends_with(".grd")) modCache::DeleteCacheFile(name);
    }
}

// A cached layout that cannot be read counts as missing: the layout is built afresh and replaces it.
bool clsGrid::LoadCachedLayout(const Variant& grid, const std::string& path) {
    if (!useCache_ || !platform::FileSystem::FileExists(path)) return false;
    platform::LateGrid target(grid);
    try {
        target.Call("LoadGrid", path, int32_t{0});
    } catch (const std::exception&) {
        Reset(target);
        return false;
    }
    target.Put("Rows", target.Get("FixedRows"));
    return true;
}

// --- layout ---

bool clsGrid::LoadGridLayout(const Variant& grid, const Variant& nodeGrid, const Variant& uiDef) {
    return FalseOnFailure([&] { return LayOut(grid, nodeGrid, uiDef); });
}

bool clsGrid::LayOut(const Variant& grid, const Variant& nodeGrid, const Variant& uiDef) {
    platform::LateGrid target(grid);
    Reset(target);
    std::string cacheFile = useCache_ ? CacheFilePath(AttributeOf(nodeGrid, "ID")) : std::string();
    if (LoadCachedLayout(grid, cacheFile)) return true;

    target.Call("Clear");
    Variant definitions = uiDef;
    if (!uiDef.IsObject() || uiDef.IsNothing())
        definitions = Variant(std::make_shared<clsUI_DefWrapper>(UiDefValues::Trimmed(uiDefFile_).empty() ? clsUI_DefWrapper::DefaultPath()
                                                                                              : uiDefFile_));
    Variant fields = automation::CallOn(definitions, "getRequestFields", nodeGrid);
    if (!fields.IsArray()) return false;
    const SafeArray& table = fields.ToArray();
    int32_t count = table.UBound(1);
    target.Put("Rows", Variant(int32_t{1}));
    target.Put("Cols", Variant(count));

    int32_t idColumn = HeaderColumn(table, "ID"), labelColumn = HeaderColumn(table, "UI_LABEL"),
            typeColumn = HeaderColumn(table, "UI_TYPE"), visibleColumn = HeaderColumn(table, "VISIBLE");
    automation::DispatchPtr resource = Resource();
    for (int32_t row = 1; row <= count; ++row) {
        int32_t c = row - 1;
        std::string key = Cell(table, row, idColumn).TextOr("");
        std::string label = Cell(table, row, labelColumn).TextOr("");
        Variant visible = Cell(table, row, visibleColumn);
        target.Put("ColAlignment", c, Variant(kAlignLeftCenter));
        target.Put("ColKey", c, Variant(key));
        target.SetCell(0, c, label.empty() ? label : resource->Call("strResString", label).ToString());
        target.Put("ColHidden", c, Variant(!(visible.IsEmpty() ? false : visible.ToBool())));
        int32_t width = StoredSetting(nodeGrid, key, "WIDTH", kNoStoredWidth);
        target.Put("ColWidth", c, Variant(width));
        target.Put("ColData", c, Variant(width));
        target.Put("ColSort", c, Variant(StoredSetting(nodeGrid, key, "SORT", 0)));
        ApplyType(target, c, Cell(table, row, typeColumn).TextOr(""));
    }
    if (useCache_) target.Call("SaveGrid", cacheFile, int32_t{0}, true);
    return true;
}

// --- sorting ---

void clsGrid::SetSortColumn(const Variant& grid, int32_t column, int32_t order) {
    platform::LateGrid target(grid);
    int32_t columns = target.Long("Cols");
    for (int32_t c = 0; c < columns; ++c) target.Put("ColSort", c, Variant(c == column ? order : int32_t{0}));
}

void clsGrid::ApplySort(const Variant& grid) {
    platform::LateGrid target(grid);
    int32_t columns = target.Long("Cols");
    for (int32_t c = 0; c < columns; ++c) {
        if (target.Long("ColSort", c) == 0) continue;
        target.Call("Select", int32_t{0}, c);
        target.Put("Sort", Variant(kSortEachColumn));
    }
}

// --- saving the layout ---

bool clsGrid::SaveGridLayout(const Variant& grid, const Variant& doc, const std::string& gridXPath,
                             const std::string& path) {
    return FalseOnFailure([&] { return SaveLayout(grid, doc, gridXPath, path); });
}

bool clsGrid::SaveLayout(const Variant& grid, const Variant& doc, const std::string& gridXPath,
                         const std::string& path) {
    platform::LateGrid source(grid);
    if (source.Long("Rows") <= 1) return false;
    Variant definition = automation::CallOn(doc, "selectSingleNode", gridXPath);
    if (definition.IsNothing()) return false;
    Variant owner = definition;
    automation::Arguments none;
    if (Variant ownerDocument = automation::InvokeOn(definition, "ownerDocument", automation::InvokeKind::PropertyGet, none);
        !ownerDocument.IsNothing())
        owner = ownerDocument;

    // Children that stand for columns go; those beginning with "_" stay where they are.
    Variant children = automation::InvokeOn(definition, "childNodes", automation::InvokeKind::PropertyGet, none);
    int32_t childCount = automation::InvokeOn(children, "length", automation::InvokeKind::PropertyGet, none).ToLong();
    for (int32_t i = childCount - 1; i >= 0; --i) {
        Variant child = automation::CallOn(children, "Item", i);
        std::string name = automation::InvokeOn(child, "nodeName", automation::InvokeKind::PropertyGet, none).ToString();
        if (!name.starts_with("_")) automation::CallOn(definition, "removeChild", child);
    }

    int32_t columns = source.Long("Cols");
    for (int32_t c = 0; c < columns; ++c) {
        std::string key = source.Text("ColKey", c);
        if (source.Get("ColHidden", c).ToBool() || key.starts_with("_") || !platform::IsXmlName(key)) continue;
        Variant element = automation::CallOn(owner, "createElement", key);
        automation::CallOn(definition, "appendChild", element);
        automation::CallOn(element, "setAttribute", "WIDTH", source.Get("ColWidth", c));
        automation::CallOn(element, "setAttribute", "SORT", source.Get("ColSort", c));
    }

    if (!UiDefValues::Trimmed(path).empty()) automation::CallOn(owner, "save", path);
    modCache::DeleteCacheFile(CacheFileName(AttributeOf(definition, "ID")));
    return true;
}

}  // namespace noxsimplelinks
