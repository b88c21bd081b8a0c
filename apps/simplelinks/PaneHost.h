#pragma once
// The host of one pane on the command line: a site with the host object and the communication
// object, the pane's section from the panes file, the control placed in it and initialised, the
// parent from "TYPE KEY=VALUE...", loads synchronously or through the apartment, and the pane
// printed as a person would look at it.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "automation/Dispatch.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "platform/site/ControlSite.h"

namespace simplelinks {

struct PaneOptions {
    std::string pane;
    std::vector<std::string> parent;  // TYPE, then KEY=VALUE for each key
    std::vector<std::string> params;  // NAME=VALUE entries of Params beyond the parent's keys
    std::string server;               // empty: the embedded sample server
    bool sync = false;
};

class PaneHost {
public:
    // Raises std::runtime_error with a one-line text for a bad pane, parent or server.
    explicit PaneHost(const PaneOptions& options);
    ~PaneHost();
    PaneHost(const PaneHost&) = delete;
    PaneHost& operator=(const PaneHost&) = delete;

    // Refresh, and for an asynchronous load pumping until the answer is in.
    void Load();
    // Pumping until a load under way (a command's refresh) has its answer.
    void AwaitAnswer();
    // The request the control would send; empty when it sends none.
    std::string Request() { return control_->BuildLinksRequest(); }
    // Selects data rows (1-based) as a user's clicks would: a click on the first, Ctrl+clicks on the rest.
    void Select(const std::vector<int>& rows);

    int32_t RowCount() const;
    void PrintPane(std::ostream& out) const;
    void PrintTools(std::ostream& out) const;
    void PrintTimings(std::ostream& out) const;

    noxsimplelinks::ctlSimpleLinks& Control() { return *control_; }

private:
    void ConnectServer();
    // The communication object the site offers: an "XMLRequestPars" for synchronous loads; for a served
    // server, a communication wrapper opened on it (the control opens its own asynchronous wrapper on
    // the same server); none for the embedded server, which the connection settings name by default.
    automation::DispatchPtr CommObject() const;
    void SetParent();
    std::string Title() const;

    PaneOptions options_;
    automation::DispatchPtr document_;
    automation::DispatchPtr section_;
    std::shared_ptr<platform::ControlSite> site_;
    std::shared_ptr<noxsimplelinks::ctlSimpleLinks> control_;
    double serverMilliseconds_ = 0;
    double loadMilliseconds_ = 0;
    bool embedded_ = false;
};

// The panes file of the user's profile ("panes.xml" in the settings directory).
std::string PanesFilePath();

}  // namespace simplelinks
