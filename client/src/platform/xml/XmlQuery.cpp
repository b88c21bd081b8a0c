#include "platform/xml/XmlQuery.h"

#include <memory>
#include <unordered_map>

#include "automation/AutomationError.h"

namespace platform {
namespace {

constexpr size_t kCacheLimit = 512;

[[noreturn]] void RaiseQueryError(const std::string& xpath, const std::string& reason) {
    throw automation::AutomationError(XmlQuery::kQueryError, "Invalid XPath expression \"" + xpath + "\": " + reason,
                                      "XPath");
}

template <class Run>
auto Guarded(const std::string& xpath, Run run) {
    try {
        return run();
    } catch (const pugi::xpath_exception& e) {
        RaiseQueryError(xpath, e.what());
    } catch (const std::bad_alloc&) {
        RaiseQueryError(xpath, "out of memory");
    }
}

}  // namespace

const pugi::xpath_query& XmlQuery::Compiled(const std::string& xpath) {
    thread_local std::unordered_map<std::string, std::unique_ptr<pugi::xpath_query>> cache;
    if (auto it = cache.find(xpath); it != cache.end()) return *it->second;
    auto query = Guarded(xpath, [&] { return std::make_unique<pugi::xpath_query>(xpath.c_str()); });
    if (!query->result()) RaiseQueryError(xpath, query->result().description());
    if (query->return_type() != pugi::xpath_type_node_set) RaiseQueryError(xpath, "the expression does not select nodes");
    if (cache.size() >= kCacheLimit) cache.clear();
    return *cache.emplace(xpath, std::move(query)).first->second;
}

pugi::xpath_node_set XmlQuery::SelectAll(const pugi::xpath_node& context, const std::string& xpath) {
    const pugi::xpath_query& query = Compiled(xpath);
    return Guarded(xpath, [&] { return query.evaluate_node_set(context); });
}

pugi::xpath_node XmlQuery::SelectFirst(const pugi::xpath_node& context, const std::string& xpath) {
    const pugi::xpath_query& query = Compiled(xpath);
    return Guarded(xpath, [&] { return query.evaluate_node(context); });
}

}  // namespace platform
