#include "components/Registration.h"

#include "automation/ObjectFactory.h"
#include "noxsimplelinks/Registration.h"

namespace components {

void RegisterComponents() {
    using automation::RegisterClass;
}

void RegisterAll() {
    noxsimplelinks::RegisterClasses();
    RegisterComponents();
}

}  // namespace components
