#include "noxsimplelinks/metadata/clsResWrapper.h"

#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"

namespace noxsimplelinks {

namespace {

using automation::Arguments;
using automation::Variant;

// The pieces of text between the separators; an empty text has none.
std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
        pieces.push_back(text.substr(start, end - start));
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// Late-bound callers pass the parameters as further arguments after the key.
Variant StrResStringByName(clsResWrapper& self, Arguments& args) {
    if (args.empty()) automation::Raise(automation::errors::kArgumentNotOptional);
    std::vector<std::string> parameters;
    for (size_t i = 1; i < args.size(); ++i) parameters.push_back(args[i].TextOr(""));
    return Variant(self.strResString(args[0].ToString(), std::move(parameters)));
}

}  // namespace

const automation::MemberTable<clsResWrapper>& clsResWrapper::Members() {
    static const automation::MemberTable<clsResWrapper> table = [] {
        automation::MemberTable<clsResWrapper> t;
        t.Method("strResString", &StrResStringByName)
            .Method("ipicResIcon", &clsResWrapper::ipicResIcon)
            .Method("ipicResBitmap", &clsResWrapper::ipicResBitmap)
            .Method("ipicResCursor", &clsResWrapper::ipicResCursor)
            .Method("iResaultArray", &clsResWrapper::iResaultArray)
            .Method("LoadResFile", &clsResWrapper::LoadResFile)
            .Method("ILoadPartsFromXmlRes", &clsResWrapper::ILoadPartsFromXmlRes);
        return t;
    }();
    return table;
}

clsResWrapper::clsResWrapper() : resources_(automation::CreateObject("noxres.IRes")) {}

std::string clsResWrapper::strResString(const std::string& key, std::vector<std::string> parameters) {
    if (parameters.size() == 1) parameters = SplitAt(parameters.front(), ';');
    std::vector<Variant> cells(parameters.begin(), parameters.end());
    return resources_->Call("strResString", key, automation::SafeArray::Of(std::move(cells))).ToString();
}

Variant clsResWrapper::ipicResIcon(const std::string& key) { return resources_->Call("ipicResIcon", key); }
Variant clsResWrapper::ipicResBitmap(const std::string& key) { return resources_->Call("ipicResBitmap", key); }
Variant clsResWrapper::ipicResCursor(const std::string& key) { return resources_->Call("ipicResCursor", key); }
Variant clsResWrapper::iResaultArray(const std::string& key) { return resources_->Call("iResaultArray", key); }

void clsResWrapper::LoadResFile(const std::string& path) {
    if (!IsBlank(path)) resources_->Call("LoadResFile", path);
}

void clsResWrapper::ILoadPartsFromXmlRes(const std::string& name, Variant& part) {
    Arguments args{Variant(name), part};
    resources_->Invoke("ILoadPartsFromXmlRes", automation::InvokeKind::Method, args);
    part = args[1];
}

}  // namespace noxsimplelinks
