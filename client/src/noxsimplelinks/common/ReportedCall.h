#pragma once
// Runs an operation under the library's error handler: any failure is shown through the common error
// report with the given source ("clsUI_DefWrapper:getRequestFields"), and the procedure goes on with
// the fallback (ReportedCall) or with nothing to give back (ReportedStep).
#include <exception>
#include <string>

#include "noxsimplelinks/common/ModGeneral.h"

namespace noxsimplelinks {

template <class R, class F>
R ReportedCall(const std::string& source, F&& operation, R fallback = R{}) {
    try {
        return operation();
    } catch (const std::exception& e) {
        ModGeneral::ShowError(e, source);
        return fallback;
    }
}

template <class F>
void ReportedStep(const std::string& source, F&& step) {
    try {
        step();
    } catch (const std::exception& e) {
        ModGeneral::ShowError(e, source);
    }
}

}  // namespace noxsimplelinks
