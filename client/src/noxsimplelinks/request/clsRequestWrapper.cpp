#include "noxsimplelinks/request/clsRequestWrapper.h"

#include "automation/ObjectFactory.h"

namespace noxsimplelinks {

const automation::MemberTable<clsRequestWrapper>& clsRequestWrapper::Members() {
    static const automation::MemberTable<clsRequestWrapper> table = [] {
        automation::MemberTable<clsRequestWrapper> t;
        t.Method("setuserparams", &clsRequestWrapper::setuserparams)
            .Method("setparams", &clsRequestWrapper::setparams)
            .Method("setobjects", &clsRequestWrapper::setobjects)
            .Method("setrequestfile", &clsRequestWrapper::setrequestfile)
            .Method("initresfile", &clsRequestWrapper::initresfile)
            .Method("buildrequest", &clsRequestWrapper::buildrequest);
        return t;
    }();
    return table;
}

clsRequestWrapper::clsRequestWrapper() : request_(automation::CreateObject("noxrequest.IRequest")) {}

}  // namespace noxsimplelinks
