#include "ServeCommand.h"

#include <pthread.h>
#include <signal.h>

#include <iostream>
#include <thread>

#include "HttpServer.h"
#include "ServerStore.h"

namespace simplelinks {

namespace {

struct ServeOptions {
    StoreOptions store;
    std::string host = "127.0.0.1";
    int port = 8080;
    std::string path = server::HttpServer::kDefaultPath;
};

// Serves until SIGINT or SIGTERM, which a thread of its own waits for.
void Serve(const ServeOptions& options) {
    auto plm = OpenServerStore(options.store, true);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    server::HttpServer http(*plm, options.path);
    http.Bind(options.host, options.port);
    std::cout << http.Url() << std::endl;
    std::thread waiter([&] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        http.Stop();
    });
    http.Run();
    pthread_kill(waiter.native_handle(), SIGTERM);  // wakes the waiter when the server stopped by itself
    waiter.join();
    std::cout << "stopped" << std::endl;
}

}  // namespace

void AddServeCommand(CLI::App& app) {
    auto options = std::make_shared<ServeOptions>();
    CLI::App* serve = app.add_subcommand("serve", "Serve the reference PLM server over HTTP");
    serve->add_option("--db", options->store.database,
                      "The store: a SQLite file or postgresql://user@host/db (filled from the sample when new)")
        ->required();
    serve->add_option("--port", options->port, "The port; 0 picks a free one")->capture_default_str();
    serve->add_option("--host", options->host, "The address to listen on")->capture_default_str();
    serve->add_option("--path", options->path, "The path requests are POSTed to")->capture_default_str();
    serve->add_option("--objdefs", options->store.definitions, "The object-definitions file");
    serve->callback([options] { RunReporting([&] { Serve(*options); }); });
}

}  // namespace simplelinks
