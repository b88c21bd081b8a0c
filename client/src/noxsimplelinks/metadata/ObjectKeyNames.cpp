#include "noxsimplelinks/metadata/ObjectKeyNames.h"

#include "noxsimplelinks/metadata/clsObjDefWrapper2.h"

namespace noxsimplelinks {

automation::Variant GetObjectKeyNames(const std::string& objectType) noexcept {
    try {
        return clsObjDefWrapper2().getObjectKeys(objectType);
    } catch (...) {
        return automation::Variant();
    }
}

}  // namespace noxsimplelinks
