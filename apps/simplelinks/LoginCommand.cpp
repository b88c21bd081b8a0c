#include "LoginCommand.h"

#include <iostream>

#include "PasswordPrompt.h"
#include "ServerStore.h"
#include "automation/ObjectFactory.h"
#include "components/noxcomm2/ConnectionSettings.h"
#include "hosting/Registration.h"

namespace simplelinks {

namespace {

void Login(const std::string& serverUrl) {
    hosting::RegisterAll();
    components::ConnectionSettings settings = components::ConnectionSettings::Load();
    automation::DispatchPtr comm = automation::CreateObject("noxcomm2.Icomm");
    if (!serverUrl.empty()) comm->Call("Open", serverUrl, int32_t{0}, "");
    const std::string server = comm->Get("Server").ToString();
    const std::string user = settings.UserName();
    const std::string until = comm->Call("Login", ReadPassword("Password of " + user + " at " + server + ": ", false)).ToString();
    if (until.empty()) std::cout << server << " needs no login\n";
    else std::cout << "logged in as " << user << " at " << server << " until " << until << "\n";
}

}  // namespace

void AddLoginCommand(CLI::App& app) {
    auto server = std::make_shared<std::string>();
    CLI::App* login = app.add_subcommand(
        "login", "Log in to the server of the connection file as its user; the session goes to its token file");
    login->add_option("--server", *server, "The server's URL instead of the connection file's");
    login->callback([server] { RunReporting([&] { Login(*server); }); });
}

}  // namespace simplelinks
