#include "components/Registration.h"

#include "automation/ObjectFactory.h"
#include "components/noxauth/IAuthorization.h"
#include "components/noxcbars/ICommandBars.h"
#include "components/noxcomm2/Icomm.h"
#include "components/noxAttrs/IclsAttributes.h"
#include "components/noxFind/IclsFind.h"
#include "components/noxconn2/IConnect.h"
#include "components/noxdialog/Iclsdialog.h"
#include "components/noxfile2/iclsfile.h"
#include "components/noxfunctoolkit/iclsfunctoolkit.h"
#include "components/noxgrid/IclsGrid.h"
#include "components/noxhostservices/clshostservices.h"
#include "components/noxmetadata2/IMetaData.h"
#include "components/noxprint/IclsPrint.h"
#include "components/noxres/IRes.h"
#include "components/noxrequest/IRequest.h"
#include "components/noxrequestpars/XMLRequestPars.h"
#include "components/noxwfattached/Iclswfattached.h"
#include "components/noxxmlutil/IXmlUtil.h"

namespace components {

void RegisterComponents() {
    using automation::RegisterClass;
    RegisterClass<Icomm>("noxcomm2.Icomm");
    RegisterClass<IConnect>("noxconn2.IConnect");
    RegisterClass<IMetaData>("noxmetadata2.IMetaData");
    RegisterClass<IRes>("noxres.IRes");
    RegisterClass<IRequest>("noxrequest.IRequest");
    RegisterClass<IXmlUtil>("noxxmlutil.IXmlUtil");
    RegisterClass<IclsGrid>("noxgrid.IclsGrid");
    RegisterClass<IclsPrint>("noxprint.IclsPrint");
    RegisterClass<IclsAttributes>("noxAttrs.IclsAttributes");
    RegisterClass<IclsFind>(IclsFind::kProgId);
    RegisterClass<Iclsdialog>(Iclsdialog::kProgId);
    RegisterClass<ICommandBars>("noxcbars.ICommandBars");
    RegisterClass<IAuthorization>("noxauth.IAuthorization");
    RegisterClass<clshostservices>(clshostservices::kProgId);
    RegisterClass<XMLRequestPars>(XMLRequestPars::kProgId);
    RegisterClass<iclsfile>(iclsfile::kProgId);
    RegisterClass<iclsfunctoolkit>(iclsfunctoolkit::kProgId);
    RegisterClass<Iclswfattached>(Iclswfattached::kProgId);
}

}  // namespace components
