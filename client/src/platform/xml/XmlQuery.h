#pragma once
// XPath 1.0 over a parsed tree. Prefixed names match as written ("//rs:data/z:row" needs no
// namespace declarations). Compiled queries are kept for reuse; a bad query raises an automation
// error whose description holds the query.
#include <string>

#include <pugixml.hpp>

namespace platform {

class XmlQuery {
public:
    // The error number of an invalid or failing query.
    static constexpr int32_t kQueryError = static_cast<int32_t>(0x80004005u);

    static pugi::xpath_node_set SelectAll(const pugi::xpath_node& context, const std::string& xpath);
    static pugi::xpath_node SelectFirst(const pugi::xpath_node& context, const std::string& xpath);

private:
    static const pugi::xpath_query& Compiled(const std::string& xpath);
};

}  // namespace platform
