#pragma once
// A failure of the store itself (SQLite could not open, prepare or run a statement); the text names
// the statement's purpose and SQLite's own message.
#include <stdexcept>

namespace server {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace server
