#include "embedded/EmbeddedPlm.h"

#include <filesystem>
#include <memory>

#include "DataPaths.h"
#include "PlmServer.h"
#include "SampleLoader.h"
#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxcomm2/EmbeddedServer.h"
#include "objdefs/ObjectDefinitionsReader.h"

namespace server {

namespace {

// The user of the connection settings (their USER, else the login name); none when they cannot be read.
std::string ConnectionUser() {
    try {
        return components::ConnectionSettings::Load().UserName();
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace

std::string InstallEmbeddedServer(const std::string& location) {
    std::string path = location.empty() ? DefaultStorePath() : location;
    if (!IsPostgresUrl(path) && std::filesystem::path(path).has_parent_path())
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    auto server = std::make_shared<PlmServer>(objdefs::ObjectDefinitionsReader::ReadFile(DefinitionsFile()), path);
    if (server->GetStore().IsNew()) SampleLoader::LoadFile(server->GetStore(), server->Definitions(), SampleFile());
    // The embedded server answers this process's own user: a request that names none is the user of
    // the connection settings (their USER, else the login name).
    components::EmbeddedServer::Register([server](const std::string& request) {
        Caller caller;
        caller.user = ConnectionUser();
        return server->Serve(request, caller).answer;
    });
    return path;
}

void UninstallEmbeddedServer() { components::EmbeddedServer::Unregister(); }

}  // namespace server
