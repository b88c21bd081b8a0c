#include "Store.h"

#include "StoreError.h"

namespace server {

namespace {

constexpr const char* kSchema = R"SQL(
CREATE TABLE IF NOT EXISTS objects(
  id INTEGER PRIMARY KEY,
  type TEXT NOT NULL,
  k1 TEXT NOT NULL,
  k2 TEXT NOT NULL DEFAULT '',
  k3 TEXT NOT NULL DEFAULT '',
  attrs TEXT NOT NULL DEFAULT '{}' CHECK (json_valid(attrs)),
  UNIQUE(type, k1, k2, k3));
CREATE INDEX IF NOT EXISTS objects_k1_nocase ON objects(type, k1 COLLATE NOCASE);
CREATE TABLE IF NOT EXISTS links(
  id INTEGER PRIMARY KEY,
  link_table TEXT NOT NULL,
  from_id INTEGER NOT NULL REFERENCES objects(id) ON DELETE CASCADE,
  to_id INTEGER NOT NULL REFERENCES objects(id) ON DELETE CASCADE,
  attrs TEXT NOT NULL DEFAULT '{}' CHECK (json_valid(attrs)));
CREATE INDEX IF NOT EXISTS links_from ON links(link_table, from_id);
CREATE INDEX IF NOT EXISTS links_to ON links(link_table, to_id);
CREATE INDEX IF NOT EXISTS links_to_any ON links(to_id);
CREATE TABLE IF NOT EXISTS history(
  id INTEGER PRIMARY KEY,
  kind TEXT NOT NULL,
  type TEXT NOT NULL,
  k1 TEXT NOT NULL,
  k2 TEXT NOT NULL DEFAULT '',
  user_name TEXT NOT NULL,
  at TEXT NOT NULL,
  attrs TEXT NOT NULL DEFAULT '{}' CHECK (json_valid(attrs)));
CREATE INDEX IF NOT EXISTS history_object ON history(kind, type, k1);
)SQL";

std::vector<std::string> ThreeKeys(const std::vector<std::string>& keys) {
    if (keys.empty() || keys.size() > Store::kMaxKeys)
        throw StoreError("An object has between 1 and 3 key values, not " + std::to_string(keys.size()));
    std::vector<std::string> three = keys;
    three.resize(Store::kMaxKeys);
    return three;
}

}  // namespace

std::string AttributePath(const std::string& name) { return "$.\"" + name + "\""; }

Store::Store(const std::string& path) : db_(path) { db_.Exec(kSchema); }

int64_t Store::InsertObject(const std::string& type, const std::vector<std::string>& keys,
                            const std::string& attributes) {
    std::vector<std::string> k = ThreeKeys(keys);
    db_.Prepare("INSERT INTO objects(type, k1, k2, k3, attrs) VALUES(?, ?, ?, ?, ?)")
        .Bind(1, type).Bind(2, k[0]).Bind(3, k[1]).Bind(4, k[2]).Bind(5, attributes)
        .Run();
    return db_.LastInsertId();
}

std::vector<int64_t> Store::FindObjects(const std::string& type, const std::vector<std::string>& leadingKeys,
                                        bool ignoreCase) {
    static const char* const kExact[] = {
        "SELECT id FROM objects WHERE type = ?1 AND k1 = ?2 ORDER BY k2 DESC, k3 DESC",
        "SELECT id FROM objects WHERE type = ?1 AND k1 = ?2 AND k2 = ?3 ORDER BY k3 DESC",
        "SELECT id FROM objects WHERE type = ?1 AND k1 = ?2 AND k2 = ?3 AND k3 = ?4"};
    static const char* const kNoCase[] = {
        "SELECT id FROM objects WHERE type = ?1 AND k1 = ?2 COLLATE NOCASE ORDER BY k2 DESC, k3 DESC",
        "SELECT id FROM objects WHERE type = ?1 AND k1 = ?2 COLLATE NOCASE AND k2 = ?3 COLLATE NOCASE "
        "ORDER BY k3 DESC",
        "SELECT id FROM objects WHERE type = ?1 AND k1 = ?2 COLLATE NOCASE AND k2 = ?3 COLLATE NOCASE "
        "AND k3 = ?4 COLLATE NOCASE"};
    if (leadingKeys.empty() || leadingKeys.size() > kMaxKeys) return {};
    Statement& s = db_.Prepare((ignoreCase ? kNoCase : kExact)[leadingKeys.size() - 1]);
    s.Bind(1, type);
    for (size_t i = 0; i < leadingKeys.size(); ++i) s.Bind(static_cast<int>(i) + 2, leadingKeys[i]);
    std::vector<int64_t> ids;
    while (s.Step()) ids.push_back(s.Int(0));
    return ids;
}

std::optional<StoredObject> Store::ReadObject(int64_t id) {
    Statement& s = db_.Prepare("SELECT type, k1, k2, k3 FROM objects WHERE id = ?");
    s.Bind(1, id);
    if (!s.Step()) return std::nullopt;
    return StoredObject{id, s.Text(0), {s.Text(1), s.Text(2), s.Text(3)}};
}

static SqlValue ReadValue(Statement& s) {
    if (!s.Step() || s.IsNull(0)) return {};
    if (s.IsInteger(0)) return s.Int(0);
    if (s.IsReal(0)) return s.Real(0);
    return s.Text(0);
}

SqlValue Store::Attribute(int64_t objectId, const std::string& name) {
    Statement& s = db_.Prepare("SELECT json_extract(attrs, ?) FROM objects WHERE id = ?");
    s.Bind(1, AttributePath(name)).Bind(2, objectId);
    return ReadValue(s);
}

void Store::SetAttribute(int64_t objectId, const std::string& name, const SqlValue& value) {
    if (std::holds_alternative<std::monostate>(value))
        db_.Prepare("UPDATE objects SET attrs = json_remove(attrs, ?) WHERE id = ?")
            .Bind(1, AttributePath(name)).Bind(2, objectId).Run();
    else
        db_.Prepare("UPDATE objects SET attrs = json_set(attrs, ?, ?) WHERE id = ?")
            .Bind(1, AttributePath(name)).Bind(2, value).Bind(3, objectId).Run();
}

void Store::DeleteObject(int64_t id) { db_.Prepare("DELETE FROM objects WHERE id = ?").Bind(1, id).Run(); }

int64_t Store::InsertLink(const std::string& table, int64_t from, int64_t to, const std::string& attributes) {
    db_.Prepare("INSERT INTO links(link_table, from_id, to_id, attrs) VALUES(?, ?, ?, ?)")
        .Bind(1, table).Bind(2, from).Bind(3, to).Bind(4, attributes)
        .Run();
    return db_.LastInsertId();
}

std::vector<StoredLink> Store::ReadLinks(Statement& statement) {
    std::vector<StoredLink> links;
    while (statement.Step()) links.push_back({statement.Int(0), statement.Int(1), statement.Int(2)});
    return links;
}

std::vector<StoredLink> Store::LinksBetween(const std::string& table, int64_t from, int64_t to) {
    return ReadLinks(
        db_.Prepare("SELECT id, from_id, to_id FROM links WHERE link_table = ? AND from_id = ? AND to_id = ? ORDER BY id")
            .Bind(1, table).Bind(2, from).Bind(3, to));
}

std::vector<StoredLink> Store::LinksFrom(const std::string& table, int64_t from) {
    return ReadLinks(db_.Prepare("SELECT id, from_id, to_id FROM links WHERE link_table = ? AND from_id = ? ORDER BY id")
                         .Bind(1, table).Bind(2, from));
}

std::vector<StoredLink> Store::LinksTo(const std::string& table, int64_t to) {
    return ReadLinks(db_.Prepare("SELECT id, from_id, to_id FROM links WHERE link_table = ? AND to_id = ? ORDER BY id")
                         .Bind(1, table).Bind(2, to));
}

SqlValue Store::LinkAttribute(int64_t linkId, const std::string& name) {
    Statement& s = db_.Prepare("SELECT json_extract(attrs, ?) FROM links WHERE id = ?");
    s.Bind(1, AttributePath(name)).Bind(2, linkId);
    return ReadValue(s);
}

void Store::SetLinkAttribute(int64_t linkId, const std::string& name, const SqlValue& value) {
    db_.Prepare("UPDATE links SET attrs = json_set(attrs, ?, ?) WHERE id = ?")
        .Bind(1, AttributePath(name)).Bind(2, value).Bind(3, linkId).Run();
}

void Store::DeleteLink(int64_t linkId) { db_.Prepare("DELETE FROM links WHERE id = ?").Bind(1, linkId).Run(); }

size_t Store::DeleteLinksBetween(const std::string& table, int64_t from, int64_t to) {
    std::vector<StoredLink> links = LinksBetween(table, from, to);
    for (const StoredLink& link : links) DeleteLink(link.id);
    return links.size();
}

int64_t Store::CountLinksTo(int64_t objectId) {
    Statement& s = db_.Prepare("SELECT count(*) FROM links WHERE to_id = ?");
    s.Bind(1, objectId).Step();
    return s.Int(0);
}

void Store::AddHistory(const HistoryEntry& e) {
    db_.Prepare("INSERT INTO history(kind, type, k1, k2, user_name, at, attrs) VALUES(?, ?, ?, ?, ?, ?, ?)")
        .Bind(1, e.kind).Bind(2, e.type).Bind(3, e.key1).Bind(4, e.key2).Bind(5, e.user).Bind(6, e.at)
        .Bind(7, e.attributes.empty() ? std::string("{}") : e.attributes)
        .Run();
}

int64_t Store::CountObjects() {
    Statement& s = db_.Prepare("SELECT count(*) FROM objects");
    s.Step();
    return s.Int(0);
}

int64_t Store::CountLinks() {
    Statement& s = db_.Prepare("SELECT count(*) FROM links");
    s.Step();
    return s.Int(0);
}

Transaction::Transaction(Database& db) : db_(db) { db_.Exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
    if (!open_) return;
    try {
        db_.Exec("ROLLBACK");
    } catch (...) {
    }
}

void Transaction::Commit() {
    db_.Exec("COMMIT");
    open_ = false;
}

}  // namespace server
