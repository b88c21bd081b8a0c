#pragma once
// The world of a UI-definitions test: a profile whose download folder holds a ui_def.xml (the sample
// of data/ or a text of the test's own), every class and component registered.
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "hosting/Registration.h"
#include "noxsimplelinks/metadata/clsUI_DefWrapper.h"
#include "support/TestWorld.h"

namespace testsupport {

inline std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

inline std::string SampleUiDefPath() { return std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/download/ui_def.xml"; }
inline std::string SampleUiDefLongPath() {
    return std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/download/ui_def_long.xml";
}

// A small document made for the tests: PART with four attributes (flags chosen per test), two
// groups and two links; TOOL with one attribute and no groups.
inline const char* kSmallUiDef = R"(<UI_DEF>
  <OBJ ID="PART" UI_LABEL="LBL_PART" UI_VISIBLE="1" UI_QM_VISIBLE="1" UI_CUSTOMIZATION_VISIBLE="1" UI_QM_SEARCH_OBJ="1" VIRT_OBJECT="True" UI_FLAGS="010000000011">
    <ATTRS>
      <ATTR ID="PART.NUMBER" UI_T="string" UI_L="Number" UI_LE="20" UI_G="MAIN" UI_O="1" UI_FLAGS="000000000110"><UI_QM_REQUIRED/></ATTR>
      <ATTR ID="PART.NAME" UI_T="string" UI_L="Name" UI_G="MAIN" UI_O="2" UI_FLAGS="000000001110"/>
      <ATTR ID="PART.MASS" UI_T="double" UI_L="Mass" UI_G="MORE" UI_O="3" UI_FLAGS="000000001010"/>
      <ATTR ID="PART.MADE" UI_T="date" UI_L="Made" UI_G="MORE" UI_O="4" UI_FLAGS="000000001111"/>
    </ATTRS>
    <GROUPS>
      <GROUP ID="MAIN" UI_L="Main" UI_O="1"/>
      <GROUP ID="MORE" UI_L="More" UI_O="2"/>
    </GROUPS>
    <LINKS>
      <LINK_DEF ID="USES" UI_LABEL="Uses" UI_VISIBLE="1" UI_CUSTOMIZATION_VISIBLE="1" UI_MOW_VISIBLE="1" UI_QM_VISIBLE="1" UI_FLAGS="010000000011">
        <ATTRS><ATTR ID="USES.QTY" UI_T="long" UI_L="Quantity" UI_QM_REQUIRED="1" UI_FLAGS="000000001110"/></ATTRS>
        <GROUPS><GROUP ID="L" UI_L="Link" UI_O="1"/></GROUPS>
      </LINK_DEF>
      <LINK_DEF ID="HIDDEN_LINK" UI_LABEL="Hidden" UI_FLAGS="000000000000"/>
    </LINKS>
  </OBJ>
  <OBJ ID="TOOL" UI_LABEL="LBL_TOOL" UI_FLAGS="000000000000">
    <ATTRS><ATTR ID="TOOL.ID" UI_T="string" UI_L="Tool" UI_FLAGS="100000001110"/></ATTRS>
  </OBJ>
</UI_DEF>)";

class UiDefWorld {
public:
    explicit UiDefWorld(const std::string& uiDef = ReadText(SampleUiDefPath())) {
        static const bool registered = (hosting::RegisterAll(), true);
        (void)registered;
        world.WriteFile("AppData/VARDEN/config/download/ui_def.xml", uiDef);
    }
    std::shared_ptr<noxsimplelinks::clsUI_DefWrapper> Load() {
        return std::make_shared<noxsimplelinks::clsUI_DefWrapper>();
    }

    TestWorld world;
};

}  // namespace testsupport
