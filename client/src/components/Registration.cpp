#include "components/Registration.h"

#include "automation/ObjectFactory.h"
#include "components/noxcomm2/Icomm.h"
#include "components/noxconn2/IConnect.h"
#include "components/noxmetadata2/IMetaData.h"
#include "components/noxres/IRes.h"
#include "noxsimplelinks/Registration.h"
#include "platform/Registration.h"

namespace components {

void RegisterComponents() {
    using automation::RegisterClass;
    RegisterClass<Icomm>("noxcomm2.Icomm");
    RegisterClass<IConnect>("noxconn2.IConnect");
    RegisterClass<IMetaData>("noxmetadata2.IMetaData");
    RegisterClass<IRes>("noxres.IRes");
}

void RegisterAll() {
    platform::RegisterControls();
    noxsimplelinks::RegisterClasses();
    RegisterComponents();
}

}  // namespace components
