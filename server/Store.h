#pragma once
// The PLM store: objects of every type (type, up to three key values, attributes as a JSON object),
// links between objects (the link's table name, its two ends, its attributes), history rows and the
// contents of files, in a database of either backend (Database). The schema does not depend on the
// object definitions; they only say which types, links and attributes a request may name. Every
// statement is prepared with bound values.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Database.h"

namespace server {

struct StoredObject {
    int64_t id = 0;
    std::string type;
    std::vector<std::string> keys;  // three values, "" where the type has fewer keys
};

struct StoredLink {
    int64_t id = 0;
    int64_t from = 0;
    int64_t to = 0;
};

struct HistoryEntry {
    std::string kind;  // "VAULT", "ROLLUP", "SEND_TO_ERP"
    std::string type;
    std::string key1, key2;
    std::string user;
    std::string at;          // ISO date and time
    std::string attributes;  // JSON object
};

class Store {
public:
    static constexpr int kMaxKeys = 3;

    // Opens the store at `location` (a SQLite file, or a PostgreSQL URL), creating its schema
    // when it has none. Raises StoreError.
    explicit Store(const std::string& location);

    Database& Db() { return *db_; }
    // Whether the schema was created just now: a store that holds nothing yet.
    bool IsNew() const { return isNew_; }
    // Whether any object, link or history row is stored.
    bool HoldsData();
    // Removes every object, link and history row.
    void Clear();

    int64_t InsertObject(const std::string& type, const std::vector<std::string>& keys, const std::string& attributes);
    // The objects of the type whose first keys equal the given ones, the latest revision (highest
    // second key) first.
    std::vector<int64_t> FindObjects(const std::string& type, const std::vector<std::string>& leadingKeys,
                                     bool ignoreCase = false);
    std::optional<StoredObject> ReadObject(int64_t id);
    // An attribute's value; Null (monostate) when absent.
    SqlValue Attribute(int64_t objectId, const std::string& name);
    void SetAttribute(int64_t objectId, const std::string& name, const SqlValue& value);
    void DeleteObject(int64_t id);

    int64_t InsertLink(const std::string& table, int64_t from, int64_t to, const std::string& attributes);
    std::vector<StoredLink> LinksBetween(const std::string& table, int64_t from, int64_t to);
    std::vector<StoredLink> LinksFrom(const std::string& table, int64_t from);
    std::vector<StoredLink> LinksTo(const std::string& table, int64_t to);
    SqlValue LinkAttribute(int64_t linkId, const std::string& name);
    void SetLinkAttribute(int64_t linkId, const std::string& name, const SqlValue& value);
    void DeleteLink(int64_t linkId);
    // Deletes every link of the table from one object to the other; how many there were.
    size_t DeleteLinksBetween(const std::string& table, int64_t from, int64_t to);
    // How many links of any table end at the object.
    int64_t CountLinksTo(int64_t objectId);

    void AddHistory(const HistoryEntry& entry);

    // The content of a file object, as base64 text (StoreContents.cpp); nullopt when it has none.
    std::optional<std::string> Content(int64_t objectId);
    // Sets (or replaces) the content of a file object.
    void SetContent(int64_t objectId, const std::string& base64Text);

    int64_t CountObjects();
    int64_t CountLinks();

private:
    std::vector<StoredLink> ReadLinks(Statement& statement);
    SqlValue ReadAttribute(const char* table, int64_t id, const std::string& name);
    void WriteAttribute(const char* table, int64_t id, const std::string& name, const SqlValue& value);
    int64_t Count(const char* sql, std::optional<int64_t> id = {});

    std::unique_ptr<Database> db_;
    bool isNew_ = false;
};

}  // namespace server
