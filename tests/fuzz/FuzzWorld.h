#pragma once
// The world the fuzz targets run in, made once per process: a temporary profile copied from the
// sample all-users profile, every class and stand-in registered, the headless user interface (each
// box recorded and answered with its default button) and a shell that opens nothing.
#include <string>
#include <string_view>

#include "platform/HeadlessUi.h"

namespace fuzzing {

class FuzzWorld {
public:
    // The world, made on first use; the boxes of the last input are forgotten.
    static FuzzWorld& ForInput();

    platform::HeadlessUi& Ui();
    // Writes the input to a file of the world's folder and returns its path.
    std::string WriteFile(const std::string& name, std::string_view content) const;
    // The sample server, embedded, its store in the world's folder (made on the first call).
    void UseSampleServer();

private:
    FuzzWorld();
    bool sampleServer_ = false;
};

}  // namespace fuzzing
