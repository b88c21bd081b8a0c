#pragma once
// A scripted embedded server for the tests of what sends requests: the request text names the answer
// to give ("ok", "failed", "warning", "warning, silent first method", "not xml") or the failure to
// raise ("throw").
#include <stdexcept>
#include <string>

namespace testsupport {

inline std::string ScriptedAnswer(const std::string& request) {
    if (request == "throw") throw std::runtime_error("disk full");
    if (request == "not xml") return "Service Unavailable";
    if (request == "failed")
        return "<Answer ResultCode='failed'><Messages><Message><Description>no such item</Description></Message>"
               "<Message><Description>second</Description></Message></Messages></Answer>";
    if (request == "warning")
        return "<Answer ResultCode='warning'><Messages><Message><Description>answer level</Description></Message>"
               "</Messages><MethodResponses><MethodResponse ResultCode='Partial'><Messages><Message>"
               "<Description>row 2 locked</Description></Message></Messages></MethodResponse>"
               "<MethodResponse ResultCode='FAILED'/></MethodResponses></Answer>";
    if (request == "warning, silent first method")
        return "<Answer ResultCode='WARNING'><Messages><Message><Description>x</Description></Message></Messages>"
               "<MethodResponses><MethodResponse ResultCode='OK'/></MethodResponses></Answer>";
    return "<Answer ResultCode='ok'><MethodResponses><MethodResponse ResultCode='OK'/></MethodResponses></Answer>";
}

}  // namespace testsupport
