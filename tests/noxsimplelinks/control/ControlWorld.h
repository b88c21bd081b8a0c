#pragma once
// The world of a control test: a profile copied from the sample all-users profile, every class and
// stand-in registered, a site, and a control placed in it whose ExecuteEvent payloads are recorded.
#include <memory>
#include <string>
#include <vector>

#include "automation/Collection.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "platform/grid/FlexGrid.h"
#include "platform/site/ControlSite.h"
#include "platform/toolbar/ToolbarControl.h"
#include "support/TestWorld.h"

namespace controltest {

using automation::DispatchPtr;
using automation::Variant;

class ControlWorld {
public:
    ControlWorld();
    ~ControlWorld();
    ControlWorld(const ControlWorld&) = delete;
    ControlWorld& operator=(const ControlWorld&) = delete;

    // The sample server in the world's folder, embedded until the world ends.
    void UseSampleServer();
    // Loads through a synchronous communication object.
    void Synchronous();

    // The section of a pane of the sample panes file (Nothing for an unknown pane).
    DispatchPtr Section(const std::string& pane);
    // A section from XML text (its document element).
    DispatchPtr SectionFromXml(const std::string& xml);

    // Params entries, added to the control's Params collection.
    void Param(const std::string& key, const Variant& value);
    // Parent type and key values in the order of the type's keys ("ITEM", {"ITEM.ITEM_KEY", ...}, {...}).
    void Parent(const std::string& type, std::vector<std::string> keys, std::vector<std::string> values);
    // Init with a pane of the sample panes file, then the parent.
    void Show(const std::string& pane, const std::string& type, std::vector<std::string> keys,
              std::vector<std::string> values);

    platform::FlexGrid& Grid() const;
    platform::ToolbarControl& Toolbar() const;
    // The grid's rows below the fixed ones.
    int32_t Rows() const;

    testsupport::TestWorld world{testsupport::TestWorld::Profile::Missing};
    std::shared_ptr<platform::ControlSite> site;
    std::shared_ptr<noxsimplelinks::ctlSimpleLinks> control;
    std::vector<std::string> executeEvents;

private:
    std::vector<DispatchPtr> documents_;
    bool sampleServer_ = false;
};

Variant List(std::vector<std::string> values);

}  // namespace controltest
