#include "ParentObject.h"

#include <sstream>
#include <stdexcept>

namespace desktop {

ParentObject ParentObject::Parse(const std::string& type, const std::string& keyValues) {
    if (type.empty() || type.find_first_of(" \t") != std::string::npos)
        throw std::runtime_error("the parent's type is one word, such as ITEM");
    ParentObject parent{type, {}, {}};
    std::istringstream pairs(keyValues);
    for (std::string pair; pairs >> pair;) {
        const size_t equals = pair.find('=');
        if (equals == std::string::npos || equals == 0)
            throw std::runtime_error("a parent key is written KEY=VALUE, not \"" + pair + "\"");
        const std::string key = pair.substr(0, equals);
        parent.keys.push_back(key.find('.') == std::string::npos ? type + "." + key : key);
        parent.values.push_back(pair.substr(equals + 1));
    }
    if (parent.keys.empty()) throw std::runtime_error("the parent needs its key values, such as ITEM_KEY=A100 REVISION=B");
    return parent;
}

std::string ParentObject::Describe() const {
    std::string text = type;
    for (size_t i = 0; i < keys.size(); ++i)
        text += (i == 0 ? " " : ", ") + keys[i].substr(keys[i].find('.') + 1) + "=" + values[i];
    return text;
}

}  // namespace desktop
