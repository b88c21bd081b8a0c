#include "platform/Registration.h"

#include "automation/Collection.h"
#include "automation/ObjectFactory.h"
#include "platform/dialog/Dialog.h"
#include "platform/grid/FlexGrid.h"
#include "platform/site/ControlSite.h"
#include "platform/toolbar/ToolbarControl.h"

namespace platform {

void RegisterControls() {
    using automation::RegisterClass;
    RegisterClass<FlexGrid>(FlexGrid::kProgId);
    RegisterClass<ToolbarControl>(ToolbarControl::kProgId);
    RegisterClass<automation::Collection>("Automation.Collection");
    RegisterClass<ControlSite>(ControlSite::kProgId);
    RegisterClass<Dialog>(Dialog::kProgId);
}

}  // namespace platform
