#pragma once
// Registers every class of the library with the object factory under "noxsimplelinks." + its name.

namespace noxsimplelinks {

void RegisterClasses();

}  // namespace noxsimplelinks
