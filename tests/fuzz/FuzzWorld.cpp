#include "FuzzWorld.h"

#include <filesystem>
#include <memory>

#include "embedded/EmbeddedPlm.h"
#include "hosting/Registration.h"
#include "platform/Shell.h"
#include "support/TestWorld.h"

namespace fuzzing {
namespace {

namespace fs = std::filesystem;

testsupport::TestWorld& World() {
    static testsupport::TestWorld world{testsupport::TestWorld::Profile::Missing};
    return world;
}

}  // namespace

FuzzWorld::FuzzWorld() {
    fs::copy(fs::path(NOX_DATA_DIR) / "allusers" / "AppData", World().AllUsersFolder() / "AppData",
             fs::copy_options::recursive);
    hosting::RegisterAll();
    platform::InstallShell(std::make_shared<platform::RecordingShell>());
}

FuzzWorld& FuzzWorld::ForInput() {
    static FuzzWorld world;
    world.Ui().Reset();
    return world;
}

platform::HeadlessUi& FuzzWorld::Ui() { return World().Ui(); }

std::string FuzzWorld::WriteFile(const std::string& name, std::string_view content) const {
    return World().WriteFile(name, std::string(content)).string();
}

void FuzzWorld::UseSampleServer() {
    if (sampleServer_) return;
    server::InstallEmbeddedServer((World().Root() / "plm.db").string());
    sampleServer_ = true;
}

}  // namespace fuzzing
