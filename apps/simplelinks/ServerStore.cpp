#include "ServerStore.h"

#include <iostream>

#include <CLI/CLI.hpp>

#include "DataPaths.h"
#include "SampleLoader.h"
#include "objdefs/ObjectDefinitionsReader.h"

namespace simplelinks {

std::unique_ptr<server::PlmServer> OpenServerStore(const StoreOptions& options, bool sampleWhenNew) {
    auto defs = objdefs::ObjectDefinitionsReader::ReadFile(options.definitions.empty() ? server::DefinitionsFile()
                                                                                       : options.definitions);
    auto plm = std::make_unique<server::PlmServer>(defs, options.database);
    if (plm->GetStore().IsNew() && sampleWhenNew) server::SampleLoader::LoadFile(plm->GetStore(), *defs, server::SampleFile());
    return plm;
}

void RunReporting(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        std::cerr << "simplelinks: " << e.what() << "\n";
        throw CLI::RuntimeError(1);
    }
}

}  // namespace simplelinks
