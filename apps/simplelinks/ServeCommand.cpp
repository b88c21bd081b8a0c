#include "ServeCommand.h"

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <iostream>
#include <thread>

#include "Accounts.h"
#include "DataPaths.h"
#include "HttpServer.h"
#include "ServerStore.h"

namespace simplelinks {

namespace {

struct ServeOptions {
    StoreOptions store;
    std::string host = "127.0.0.1";
    int port = 8080;
    server::HttpSettings http;
    bool noLogin = false;
    double sessionHours = server::Sessions::kDefaultLifetime.count();
    double timeLimitSeconds = 30;
    std::string rights;  // empty: the sample's
};

// Serves until SIGINT or SIGTERM, which a thread of its own waits for.
void Serve(ServeOptions options) {
    auto plm = OpenServerStore(options.store, true);
    options.http.requireLogin = !options.noLogin;
    options.http.sessionLifetime = std::chrono::seconds(static_cast<int64_t>(options.sessionHours * 3600));
    options.http.timeLimit = std::chrono::milliseconds(static_cast<int64_t>(options.timeLimitSeconds * 1000));
    if (options.http.requireLogin) {
        plm->UseRights(rights::RightsTable::Load(options.rights.empty() ? server::RightsFile() : options.rights));
        if (server::Accounts(plm->GetStore()).List().empty())
            std::cerr << "simplelinks: the store has no users yet; add one with \"simplelinks user add\"\n";
    }
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    server::HttpServer http(*plm, options.http);
    http.Bind(options.host, options.port);
    std::cout << http.Url() << std::endl;
    std::atomic<bool> ran = false;
    std::thread waiter([&] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        while (!http.Running() && !ran) std::this_thread::sleep_for(std::chrono::milliseconds(10));  // a signal right at the start
        http.Stop();
    });
    http.Run();
    ran = true;
    pthread_kill(waiter.native_handle(), SIGTERM);  // wakes the waiter when the server stopped by itself
    waiter.join();
    std::cout << "stopped" << std::endl;
}

}  // namespace

void AddServeCommand(CLI::App& app) {
    auto options = std::make_shared<ServeOptions>();
    CLI::App* serve = app.add_subcommand("serve", "Serve the reference PLM server over HTTP or HTTPS");
    serve->add_option("--db", options->store.database,
                      "The store: a SQLite file or postgresql://user@host/db (filled from the sample when new)")
        ->required();
    serve->add_option("--port", options->port, "The port; 0 picks a free one")->capture_default_str();
    serve->add_option("--host", options->host, "The address to listen on")->capture_default_str();
    serve->add_option("--path", options->http.path, "The path requests are POSTed to")->capture_default_str();
    serve->add_option("--objdefs", options->store.definitions, "The object-definitions file");
    serve->add_option("--rights", options->rights, "The rights file whose rights every change needs (default: the sample's)");
    serve->add_flag("--no-auth", options->noLogin, "Serve without login, taking the user from each request (loopback only)");
    serve->add_option("--user", options->http.user, "With --no-auth: the user of requests that name none (default anonymous)");
    serve->add_option("--session-hours", options->sessionHours, "How long a login lasts")->capture_default_str();
    serve->add_option("--tls-cert", options->http.tlsCertificate, "HTTPS: the server's certificate (chain), a PEM file");
    serve->add_option("--tls-key", options->http.tlsKey, "HTTPS: the certificate's private key, a PEM file");
    serve->add_option("--max-connections", options->http.maxConnections, "Connections served at once")->capture_default_str();
    serve->add_option("--time-limit", options->timeLimitSeconds, "Seconds a request may take")->capture_default_str();
    serve->callback([options] { RunReporting([&] { Serve(*options); }); });
}

}  // namespace simplelinks
