// simplelinks: the command-line host of the attached-items pane.
#include <CLI/CLI.hpp>
#include <iostream>

#include "CheckInCommand.h"
#include "DemoTour.h"
#include "LoginCommand.h"
#include "PaneCommands.h"
#include "ProfileReport.h"
#include "SeedCommand.h"
#include "ServeCommand.h"
#include "UserCommand.h"
#include "automation/AutomationError.h"
#include "hosting/Registration.h"
#include "hosting/ShippedProfile.h"

int main(int argc, char** argv) {
    CLI::App app{"simplelinks: the attached-items pane of the PLM client, on the command line"};
    app.require_subcommand(1);

    auto* profile = app.add_subcommand("profile", "Show the user's profile folder and the logical directories");
    auto* demo = app.add_subcommand("demo", "A short tour of the sample");
    simplelinks::AddPaneCommands(app);
    simplelinks::AddServeCommand(app);
    simplelinks::AddSeedCommand(app);
    simplelinks::AddUserCommand(app);
    simplelinks::AddLoginCommand(app);
    simplelinks::AddCheckInCommand(app);

    hosting::UseShippedAllUsersProfile();
    CLI11_PARSE(app, argc, argv);
    try {
        hosting::RegisterAll();
        if (*profile) simplelinks::PrintProfile(std::cout);
        if (*demo) simplelinks::RunTour(std::cout);
        return 0;
    } catch (const automation::AutomationError& e) {
        std::cerr << "simplelinks: " << e.Description() << " (error " << e.Number() << ")\n";
    } catch (const std::exception& e) {
        std::cerr << "simplelinks: " << e.what() << "\n";
    }
    return 1;
}
