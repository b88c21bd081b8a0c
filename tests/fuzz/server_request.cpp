// Any request text handled by the reference server (PlmServer::Handle, behind the HTTP and the
// embedded transports) over the sample data: the answer is always a well-formed answer document.
#include <filesystem>

#include "AnswerShape.h"
#include "DataPaths.h"
#include "FuzzTarget.h"
#include "FuzzWorld.h"
#include "PlmServer.h"
#include "SampleLoader.h"
#include "objdefs/ObjectDefinitionsReader.h"

namespace {

server::PlmServer& SampleServer() {
    static std::unique_ptr<server::PlmServer> plm = [] {
        const std::string store = fuzzing::FuzzWorld::ForInput().WriteFile("plm-store/.keep", "");
        auto server = std::make_unique<server::PlmServer>(
            objdefs::ObjectDefinitionsReader::ReadFile(server::DefinitionsFile()),
            (std::filesystem::path(store).parent_path() / "plm.db").string());
        server::SampleLoader::LoadFile(server->GetStore(), server->Definitions(), server::SampleFile());
        return server;
    }();
    return *plm;
}

}  // namespace

NOX_FUZZ_TARGET(server_request) {
    const std::string answer = SampleServer().Handle(input);
    const std::string fault = plmtest::AnswerShape()(answer);
    NOX_FUZZ_REQUIRE(fault.empty(), fault + " in " + answer.substr(0, 300));
}
