#pragma once
// Lays the attached-items grid out from a grid definition and the UI definitions (or from the
// per-user layout cache), fills it from a server answer in one LoadArray, saves the user's column
// layout back into the grid definition, sorts, and opens documents with the desktop shell. The grid
// is driven late-bound by member name. Only ShellDoc is reachable by name; the rest is the library's.
#include <string>

#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class clsGrid : public automation::Dispatchable<clsGrid> {
public:
    using Variant = automation::Variant;
    static constexpr const char* kTypeName = "clsGrid";
    static const automation::MemberTable<clsGrid>& Members();

    // The width a column gets when the grid definition stores none; such columns are auto-sized.
    static constexpr int32_t kNoStoredWidth = 1000;
    // The grid's data types of the columns laid out from the UI types, and the format of a date
    // column that shows the time of its values.
    static constexpr int32_t kDateType = 7, kLongType = 3, kDoubleType = 5, kStringType = 8;
    static constexpr const char* kShortTime = "Short time";

    // Reads the cache switch from the preference file ("noxpref.xml" in SETTINGS_DIR).
    clsGrid();

    // Opens a document with its program; when none is associated the user chooses one.
    void ShellDoc(const std::string& file);

    // The grid (an object with the grid members), the grid-definition element, the UI-definition
    // object (Nothing: a new one over UIDefFile, or the default file when that is blank).
    bool LoadGridLayout(const Variant& grid, const Variant& nodeGrid, const Variant& uiDef);
    // Rows from a persisted row-set text; false, with no rows and no columns, when it holds none.
    // The row set reads the text where it is: an answer's shared text is not copied, and a text of
    // the caller's own is best moved in.
    bool FillGrid(const Variant& grid, Variant xml);
    // The visible columns' order, width and sort into the element gridXPath selects in doc, which is
    // saved to path when that is not blank; the grid's cache file is deleted.
    bool SaveGridLayout(const Variant& grid, const Variant& doc, const std::string& gridXPath,
                        const std::string& path);
    void SetSortColumn(const Variant& grid, int32_t column, int32_t order);
    void ApplySort(const Variant& grid);
    // Deletes every cache file of this prefix; errors are ignored.
    void DeleteCachedLayouts();

    std::string CachePrefix() const { return cachePrefix_; }
    void SetCachePrefix(const std::string& prefix) { cachePrefix_ = prefix; }
    std::string UIDefFile() const { return uiDefFile_; }
    void SetUIDefFile(const std::string& file) { uiDefFile_ = file; }
    // The resource object the column labels are translated with; a clsResWrapper when none was set.
    automation::DispatchPtr Resource();
    void SetResource(automation::DispatchPtr resource) { resource_ = std::move(resource); }
    bool UseCache() const { return useCache_; }
    void SetUseCache(bool useCache) { useCache_ = useCache; }

    // The cache file of a grid: CACHE_DIR + trimmed prefix + "_" + lower-case grid ID + ".grd".
    std::string CacheFilePath(const std::string& gridId) const;
    static bool ReadUseCache();

private:
    bool LayOut(const Variant& grid, const Variant& nodeGrid, const Variant& uiDef);
    bool LoadCachedLayout(const Variant& grid, const std::string& path);
    bool Fill(const Variant& grid, Variant xml);
    bool SaveLayout(const Variant& grid, const Variant& doc, const std::string& gridXPath, const std::string& path);
    std::string CacheFileName(const std::string& gridId) const;

    std::string cachePrefix_;
    std::string uiDefFile_;
    automation::DispatchPtr resource_;
    bool useCache_ = false;
};

}  // namespace noxsimplelinks
