#pragma once
// Registers the stand-in components under the ProgIDs the library knows them by.

namespace components {

void RegisterComponents();

}  // namespace components
