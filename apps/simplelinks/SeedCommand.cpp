#include "SeedCommand.h"

#include <filesystem>
#include <iostream>

#include "DataGenerator.h"
#include "ServerStore.h"

namespace simplelinks {

namespace {

struct SeedOptions {
    StoreOptions store;
    bool generate = false;
    bool replace = false;
    server::GeneratorOptions generator;
};

void Seed(const SeedOptions& options) {
    if (std::filesystem::exists(options.store.database)) {
        if (!options.replace) throw std::runtime_error(options.store.database + " exists; --replace to recreate it");
        for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(options.store.database + suffix);
    }
    auto plm = OpenServerStore(options.store, !options.generate);
    if (options.generate) server::DataGenerator::Generate(plm->GetStore(), plm->Definitions(), options.generator);
    std::cout << options.store.database << ": " << plm->GetStore().CountObjects() << " objects, "
              << plm->GetStore().CountLinks() << " links\n";
}

}  // namespace

void AddSeedCommand(CLI::App& app) {
    auto options = std::make_shared<SeedOptions>();
    CLI::App* seed = app.add_subcommand("seed", "Create a server store from the sample data set or the generator");
    seed->add_option("--db", options->store.database, "The store to create")->required();
    seed->add_flag("--replace", options->replace, "Replace an existing store");
    seed->add_option("--objdefs", options->store.definitions, "The object-definitions file");
    seed->add_flag("--generate", options->generate, "A generated data set instead of the sample");
    seed->add_option("--items", options->generator.items, "Generated items")->capture_default_str();
    seed->add_option("--links", options->generator.links, "Generated structure links")->capture_default_str();
    seed->add_option("--probe-children", options->generator.probeChildren, "Children of the item PROBE/A")
        ->capture_default_str();
    seed->callback([options] { RunReporting([&] { Seed(*options); }); });
}

}  // namespace simplelinks
