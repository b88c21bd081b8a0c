// A host of the attached-items pane: it places the control on a site, loads the files of a document
// from the reference server embedded in the process, and prints the grid's visible rows.
#include <iostream>
#include <string>
#include <vector>

#include "automation/AutomationError.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "datafolder/DataFolder.h"
#include "embedded/EmbeddedPlm.h"
#include "hosting/Registration.h"
#include "hosting/ShippedProfile.h"

using automation::CreateObject;
using automation::DispatchPtr;
using automation::Variant;

static Variant List(std::vector<Variant> items) { return Variant(automation::SafeArray::Of(std::move(items))); }

static void PrintVisibleRows(const DispatchPtr& grid) {
    for (int32_t row = 0; row < grid->Get("Rows").ToLong(); ++row) {
        const char* separator = "";
        for (int32_t col = 0; col < grid->Get("Cols").ToLong(); ++col) {
            if (grid->Get("ColHidden", col).ToBool()) continue;
            std::cout << separator << grid->Get("TextMatrix", row, col).ToString();
            separator = "\t";
        }
        std::cout << "\n";
    }
}

int main() {
    try {
        hosting::UseShippedAllUsersProfile();  // the user's profile is made from the shipped one
        hosting::RegisterAll();                // the library's classes and the stand-ins, by ProgID
        server::InstallEmbeddedServer();       // the reference server, answering in this process

        DispatchPtr site = CreateObject("Platform.ControlSite");
        site->Set("Comm", Variant(CreateObject("noxrequestpars.XMLRequestPars")));  // synchronous loads
        DispatchPtr pane = CreateObject("noxsimplelinks.ctlSimpleLinks");
        pane->Set("Container", Variant(site));
        pane->Let("ParentType", Variant("DOC"));
        pane->Let("ParentKeys", List({Variant("DOC.DOC_ID"), Variant("DOC.REVISION")}));
        pane->Let("ParentValues", List({Variant("D100"), Variant("B")}));

        DispatchPtr panes = CreateObject("noxsimplelinks.clsXmlWrapper");
        std::string panesFile = datafolder::DataFolder() + "/allusers/AppData/VARDEN/config/settings/panes.xml";
        if (!panes->Call("loadXmlFile", panesFile, "").ToBool()) throw std::runtime_error("cannot read " + panesFile);
        pane->Call("Init", panes->Call("selectNode", "/PANES/FILES"));
        pane->Call("Refresh");
        PrintVisibleRows(site->Call("Control", "fg_FILES_FILE").ToObject());
        return 0;
    } catch (const automation::AutomationError& e) {
        std::cerr << "host: " << e.Description() << " (error " << e.Number() << ")\n";
    } catch (const std::exception& e) {
        std::cerr << "host: " << e.what() << "\n";
    }
    return 1;
}
