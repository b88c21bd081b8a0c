#include "ServerComm.h"

#include <stdexcept>

#include "automation/ObjectFactory.h"

namespace desktop {

automation::DispatchPtr ServerComm(const std::string& server) {
    automation::DispatchPtr comm = automation::CreateObject("noxsimplelinks.clsCommWrapper2");
    if (!server.empty() && !comm->Call("Init", server, int32_t{0}, std::string(), "noxcomm2.Icomm").ToBool())
        throw std::runtime_error("cannot reach the server " + server + ": " +
                                 comm->Get("LastCommError").ToObject()->Get("Description").TextOr(""));
    return comm;
}

}  // namespace desktop
