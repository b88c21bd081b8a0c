#pragma once
// Runs one step whose failure the caller has decided to ignore: any error it raises is dropped and
// the result says whether the step went through (Quietly), or is false (FalseOnFailure).
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

// The answer of a step that says whether it succeeded, false when it fails: the failure is the
// answer, and the caller decides what the user sees.
template <class Step>
bool FalseOnFailure(Step&& step) noexcept {
    try {
        return step();
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace noxsimplelinks
