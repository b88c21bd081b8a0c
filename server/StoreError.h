#pragma once
// A failure of the store itself (its database could not open, prepare or run a statement); the
// text names the statement and the database's own message. StoreConflict is the failure of a
// transaction that met another server's changes (or locks) and may be run again; StoreTimeout, that
// of a statement stopped because the request's time was up.
#include <stdexcept>

namespace server {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class StoreConflict : public StoreError {
public:
    using StoreError::StoreError;
};

class StoreTimeout : public StoreError {
public:
    using StoreError::StoreError;
};

}  // namespace server
