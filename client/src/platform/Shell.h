#pragma once
// Opening documents with the programs the desktop associates with them, and letting the user choose
// a program (open-with). The installed shell is process-wide: the desktop one by default; tests and
// headless hosts install a RecordingShell that records instead of launching.
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Shell {
public:
    // What OpenDocument answers.
    static constexpr int kOpened = 0;
    static constexpr int kFileNotFound = 2;
    // No program is associated with the document.
    static constexpr int kNoAssociation = 31;
    // The launcher could not be run or failed otherwise.
    static constexpr int kLaunchFailed = 5;

    virtual ~Shell() = default;
    // Opens the document with its associated program.
    virtual int OpenDocument(const std::string& path) = 0;
    // Lets the user choose the program that opens the document; kOpened when something was started.
    virtual int OpenWith(const std::string& path) = 0;
    // Opens the document with the named program; with the associated one when that program is not
    // installed.
    virtual int OpenWithProgram(const std::string& program, const std::string& path) = 0;
};

// Runs "xdg-open" on the document. Open-with runs the command named by the environment variable
// NOX_OPEN_WITH with the document as its argument, or else opens the document's folder, where the
// file manager offers its own choice of programs.
class DesktopShell : public Shell {
public:
    int OpenDocument(const std::string& path) override;
    int OpenWith(const std::string& path) override;
    // Runs the program when the PATH has it, else xdg-open; does not wait for the program to end.
    int OpenWithProgram(const std::string& program, const std::string& path) override;
};

// Records every request ("open", "openwith" or the program's name, and the path) and answers OpenDocument from a script
// (kOpened when the script is empty).
class RecordingShell : public Shell {
public:
    struct Request {
        std::string verb;
        std::string path;
    };
    int OpenDocument(const std::string& path) override;
    int OpenWith(const std::string& path) override;
    int OpenWithProgram(const std::string& program, const std::string& path) override;

    void Answer(std::vector<int> results) { answers_ = std::move(results); }
    const std::vector<Request>& Requests() const { return requests_; }

private:
    std::vector<Request> requests_;
    std::vector<int> answers_;
};

Shell& SystemShell();
// Installs a shell and returns the one it replaces.
std::shared_ptr<Shell> InstallShell(std::shared_ptr<Shell> shell);

}  // namespace platform
