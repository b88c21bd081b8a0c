#include "embedded/EmbeddedPlm.h"

#include <filesystem>
#include <memory>

#include "DataPaths.h"
#include "PlmServer.h"
#include "SampleLoader.h"
#include "components/noxcomm2/EmbeddedServer.h"
#include "objdefs/ObjectDefinitionsReader.h"

namespace server {

std::string InstallEmbeddedServer(const std::string& location) {
    std::string path = location.empty() ? DefaultStorePath() : location;
    if (!IsPostgresUrl(path) && std::filesystem::path(path).has_parent_path())
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    auto server = std::make_shared<PlmServer>(objdefs::ObjectDefinitionsReader::ReadFile(DefinitionsFile()), path);
    if (server->GetStore().IsNew()) SampleLoader::LoadFile(server->GetStore(), server->Definitions(), SampleFile());
    components::EmbeddedServer::Register([server](const std::string& request) { return server->Handle(request); });
    return path;
}

void UninstallEmbeddedServer() { components::EmbeddedServer::Unregister(); }

}  // namespace server
