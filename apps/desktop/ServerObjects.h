#pragma once
// The objects of a type on the server the panes talk to, for the parent chooser to offer: asked of
// the server with a query on the type, each given by its key values.
#include <string>
#include <vector>

namespace desktop {

class ServerObjects {
public:
    // server: a served server's URL, or empty for the one the connection settings name.
    explicit ServerObjects(std::string server) : server_(std::move(server)) {}

    // The first `limit` objects of the type in key order, each "KEY=VALUE ..." with the type's short
    // key names. Raises std::runtime_error when the type has no keys or the server refuses.
    std::vector<std::string> List(const std::string& type, size_t limit) const;

private:
    std::string Query(const std::string& type, const std::vector<std::string>& keys) const;

    std::string server_;
};

}  // namespace desktop
