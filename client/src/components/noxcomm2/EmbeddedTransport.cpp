#include "components/noxcomm2/EmbeddedTransport.h"

#include "automation/AutomationError.h"
#include "components/noxcomm2/CommErrors.h"
#include "components/noxcomm2/EmbeddedServer.h"

namespace components {

std::string EmbeddedTransport::Exchange(const std::string& request) const {
    EmbeddedServer::Handler handler = EmbeddedServer::Current();
    try {
        return handler(request);
    } catch (const automation::AutomationError&) {
        throw;
    } catch (const std::exception& e) {
        throw automation::AutomationError(commerrors::kUnreachable, std::string("The embedded server failed: ") + e.what());
    }
}

void EmbeddedTransport::Probe() const { EmbeddedServer::Current(); }

}  // namespace components
