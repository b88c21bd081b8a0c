#include "SeedCommand.h"

#include <iostream>

#include "DataGenerator.h"
#include "DataPaths.h"
#include "SampleLoader.h"
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
    auto plm = OpenServerStore(options.store, false);
    server::Store& store = plm->GetStore();
    if (store.HoldsData()) {
        if (!options.replace) throw std::runtime_error(store.Db().Location() + " holds data; --replace to recreate it");
        store.Clear();
    }
    if (options.generate)
        server::DataGenerator::Generate(store, plm->Definitions(), options.generator);
    else
        server::SampleLoader::LoadFile(store, plm->Definitions(), server::SampleFile());
    std::cout << store.Db().Location() << ": " << store.CountObjects() << " objects, "
              << store.CountLinks() << " links\n";
}

}  // namespace

void AddSeedCommand(CLI::App& app) {
    auto options = std::make_shared<SeedOptions>();
    CLI::App* seed = app.add_subcommand("seed", "Fill a server store from the sample data set or the generator");
    seed->add_option("--db", options->store.database, "The store to fill: a SQLite file or postgresql://user@host/db")
        ->required();
    seed->add_flag("--replace", options->replace, "Empty a store that holds data first");
    seed->add_option("--objdefs", options->store.definitions, "The object-definitions file");
    seed->add_flag("--generate", options->generate, "A generated data set instead of the sample");
    seed->add_option("--items", options->generator.items, "Generated items")->capture_default_str();
    seed->add_option("--links", options->generator.links, "Generated structure links")->capture_default_str();
    seed->add_option("--probe-children", options->generator.probeChildren, "Children of the item PROBE/A")
        ->capture_default_str();
    seed->callback([options] { RunReporting([&] { Seed(*options); }); });
}

}  // namespace simplelinks
