#include "hosting/Registration.h"

#include "components/Registration.h"
#include "noxsimplelinks/Registration.h"
#include "platform/Registration.h"

namespace hosting {

void RegisterAll() {
    platform::RegisterControls();
    noxsimplelinks::RegisterClasses();
    components::RegisterComponents();
}

}  // namespace hosting
