#include "noxsimplelinks/Registration.h"

#include "automation/ObjectFactory.h"

namespace noxsimplelinks {

void RegisterClasses() {
    using automation::RegisterClass;
}

}  // namespace noxsimplelinks
