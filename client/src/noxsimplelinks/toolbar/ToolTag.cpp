#include "noxsimplelinks/toolbar/ToolTag.h"

namespace noxsimplelinks::ToolTag {

std::vector<std::string> Split(const std::string& tag, size_t fields) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = tag.find(';', start)) != std::string::npos; start = end + 1) parts.push_back(tag.substr(start, end - start));
    parts.push_back(tag.substr(start));
    if (parts.size() < fields) parts.resize(fields);
    return parts;
}

std::string Join(const std::vector<std::string>& fields) {
    std::string tag;
    for (size_t i = 0; i < fields.size(); ++i) tag += (i ? ";" : "") + fields[i];
    return tag;
}

}  // namespace noxsimplelinks::ToolTag
