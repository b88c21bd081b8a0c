#pragma once
// Registers the stand-in components under the ProgIDs the library knows them by, and, once, the
// library's own classes with them.

namespace components {

void RegisterComponents();
// The library's classes and the stand-ins: what a host calls once at start-up.
void RegisterAll();

}  // namespace components
