#pragma once
// The resource component "noxres.IRes": user-visible texts, text arrays, pictures and XML parts
// looked up by key in a resource file (see docs/formats.md, "Resource file").
#include <string>
#include <vector>

#include "automation/Dispatchable.h"
#include "components/noxres/ResourceTable.h"

namespace components {

class IRes : public automation::Dispatchable<IRes> {
public:
    static constexpr const char* kTypeName = "IRes";
    static const automation::MemberTable<IRes>& Members();

    // Loads the default resource file (DefaultResFile); when it cannot be loaded the component
    // starts empty and answers every key with its fallback.
    IRes();

    // NOX_RES_FILE when set, else resources/noxres.xml in the shipped data folder.
    static std::string DefaultResFile();

    // The text of the key with its placeholders filled; an unknown key comes back unchanged.
    std::string strResString(const std::string& key, const std::vector<std::string>& parameters = {}) const;
    automation::DispatchPtr ipicResIcon(const std::string& key) const;
    automation::DispatchPtr ipicResBitmap(const std::string& key) const;
    automation::DispatchPtr ipicResCursor(const std::string& key) const;
    // The texts stored under the key, 0-based; empty for an unknown key.
    std::vector<std::string> iResaultArray(const std::string& key) const;
    // Switches to another resource file; on failure raises and keeps the texts loaded before.
    void LoadResFile(const std::string& path);
    // Puts the XML text of the named part into part; an unknown name leaves part unchanged.
    void ILoadPartsFromXmlRes(const std::string& name, automation::Variant& part) const;

    std::string AppName() const { return table_.AppName(); }
    std::string ResFile() const { return table_.File(); }

private:
    automation::DispatchPtr Picture(const char* kind, const std::string& key) const;

    ResourceTable table_;
};

}  // namespace components
