#pragma once
// Loads a data-set file (docs/formats.md, "Server data set") into a store: objects, links, history
// rows and the contents of files (read from files beside the data set), in one transaction. Values are typed by the object definitions.
#include <string>

#include "Store.h"
#include "objdefs/ObjectDefinitions.h"

namespace server {

class SampleLoader {
public:
    // Raises StoreError naming the element that cannot be loaded; the store is then unchanged.
    static void LoadFile(Store& store, const objdefs::ObjectDefinitions& defs, const std::string& path);
    // folder: where the paths of file contents start (the data set's folder).
    static void LoadText(Store& store, const objdefs::ObjectDefinitions& defs, const std::string& text,
                         const std::string& folder = {});
};

}  // namespace server
