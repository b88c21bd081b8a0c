#include "ControlWorld.h"

#include <filesystem>

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "embedded/EmbeddedPlm.h"
#include "hosting/Registration.h"
#include "platform/xml/XmlDocument.h"

namespace controltest {

namespace fs = std::filesystem;

Variant List(std::vector<std::string> values) {
    std::vector<Variant> items(values.begin(), values.end());
    return Variant(automation::SafeArray::Of(std::move(items)));
}

ControlWorld::ControlWorld() {
    static const bool registered = (hosting::RegisterAll(), true);  // once for all worlds
    (void)registered;
    fs::copy(fs::path(NOX_DATA_DIR) / "allusers" / "AppData", world.AllUsersFolder() / "AppData",
             fs::copy_options::recursive);
    site = std::make_shared<platform::ControlSite>();
    control = std::make_shared<noxsimplelinks::ctlSimpleLinks>();
    control->SetContainer(Variant(DispatchPtr(site)));
    control->Events()->On("ExecuteEvent", [this](std::string xml) { executeEvents.push_back(xml); });
}

ControlWorld::~ControlWorld() {
    if (sampleServer_) server::UninstallEmbeddedServer();
}

void ControlWorld::UseSampleServer() {
    server::InstallEmbeddedServer((world.Root() / "plm.db").string());
    sampleServer_ = true;
}

void ControlWorld::Synchronous() {
    site->SetComm(Variant(automation::CreateObject("noxrequestpars.XMLRequestPars")));
}

DispatchPtr ControlWorld::SectionFromXml(const std::string& xml) {
    auto document = std::make_shared<platform::XmlDocument>();
    document->Call("loadXML", xml);
    documents_.push_back(document);
    return document->Get("documentElement").ToObject();
}

DispatchPtr ControlWorld::Section(const std::string& pane) {
    auto document = std::make_shared<platform::XmlDocument>();
    document->Call("load", (fs::path(NOX_DATA_DIR) / "allusers/AppData/VARDEN/config/settings/panes.xml").string());
    documents_.push_back(document);
    return document->Call("selectSingleNode", "/PANES/" + pane).ToObject();
}

void ControlWorld::Param(const std::string& key, const Variant& value) {
    control->Params()->Call("Add", value, key);
}

void ControlWorld::Parent(const std::string& type, std::vector<std::string> keys, std::vector<std::string> values) {
    control->SetParentType(type);
    control->SetParentKeys(List(std::move(keys)));
    control->SetParentValues(List(std::move(values)));
}

void ControlWorld::Show(const std::string& pane, const std::string& type, std::vector<std::string> keys,
                        std::vector<std::string> values) {
    control->Init(Variant(Section(pane)));
    Parent(type, std::move(keys), std::move(values));
}

int32_t ControlWorld::Rows() const {
    return Grid().Rows() - Grid().FixedRows();
}

platform::FlexGrid& ControlWorld::Grid() const {
    return dynamic_cast<platform::FlexGrid&>(*control->Grid());
}

platform::ToolbarControl& ControlWorld::Toolbar() const {
    return dynamic_cast<platform::ToolbarControl&>(*control->ToolBar());
}

}  // namespace controltest
