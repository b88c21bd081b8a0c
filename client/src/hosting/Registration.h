#pragma once
// What a host calls once at start-up: registers the platform's controls, the library's classes and
// the stand-in components, each layer under the ProgIDs it answers to. It sits above both the library
// and the components, which know each other by ProgID only.

namespace hosting {

void RegisterAll();

}  // namespace hosting
