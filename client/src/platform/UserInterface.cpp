#include "platform/UserInterface.h"

#include "platform/HeadlessUi.h"

namespace platform {
namespace {
std::shared_ptr<UserInterface>& Installed() {
    static std::shared_ptr<UserInterface> ui = std::make_shared<HeadlessUi>();
    return ui;
}
}  // namespace

UserInterface& Ui() { return *Installed(); }
void InstallUi(std::shared_ptr<UserInterface> ui) { Installed() = std::move(ui); }

}  // namespace platform
