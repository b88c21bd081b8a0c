#include "DesktopSession.h"

#include <stdexcept>

#include "DesktopUi.h"
#include "SystemClipboard.h"
#include "automation/AutomationError.h"
#include "automation/ObjectFactory.h"
#include "components/noxcomm2/ConnectionSettings.h"
#include "embedded/EmbeddedPlm.h"
#include "hosting/Registration.h"

namespace desktop {

DesktopSession::DesktopSession(const std::string& server) {
    hosting::RegisterAll();
    if (!server.empty()) {
        try {
            automation::CreateObject("noxcomm2.Icomm")->Call("Open", server, int32_t{0}, "");
        } catch (const automation::AutomationError& e) {
            throw std::runtime_error("cannot reach the server " + server + ": " + e.Description());
        }
    } else if (components::ConnectionSettings::ParseUrl(components::ConnectionSettings::Load().url).embedded) {
        server::InstallEmbeddedServer();
        embedded_ = true;
    }
    previousUi_ = platform::InstallUi(std::make_shared<DesktopUi>());
    previousClipboard_ = platform::InstallClipboard(std::make_shared<SystemClipboard>());
}

DesktopSession::~DesktopSession() {
    platform::InstallClipboard(previousClipboard_);
    platform::InstallUi(previousUi_);
    if (embedded_) server::UninstallEmbeddedServer();
}

}  // namespace desktop
