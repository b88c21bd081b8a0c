#include "components/Registration.h"

#include "automation/ObjectFactory.h"
#include "components/noxres/IRes.h"
#include "noxsimplelinks/Registration.h"

namespace components {

void RegisterComponents() {
    using automation::RegisterClass;
    RegisterClass<IRes>("noxres.IRes");
}

void RegisterAll() {
    noxsimplelinks::RegisterClasses();
    RegisterComponents();
}

}  // namespace components
