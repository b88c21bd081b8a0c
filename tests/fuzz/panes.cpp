// A panes file as the command-line host reads it: the list of panes (ReadPanes) and each pane's
// configuration section handed to the control's Init, then a load and CloseMe. The list names the
// sections the document holds, and no section, however broken, makes Init, Refresh or CloseMe raise.
#include "FuzzTarget.h"
#include "FuzzWorld.h"
#include "PanesFile.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "platform/site/ControlSite.h"
#include "platform/xml/XmlDocument.h"

namespace {

using automation::DispatchPtr;
using automation::Variant;

constexpr int32_t kPanesTried = 3;

void ShowPane(const DispatchPtr& section) {
    auto site = std::make_shared<platform::ControlSite>();
    site->SetComm(Variant(automation::CreateObject("noxrequestpars.XMLRequestPars")));
    auto control = std::make_shared<noxsimplelinks::ctlSimpleLinks>();
    control->SetContainer(Variant(DispatchPtr(site)));
    control->SetParentType("DOC");
    control->SetParentKeys(Variant(automation::SafeArray::Of({Variant("DOC.DOC_ID"), Variant("DOC.REVISION")})));
    control->SetParentValues(Variant(automation::SafeArray::Of({Variant("D100"), Variant("B")})));
    try {
        control->Init(Variant(section));
        control->Refresh();
        control->CloseMe();
    } catch (const std::exception& e) {
        NOX_FUZZ_REQUIRE(false, std::string("the control let an error out: ") + e.what());
    }
}

}  // namespace

NOX_FUZZ_TARGET(panes) {
    fuzzing::FuzzWorld& world = fuzzing::FuzzWorld::ForInput();
    world.UseSampleServer();
    const std::string path = world.WriteFile("panes.xml", input);
    auto document = std::make_shared<platform::XmlDocument>();
    if (!document->Call("load", path).ToBool()) return;  // the host cannot read the file and says so
    const DispatchPtr sections = document->Call("selectNodes", "/PANES/*").ToObject();
    const int32_t count = sections->Get("length").ToLong();
    try {
        const auto listed = simplelinks::ReadPanes(path);
        NOX_FUZZ_REQUIRE(static_cast<int32_t>(listed.size()) == count, "the list names every section");
    } catch (const std::runtime_error&) {
        // The list's reader refuses what the document reader took (a byte order or an encoding).
    }
    for (int32_t i = 0; i < count && i < kPanesTried; ++i) ShowPane(sections->Call("Item", i).ToObject());
}
