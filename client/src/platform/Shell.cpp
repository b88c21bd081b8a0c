#include "platform/Shell.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

extern char** environ;

namespace platform {
namespace {

// Starts the program; its process id, or -1 when it could not be started.
pid_t Spawn(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

// The exit status of the program, or -1 when it could not be started.
int RunAndWait(const std::vector<std::string>& command) {
    const pid_t pid = Spawn(command);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) < 0 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// Starts the program without waiting for it (a thread of its own collects it when it ends); false
// when it could not be started.
bool Start(const std::vector<std::string>& command) {
    const pid_t pid = Spawn(command);
    if (pid < 0) return false;
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return true;
}

// Whether a directory of the PATH holds an executable of that name.
bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (program.empty() || !path) return false;
    if (program.find('/') != std::string::npos) return access(program.c_str(), X_OK) == 0;
    std::stringstream folders(path);
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty() && access((folder + "/" + program).c_str(), X_OK) == 0) return true;
    return false;
}

// xdg-open's exit codes: 0 done, 2 no such file, 3 no tool to open it with, 4 the action failed.
int FromXdgOpen(int status) {
    switch (status) {
        case 0: return Shell::kOpened;
        case 2: return Shell::kFileNotFound;
        case 3:
        case 4: return Shell::kNoAssociation;
        default: return Shell::kLaunchFailed;
    }
}

std::shared_ptr<Shell>& Installed() {
    static std::shared_ptr<Shell> shell = std::make_shared<DesktopShell>();
    return shell;
}

}  // namespace

int DesktopShell::OpenDocument(const std::string& path) {
    if (!std::filesystem::exists(path)) return kFileNotFound;
    return FromXdgOpen(RunAndWait({"xdg-open", path}));
}

int DesktopShell::OpenWith(const std::string& path) {
    const char* chooser = std::getenv("NOX_OPEN_WITH");
    if (chooser && *chooser) return RunAndWait({chooser, path}) == 0 ? kOpened : kLaunchFailed;
    std::string folder = std::filesystem::path(path).parent_path().string();
    return FromXdgOpen(RunAndWait({"xdg-open", folder.empty() ? "." : folder}));
}

int DesktopShell::OpenWithProgram(const std::string& program, const std::string& path) {
    if (!std::filesystem::exists(path)) return kFileNotFound;
    if (!OnPath(program)) return OpenDocument(path);
    return Start({program, path}) ? kOpened : kLaunchFailed;
}

int RecordingShell::OpenDocument(const std::string& path) {
    requests_.push_back({"open", path});
    if (answers_.empty()) return kOpened;
    int answer = answers_.front();
    answers_.erase(answers_.begin());
    return answer;
}

int RecordingShell::OpenWith(const std::string& path) {
    requests_.push_back({"openwith", path});
    return kOpened;
}

int RecordingShell::OpenWithProgram(const std::string& program, const std::string& path) {
    requests_.push_back({program, path});
    return kOpened;
}

Shell& SystemShell() { return *Installed(); }

std::shared_ptr<Shell> InstallShell(std::shared_ptr<Shell> shell) {
    std::swap(Installed(), shell);
    return shell;
}

}  // namespace platform
