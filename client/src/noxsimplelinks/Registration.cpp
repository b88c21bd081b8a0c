#include "noxsimplelinks/Registration.h"

#include "automation/ObjectFactory.h"
#include "noxsimplelinks/comm/clsCommWrapper2.h"
#include "noxsimplelinks/comm/clsCommWrapperAsync.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "noxsimplelinks/env/clsDate.h"
#include "noxsimplelinks/grid/clsAttrsWrapper.h"
#include "noxsimplelinks/grid/clsClipboard.h"
#include "noxsimplelinks/grid/clsGridExport.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "noxsimplelinks/grid/clsGridWrapper.h"
#include "noxsimplelinks/grid/clsReportWrapper.h"
#include "noxsimplelinks/lockinfo/clsLockInformation.h"
#include "noxsimplelinks/metadata/clsObjDefWrapper2.h"
#include "noxsimplelinks/metadata/clsResWrapper.h"
#include "noxsimplelinks/metadata/clsUI_DefWrapper.h"
#include "noxsimplelinks/request/clsRequestWrapper.h"
#include "noxsimplelinks/request/clsUtils.h"
#include "noxsimplelinks/toolbar/clsActions.h"
#include "noxsimplelinks/toolbar/clsCbarsWrapper2.h"

namespace noxsimplelinks {

void RegisterClasses() {
    using automation::RegisterClass;
    RegisterClass<clsCommWrapper2>("noxsimplelinks.clsCommWrapper2");
    RegisterClass<clsCommWrapperAsync>("noxsimplelinks.clsCommWrapperAsync");
    RegisterClass<clsRequestWrapper>("noxsimplelinks.clsRequestWrapper");
    RegisterClass<clsUtils>("noxsimplelinks.clsUtils");
    RegisterClass<clsXmlWrapper>("noxsimplelinks.clsXmlWrapper");
    RegisterClass<clsObjDefWrapper2>("noxsimplelinks.clsObjDefWrapper2");
    RegisterClass<clsDate>("noxsimplelinks.clsDate");
    RegisterClass<clsResWrapper>("noxsimplelinks.clsResWrapper");
    RegisterClass<clsUI_DefWrapper>("noxsimplelinks.clsUI_DefWrapper");
    RegisterClass<clsGrid>("noxsimplelinks.clsGrid");
    RegisterClass<clsGridWrapper>("noxsimplelinks.clsGridWrapper");
    RegisterClass<clsReportWrapper>("noxsimplelinks.clsReportWrapper");
    RegisterClass<clsAttrsWrapper>("noxsimplelinks.clsAttrsWrapper");
    RegisterClass<clsClipboard>(clsClipboard::kProgId);
    RegisterClass<clsGridExport>(clsGridExport::kProgId);
    RegisterClass<clsCbarsWrapper2>("noxsimplelinks.clsCbarsWrapper2");
    RegisterClass<clsActions>("noxsimplelinks.clsActions");
    RegisterClass<clsLockInformation>(clsLockInformation::kProgId);
    RegisterClass<ctlSimpleLinks>(ctlSimpleLinks::kProgId);
}

}  // namespace noxsimplelinks
