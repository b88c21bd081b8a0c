#pragma once
// A picture handed out by the resource component: the key it was asked for, its kind ("ICON",
// "BITMAP" or "CURSOR") and the image file the resource file names for it (empty when none).
#include <string>

#include "automation/Dispatchable.h"

namespace components {

class ResPicture : public automation::Dispatchable<ResPicture> {
public:
    static constexpr const char* kTypeName = "ResPicture";
    static const automation::MemberTable<ResPicture>& Members();

    ResPicture(std::string key, std::string kind, std::string path);

    std::string Key() const { return key_; }
    std::string Type() const { return kind_; }
    std::string Path() const { return path_; }

private:
    std::string key_;
    std::string kind_;
    std::string path_;
};

}  // namespace components
