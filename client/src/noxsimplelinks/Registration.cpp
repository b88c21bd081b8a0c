#include "noxsimplelinks/Registration.h"

#include "automation/ObjectFactory.h"
#include "noxsimplelinks/env/clsDate.h"
#include "noxsimplelinks/metadata/clsResWrapper.h"

namespace noxsimplelinks {

void RegisterClasses() {
    using automation::RegisterClass;
    RegisterClass<clsDate>("noxsimplelinks.clsDate");
    RegisterClass<clsResWrapper>("noxsimplelinks.clsResWrapper");
}

}  // namespace noxsimplelinks
