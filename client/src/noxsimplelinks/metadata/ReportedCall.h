#pragma once
// Runs an operation under the library's error handler: any failure is shown through the common error
// report with the given source ("clsUI_DefWrapper:getRequestFields") and the fallback is returned.
#include <exception>
#include <string>

#include "noxsimplelinks/env/ModGeneral.h"

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

}  // namespace noxsimplelinks
