#pragma once
// Registers the platform's controls with the object factory under the class names a container asks
// for when it adds them.

namespace platform {

void RegisterControls();

}  // namespace platform
