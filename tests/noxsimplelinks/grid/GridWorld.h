#pragma once
// The world of a grid test: the sample UI definitions and the cache switch in the profile, a grid
// control, a grid definition for a pane that lists documents, and answers written as row sets.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../metadata/UiDefWorld.h"
#include "platform/grid/FlexGrid.h"
#include "platform/xml/XmlDocument.h"

namespace testsupport {

inline const char* kDocumentsGrid =
    "<SECTION><GRID_COLS ID='Docs' BASE_OBJECT='DOC' OBJECTS='DOC' RELATED_OBJECTS='ITEM_DOC'>"
    "<_FILTER VALUE='1'/>"
    "<DOC.DOC_ID WIDTH='1500' SORT='2'/><DOC.TITLE WIDTH='-1'/><DOC.PAGES WIDTH='many'/>"
    "<DOC.CREATION_DATE WIDTH='1200'/><ITEM_DOC.LINK_DATE/></GRID_COLS></SECTION>";

struct RowSetColumn {
    std::string name, type;  // type: "string", "number", "dateTime"
};

// A persisted row-set text with the columns and rows given (an empty cell is left out of its row).
inline std::string RowSetText(const std::vector<RowSetColumn>& columns, const std::vector<std::vector<std::string>>& rows) {
    std::string xml = "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882' "
                      "xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'><s:Schema id='RowsetSchema'>"
                      "<s:ElementType name='row' content='eltOnly'>";
    for (const RowSetColumn& c : columns)
        xml += "<s:AttributeType name='" + c.name + "'><s:datatype dt:type='" + c.type + "'/></s:AttributeType>";
    xml += "</s:ElementType></s:Schema><rs:data>";
    for (const auto& row : rows) {
        xml += "<z:row";
        for (size_t i = 0; i < row.size(); ++i)
            if (!row[i].empty()) xml += " " + columns[i].name + "='" + row[i] + "'";
        xml += "/>";
    }
    return xml + "</rs:data></xml>";
}

class GridWorld : public UiDefWorld {
public:
    explicit GridWorld(const std::string& useCache = "True") {
        if (!useCache.empty())
            world.WriteFile("AppData/VARDEN/config/settings/noxpref.xml",
                            "<PREFERENCES><USE_CACHE>" + useCache + "</USE_CACHE></PREFERENCES>");
        section->LoadXml(kDocumentsGrid);
    }
    // The sample object definitions in the download folder, for key names.
    void WithObjectDefinitions() {
        world.WriteFile("AppData/VARDEN/config/download/objdefs.xml",
                        ReadText(std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/download/objdefs.xml"));
    }
    automation::Variant Grid() { return automation::Variant(grid); }
    automation::Variant Definition() { return automation::Variant(section->SelectSingleNode("//GRID_COLS")); }
    std::vector<std::string> Keys() {
        std::vector<std::string> keys;
        for (int32_t c = 0; c < grid->Cols(); ++c) keys.push_back(grid->ColKey(c));
        return keys;
    }

    std::shared_ptr<platform::FlexGrid> grid = std::make_shared<platform::FlexGrid>();
    std::shared_ptr<platform::XmlDocument> section = std::make_shared<platform::XmlDocument>();
};

}  // namespace testsupport
