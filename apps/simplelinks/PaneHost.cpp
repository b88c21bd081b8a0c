#include "ProfileClipboard.h"
#include "PaneHost.h"

#include <chrono>
#include <stdexcept>

#include "automation/Apartment.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxcomm2/EmbeddedServer.h"
#include "embedded/EmbeddedPlm.h"
#include "hosting/Registration.h"
#include "noxsimplelinks/env/modEnvironment.h"
#include "platform/ConsoleUi.h"
#include "platform/Environment.h"
#include "platform/grid/FlexGrid.h"
#include "platform/grid/GridText.h"
#include "platform/grid/GridUser.h"
#include "platform/toolbar/ToolbarControl.h"
#include "platform/toolbar/ToolbarText.h"
#include "platform/xml/XmlDocument.h"

namespace simplelinks {

using automation::DispatchPtr;
using automation::Variant;

namespace {

constexpr auto kLoadTimeout = std::chrono::seconds(60);

std::runtime_error Failure(const std::string& text) { return std::runtime_error(text); }

Variant List(const std::vector<std::string>& values) {
    std::vector<Variant> items(values.begin(), values.end());
    return Variant(automation::SafeArray::Of(std::move(items)));
}

// Registers the classes and stand-ins and puts message boxes on the terminal, once per process
// (subcommands run while the command line is parsed, before the program's own start-up).
void PrepareProcess() {
    static const bool prepared = [] {
        hosting::RegisterAll();
        platform::InstallUi(std::make_shared<platform::ConsoleUi>());
        platform::InstallClipboard(std::make_shared<ProfileClipboard>());
        return true;
    }();
    (void)prepared;
}

}  // namespace

std::string PanesFilePath() { return noxsimplelinks::modEnvironment::GetDirectory("SETTINGS_DIR") + "panes.xml"; }

PaneHost::PaneHost(const PaneOptions& options) : options_(options) {
    PrepareProcess();
    document_ = std::make_shared<platform::XmlDocument>();
    if (!document_->Call("load", PanesFilePath()).ToBool()) throw Failure("cannot read the panes file " + PanesFilePath());
    section_ = document_->Call("selectSingleNode", "/PANES/" + options_.pane).ToObject();
    if (options_.pane.empty() || !section_) {
        throw Failure("there is no pane \"" + options_.pane + "\" (\"simplelinks panes\" lists them)");
    }
    if (options_.parent.empty()) throw Failure("--parent needs the parent's type");
    ConnectServer();
    site_ = std::make_shared<platform::ControlSite>();
    if (DispatchPtr comm = CommObject()) site_->SetComm(Variant(comm));
    site_->SetHost(Variant(automation::CreateObject("noxhostservices.clshostservices")));
    control_ = std::make_shared<noxsimplelinks::ctlSimpleLinks>();
    control_->SetContainer(Variant(DispatchPtr(site_)));
    SetParent();
    control_->Init(Variant(section_));
}

PaneHost::~PaneHost() {
    control_->CloseMe();
    if (embedded_) server::UninstallEmbeddedServer();
}

void PaneHost::ConnectServer() {
    // Without --server, a served server the connection file names (with its session token and
    // certificate authorities), else the embedded one.
    if (options_.server.empty() && !components::ConnectionSettings::ParseUrl(components::ConnectionSettings::Load().url).embedded)
        return;
    if (options_.server.empty()) {
        server::InstallEmbeddedServer();
        embedded_ = true;
        auto inner = components::EmbeddedServer::Current();
        components::EmbeddedServer::Register([this, inner](const std::string& request) {
            const auto start = std::chrono::steady_clock::now();
            std::string answer = inner(request);
            serverMilliseconds_ += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            return answer;
        });
        return;
    }
    DispatchPtr probe = automation::CreateObject("noxcomm2.Icomm");
    try {
        probe->Call("Open", options_.server, int32_t{0}, "");
    } catch (const automation::AutomationError& e) {
        throw Failure("cannot reach the server " + options_.server + ": " + e.Description());
    }
    // The components that open their own communication (the step dialogs) reach the same server.
    platform::Environment::Set(components::ConnectionSettings::kUrlVariable, options_.server);
}

DispatchPtr PaneHost::CommObject() const {
    if (options_.sync) {
        DispatchPtr comm = automation::CreateObject("noxrequestpars.XMLRequestPars");
        if (!options_.server.empty() && !comm->Call("Open", options_.server, int32_t{0}, "").ToBool()) {
            throw Failure("cannot reach the server " + options_.server + ": " + comm->Get("LastError").ToString());
        }
        return comm;
    }
    if (options_.server.empty()) return nullptr;
    DispatchPtr comm = automation::CreateObject("noxsimplelinks.clsCommWrapper2");
    if (!comm->Call("Init", options_.server, int32_t{0}, std::string(), "noxcomm2.Icomm").ToBool()) {
        throw Failure("cannot reach the server " + options_.server + ": " +
                      comm->Get("LastCommError").ToObject()->Get("Description").ToString());
    }
    return comm;
}

void PaneHost::SetParent() {
    const std::string& type = options_.parent.front();
    std::vector<std::string> keys, values;
    for (size_t i = 1; i < options_.parent.size(); ++i) {
        const std::string& pair = options_.parent[i];
        const size_t equals = pair.find('=');
        if (equals == std::string::npos || equals == 0) {
            throw Failure("a parent key is written KEY=VALUE, not \"" + pair + "\"");
        }
        const std::string key = pair.substr(0, equals);
        keys.push_back(key.find('.') == std::string::npos ? type + "." + key : key);
        values.push_back(pair.substr(equals + 1));
    }
    control_->SetParentType(type);
    control_->SetParentKeys(List(keys));
    control_->SetParentValues(List(values));
    // A host also names the parent's attributes in Params ("ITEM.ITEM_KEY" -> "A100"); --param adds others.
    for (size_t i = 0; i < keys.size(); ++i) control_->Params()->Call("Add", values[i], keys[i]);
    for (const std::string& param : options_.params) {
        const size_t equals = param.find('=');
        if (equals == std::string::npos || equals == 0) throw Failure("--param takes NAME=VALUE, not \"" + param + "\"");
        control_->Params()->Call("Add", param.substr(equals + 1), param.substr(0, equals));
    }
}

void PaneHost::Load() {
    serverMilliseconds_ = 0;
    const auto start = std::chrono::steady_clock::now();
    control_->Refresh();
    AwaitAnswer();
    loadMilliseconds_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void PaneHost::AwaitAnswer() {
    if (control_->RequestPending() &&
        !automation::Apartment::Current()->PumpUntil([this] { return !control_->RequestPending(); }, kLoadTimeout)) {
        throw Failure("the server did not answer within 60 seconds");
    }
}

void PaneHost::Select(const std::vector<int>& rows) {
    auto& grid = dynamic_cast<platform::FlexGrid&>(*control_->Grid());
    platform::GridUser user(grid);
    bool first = true;
    for (int row : rows) {
        if (row < 1 || row > RowCount()) {
            throw Failure("there is no row " + std::to_string(row) + " (the pane has " + std::to_string(RowCount()) + ")");
        }
        user.Click(grid.FixedRows() + row - 1, 0, first ? 0 : platform::GridUser::kCtrl);
        first = false;
    }
}

int32_t PaneHost::RowCount() const {
    const auto& grid = dynamic_cast<const platform::FlexGrid&>(*control_->Grid());
    return grid.Rows() - grid.FixedRows();
}

std::string PaneHost::Title() const {
    std::string label = section_->Call("selectSingleNode", "LABEL").IsNothing()
                            ? options_.pane
                            : section_->Call("selectSingleNode", "LABEL").ToObject()->Get("Text").ToString();
    std::string parent = options_.parent.front();
    for (size_t i = 1; i < options_.parent.size(); ++i) parent += (i == 1 ? " " : ", ") + options_.parent[i];
    return label + " of " + parent;
}

void PaneHost::PrintTools(std::ostream& out) const {
    out << platform::RenderText(dynamic_cast<const platform::ToolbarControl&>(*control_->ToolBar()));
}

void PaneHost::PrintPane(std::ostream& out) const {
    out << Title() << "\n\n";
    PrintTools(out);
    out << "\n" << platform::RenderText(dynamic_cast<const platform::FlexGrid&>(*control_->Grid()));
    const int32_t rows = RowCount();
    out << rows << (rows == 1 ? " row" : " rows") << "\n";
}

void PaneHost::PrintTimings(std::ostream& out) const {
    const auto& t = control_->LastLoadTimes();
    // An asynchronous load's exchange is what the whole load took beyond the control's own steps.
    const double exchange = t.send > 0 ? t.send : loadMilliseconds_ - t.build - t.fill - t.tools;
    auto ms = [](double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f ms", value);
        return std::string(text);
    };
    out << "timings: building the request " << ms(t.build);
    if (embedded_) out << ", server " << ms(serverMilliseconds_) << ", transport " << ms(exchange - serverMilliseconds_);
    else out << ", server and transport " << ms(exchange);
    out << ", row set and filling " << ms(t.fill) << ", tool states " << ms(t.tools) << "\n";
}

}  // namespace simplelinks
