#pragma once
// Runs one step whose failure the caller has decided to ignore: any error it raises is dropped and
// the result says whether the step went through.
#include <exception>

namespace noxsimplelinks {

template <class Step>
bool Quietly(Step&& step) noexcept {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace noxsimplelinks
