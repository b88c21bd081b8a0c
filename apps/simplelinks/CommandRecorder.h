#pragma once
// What a command run from the command line does, told line by line as it happens: the requests sent
// (in full), the control's events with their payloads, the workspaces the host object is asked to
// open, each new clipboard text, message boxes, dialogs, the toolbar's pop-up menus and the reports
// written, the documents opened. For its life it installs user-interface services that answer from the
// command line (see RecordingUi), a clipboard that tells its changes, a shell that tells what it
// opens, and the receivers of the host object, the print component and the communication component;
// everything is put back when it ends. As the host it shows a file and completes an edit when the
// control asks (HostFileActions).
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "platform/Clipboard.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"

namespace simplelinks {

struct RecorderScript {
    std::vector<int> answers;                       // message-box answers, in order
    std::vector<std::vector<std::string>> dialogs;  // each: a dialog's name, then its steps
};

class CommandRecorder {
public:
    CommandRecorder(std::ostream& out, noxsimplelinks::ctlSimpleLinks& control, const RecorderScript& script);
    ~CommandRecorder();
    CommandRecorder(const CommandRecorder&) = delete;
    CommandRecorder& operator=(const CommandRecorder&) = delete;

    // One line (or block) of what happened.
    void Tell(const std::string& what);
    // Tells the pop-up menus the toolbar showed since the last call.
    void TellPopups();

private:
    void ActOnEvent(const std::string& payload);

    std::ostream& out_;
    noxsimplelinks::ctlSimpleLinks& control_;
    std::shared_ptr<platform::UserInterface> previousUi_;
    std::shared_ptr<platform::Clipboard> previousClipboard_;
    std::shared_ptr<platform::Shell> previousShell_;
    int eventsCookie_ = 0;
    size_t popupsTold_ = 0;
};

}  // namespace simplelinks
