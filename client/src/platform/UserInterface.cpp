#include "platform/UserInterface.h"

#include <utility>

#include "platform/HeadlessUi.h"

namespace platform {
namespace {
std::shared_ptr<UserInterface>& Installed() {
    static std::shared_ptr<UserInterface> ui = std::make_shared<HeadlessUi>();
    return ui;
}
}  // namespace

UserInterface& Ui() { return *Installed(); }
std::shared_ptr<UserInterface> InstallUi(std::shared_ptr<UserInterface> ui) { return std::exchange(Installed(), std::move(ui)); }

}  // namespace platform
