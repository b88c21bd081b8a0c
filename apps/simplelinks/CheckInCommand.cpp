#include "CheckInCommand.h"

#include <iostream>
#include <memory>

#include "RecordingUi.h"
#include "ServerStore.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "components/noxcomm2/ConnectionSettings.h"
#include "embedded/EmbeddedPlm.h"
#include "hosting/Registration.h"

namespace simplelinks {

namespace {

using automation::Variant;

struct CheckInOptions {
    std::string fileId;
    std::string revision = "1";
    std::string from;    // empty: the copy in the edit folder
    std::string server;  // empty: the connection file's server (the embedded one by default)
};

automation::DispatchPtr CommObject(const std::string& server) {
    automation::DispatchPtr comm = automation::CreateObject("noxrequestpars.XMLRequestPars");
    if (!server.empty() && !comm->Call("Open", server, int32_t{0}, "").ToBool())
        throw std::runtime_error("cannot reach the server " + server + ": " + comm->Get("LastError").ToString());
    return comm;
}

void CheckIn(const CheckInOptions& options) {
    hosting::RegisterAll();
    // A refusal is told as the message box the component shows.
    platform::InstallUi(std::make_shared<RecordingUi>(std::vector<int>{}, [](const std::string& what) { std::cout << "> " << what << "\n"; }));
    const bool embedded = options.server.empty() &&
                          components::ConnectionSettings::ParseUrl(components::ConnectionSettings::Load().url).embedded;
    if (embedded) server::InstallEmbeddedServer();
    const automation::DispatchPtr file = automation::CreateObject("noxfile2.iclsfile");
    file->Set("Host", Variant(automation::CreateObject("noxhostservices.clshostservices")));
    file->Set("Comm", Variant(CommObject(options.server)));
    const Variant keys(automation::SafeArray::Of({Variant("FILE.FILE_ID"), Variant("FILE.REVISION")}));
    const Variant values(automation::SafeArray::Of({Variant(options.fileId), Variant(options.revision)}));
    const bool done = file->Call("CheckIn", keys, values, options.from).ToBool();
    if (embedded) server::UninstallEmbeddedServer();
    if (!done) throw std::runtime_error("the file " + options.fileId + "/" + options.revision + " was not checked in");
    std::cout << "checked in " << options.fileId << "/" << options.revision << " from " << file->Get("LastPath").ToString() << "\n";
}

}  // namespace

void AddCheckInCommand(CLI::App& app) {
    auto options = std::make_shared<CheckInOptions>();
    CLI::App* command = app.add_subcommand(
        "checkin", "Give a file taken for editing back to the server: its copy in the edit folder becomes its content");
    command->add_option("file", options->fileId, "The file's id (FILE_ID)")->required();
    command->add_option("revision", options->revision, "The file's revision (1 unless given)");
    command->add_option("--from", options->from, "Check in this file instead of the copy in the edit folder");
    command->add_option("--server", options->server, "The server's URL instead of the connection file's");
    command->callback([options] { RunReporting([&] { CheckIn(*options); }); });
}

}  // namespace simplelinks
