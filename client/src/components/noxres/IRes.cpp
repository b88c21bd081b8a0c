#include "components/noxres/IRes.h"

#include <cstdlib>

#include "components/noxres/Placeholders.h"
#include "components/noxres/ResPicture.h"
#include "datafolder/DataFolder.h"

namespace components {

namespace {

using automation::Arguments;
using automation::Variant;

std::vector<std::string> TextsOf(Arguments::const_iterator first, Arguments::const_iterator last) {
    std::vector<std::string> texts;
    for (; first != last; ++first) texts.push_back(first->TextOr(""));
    return texts;
}

// Parameters come either as one array (Missing or Empty for none) or as further arguments.
std::vector<std::string> ParametersOf(const Arguments& args) {
    if (args.size() == 2 && args[1].IsArray()) {
        const auto& cells = args[1].ToArray().Cells();
        return TextsOf(cells.begin(), cells.end());
    }
    if (args.size() == 2 && (args[1].IsMissing() || args[1].IsEmpty())) return {};
    return TextsOf(args.begin() + 1, args.end());
}

Variant StrResStringByName(IRes& self, Arguments& args) {
    if (args.empty() || args[0].IsMissing()) automation::Raise(automation::errors::kArgumentNotOptional);
    return Variant(self.strResString(args[0].ToString(), ParametersOf(args)));
}

}  // namespace

const automation::MemberTable<IRes>& IRes::Members() {
    static const automation::MemberTable<IRes> table = [] {
        automation::MemberTable<IRes> t;
        t.Method("strResString", &StrResStringByName)
            .Method("ipicResIcon", &IRes::ipicResIcon)
            .Method("ipicResBitmap", &IRes::ipicResBitmap)
            .Method("ipicResCursor", &IRes::ipicResCursor)
            .Method("iResaultArray", &IRes::iResaultArray)
            .Method("LoadResFile", &IRes::LoadResFile)
            .Method("ILoadPartsFromXmlRes", &IRes::ILoadPartsFromXmlRes)
            .Property("AppName", &IRes::AppName)
            .Property("ResFile", &IRes::ResFile);
        return t;
    }();
    return table;
}

IRes::IRes() {
    try {
        table_ = ResourceTable::Load(DefaultResFile());
    } catch (const std::exception&) {
        // Without its file (or without a data folder) the component still answers, with the fallbacks.
    }
}

std::string IRes::DefaultResFile() {
    const char* chosen = std::getenv("NOX_RES_FILE");
    if (chosen && *chosen) return chosen;
    return datafolder::DataFolder() + "/resources/noxres.xml";
}

std::string IRes::strResString(const std::string& key, const std::vector<std::string>& parameters) const {
    const std::optional<std::string> text = table_.Text(key);
    return text ? FillPlaceholders(*text, parameters) : key;
}

automation::DispatchPtr IRes::Picture(const char* kind, const std::string& key) const {
    return std::make_shared<ResPicture>(key, kind, table_.PictureFile(kind, key));
}

automation::DispatchPtr IRes::ipicResIcon(const std::string& key) const { return Picture("ICON", key); }
automation::DispatchPtr IRes::ipicResBitmap(const std::string& key) const { return Picture("BITMAP", key); }
automation::DispatchPtr IRes::ipicResCursor(const std::string& key) const { return Picture("CURSOR", key); }

std::vector<std::string> IRes::iResaultArray(const std::string& key) const { return table_.Array(key); }

void IRes::LoadResFile(const std::string& path) { table_ = ResourceTable::Load(path); }

void IRes::ILoadPartsFromXmlRes(const std::string& name, automation::Variant& part) const {
    if (std::optional<std::string> xml = table_.Part(name)) part = *xml;
}

}  // namespace components
