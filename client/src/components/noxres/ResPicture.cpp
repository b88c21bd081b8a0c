#include "components/noxres/ResPicture.h"

namespace components {

ResPicture::ResPicture(std::string key, std::string kind, std::string path)
    : key_(std::move(key)), kind_(std::move(kind)), path_(std::move(path)) {}

const automation::MemberTable<ResPicture>& ResPicture::Members() {
    static const automation::MemberTable<ResPicture> table = [] {
        automation::MemberTable<ResPicture> t;
        t.Property("Key", &ResPicture::Key).Property("Type", &ResPicture::Type).Property("Path", &ResPicture::Path);
        return t;
    }();
    return table;
}

}  // namespace components
