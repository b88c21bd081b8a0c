#include "UserCommand.h"

#include <iostream>
#include <memory>

#include "Accounts.h"
#include "PasswordPrompt.h"
#include "ServerStore.h"

namespace simplelinks {

namespace {

struct UserOptions {
    std::string database;
    std::string name;
    std::string userType;
};

// Runs `work` on the users of the store the options name; a new store gets the sample, as serve
// would give it.
void OnAccounts(const UserOptions& options, const std::function<void(server::Accounts&)>& work) {
    RunReporting([&] {
        auto plm = OpenServerStore({options.database, {}}, true);
        server::Accounts accounts(plm->GetStore());
        work(accounts);
    });
}

CLI::App* AddAction(CLI::App& user, const std::shared_ptr<UserOptions>& options, const char* name, const char* description,
                    bool named) {
    CLI::App* action = user.add_subcommand(name, description);
    action->add_option("--db", options->database, "The store: a SQLite file or postgresql://user@host/db")->required();
    if (named) action->add_option("name", options->name, "The user's name")->required();
    return action;
}

}  // namespace

void AddUserCommand(CLI::App& app) {
    auto options = std::make_shared<UserOptions>();
    CLI::App* user = app.add_subcommand("user", "The users of a server's store; passwords are read from the terminal or standard input");
    user->require_subcommand(1);

    CLI::App* add = AddAction(*user, options, "add", "Add a user with a user type of the rights file", true);
    add->add_option("--type", options->userType, "The user type (role), as the rights file names it")->required();
    add->callback([options] {
        OnAccounts(*options, [&](server::Accounts& accounts) {
            accounts.RequireNew(options->name);  // before the password is asked for
            accounts.Add(options->name, options->userType, ReadPassword("Password for " + options->name + ": ", true));
            std::cout << "added " << options->name << " (" << options->userType << ")\n";
        });
    });
    AddAction(*user, options, "passwd", "Give a user a new password; their sessions end", true)->callback([options] {
        OnAccounts(*options, [&](server::Accounts& accounts) {
            accounts.RequireKnown(options->name);
            accounts.SetPassword(options->name, ReadPassword("New password for " + options->name + ": ", true));
            std::cout << "new password for " << options->name << "\n";
        });
    });
    AddAction(*user, options, "remove", "Remove a user and their sessions", true)->callback([options] {
        OnAccounts(*options, [&](server::Accounts& accounts) {
            accounts.Remove(options->name);
            std::cout << "removed " << options->name << "\n";
        });
    });
    AddAction(*user, options, "list", "List the users and their types", false)->callback([options] {
        OnAccounts(*options, [&](server::Accounts& accounts) {
            for (const server::Account& account : accounts.List()) std::cout << account.name << "\t" << account.userType << "\n";
        });
    });
}

}  // namespace simplelinks
