#include "Store.h"

#include "Dialect.h"
#include "StoreError.h"

namespace server {

namespace {

std::vector<std::string> ThreeKeys(const std::vector<std::string>& keys) {
    if (keys.empty() || keys.size() > Store::kMaxKeys)
        throw StoreError("An object has between 1 and 3 key values, not " + std::to_string(keys.size()));
    std::vector<std::string> three = keys;
    three.resize(Store::kMaxKeys);
    return three;
}

// Runs an INSERT … RETURNING id and answers the id; the statement is finished afterwards, as a
// commit wants it.
int64_t InsertedId(Statement& insert) {
    if (!insert.Step()) throw StoreError("An insertion answered no id");
    int64_t id = insert.Int(0);
    insert.Reset();
    return id;
}

}  // namespace

Store::Store(const std::string& location) : db_(OpenDatabase(location)) {
    Transaction transaction(*db_, Access::Changes);
    db_->Exec(db_->Sql().SchemaLock());
    Statement& exists = db_->Prepare(db_->Sql().TableExists());
    isNew_ = !exists.Bind(1, "objects").Step();
    exists.Reset();
    db_->Exec(db_->Sql().Schema());
    transaction.Commit();
}

bool Store::HoldsData() {
    return Count("SELECT count(*) FROM objects") + Count("SELECT count(*) FROM links") +
               Count("SELECT count(*) FROM history") > 0;
}

void Store::Clear() {
    Transaction transaction(*db_, Access::Changes);
    for (const char* table : {"history", "links", "objects"}) db_->Exec(std::string("DELETE FROM ") + table);
    transaction.Commit();
}

int64_t Store::InsertObject(const std::string& type, const std::vector<std::string>& keys,
                            const std::string& attributes) {
    std::vector<std::string> k = ThreeKeys(keys);
    return InsertedId(db_->Prepare("INSERT INTO objects(type, k1, k2, k3, attrs) VALUES(?, ?, ?, ?, ?) RETURNING id")
                          .Bind(1, type).Bind(2, k[0]).Bind(3, k[1]).Bind(4, k[2]).Bind(5, attributes));
}

std::vector<int64_t> Store::FindObjects(const std::string& type, const std::vector<std::string>& leadingKeys,
                                        bool ignoreCase) {
    if (leadingKeys.empty() || leadingKeys.size() > kMaxKeys) return {};
    static const char* const kOrder[] = {" ORDER BY k2 DESC, k3 DESC", " ORDER BY k3 DESC", ""};
    SqlText sql;
    sql << "SELECT id FROM objects WHERE type = ";
    sql.Value(type);
    for (size_t i = 0; i < leadingKeys.size(); ++i) {
        std::string column = "k" + std::to_string(i + 1);
        if (ignoreCase) {
            sql << " AND lower(" << column << ") = ";
            db_->Sql().FoldedValue(sql, leadingKeys[i]);
        } else {
            sql << " AND " << column << " = ";
            sql.Value(leadingKeys[i]);
        }
    }
    sql << kOrder[leadingKeys.size() - 1];
    Statement& s = sql.Prepare(*db_);
    std::vector<int64_t> ids;
    while (s.Step()) ids.push_back(s.Int(0));
    return ids;
}

std::optional<StoredObject> Store::ReadObject(int64_t id) {
    Statement& s = db_->Prepare("SELECT type, k1, k2, k3 FROM objects WHERE id = ?");
    s.Bind(1, id);
    if (!s.Step()) return std::nullopt;
    return StoredObject{id, s.Text(0), {s.Text(1), s.Text(2), s.Text(3)}};
}

SqlValue Store::ReadAttribute(const char* table, int64_t id, const std::string& name) {
    SqlText sql;
    sql << "SELECT ";
    db_->Sql().Attribute(sql, table, name, AttributeForm::Value, objdefs::DataType::Text);
    sql << " FROM " << table << " WHERE id = ";
    sql.Value(id);
    Statement& s = sql.Prepare(*db_);
    return s.Step() ? s.Value(0) : SqlValue();
}

void Store::WriteAttribute(const char* table, int64_t id, const std::string& name, const SqlValue& value) {
    SqlText sql;
    sql << "UPDATE " << table << " SET attrs = ";
    if (std::holds_alternative<std::monostate>(value))
        db_->Sql().WithoutAttribute(sql, name);
    else
        db_->Sql().WithAttribute(sql, name, value);
    sql << " WHERE id = ";
    sql.Value(id);
    sql.Prepare(*db_).Run();
}

SqlValue Store::Attribute(int64_t objectId, const std::string& name) { return ReadAttribute("objects", objectId, name); }

void Store::SetAttribute(int64_t objectId, const std::string& name, const SqlValue& value) {
    WriteAttribute("objects", objectId, name, value);
}

void Store::DeleteObject(int64_t id) { db_->Prepare("DELETE FROM objects WHERE id = ?").Bind(1, id).Run(); }

int64_t Store::InsertLink(const std::string& table, int64_t from, int64_t to, const std::string& attributes) {
    return InsertedId(db_->Prepare("INSERT INTO links(link_table, from_id, to_id, attrs) VALUES(?, ?, ?, ?) RETURNING id")
                          .Bind(1, table).Bind(2, from).Bind(3, to).Bind(4, attributes));
}

std::vector<StoredLink> Store::ReadLinks(Statement& statement) {
    std::vector<StoredLink> links;
    while (statement.Step()) links.push_back({statement.Int(0), statement.Int(1), statement.Int(2)});
    return links;
}

std::vector<StoredLink> Store::LinksBetween(const std::string& table, int64_t from, int64_t to) {
    return ReadLinks(
        db_->Prepare("SELECT id, from_id, to_id FROM links WHERE link_table = ? AND from_id = ? AND to_id = ? ORDER BY id")
            .Bind(1, table).Bind(2, from).Bind(3, to));
}

std::vector<StoredLink> Store::LinksFrom(const std::string& table, int64_t from) {
    return ReadLinks(db_->Prepare("SELECT id, from_id, to_id FROM links WHERE link_table = ? AND from_id = ? ORDER BY id")
                         .Bind(1, table).Bind(2, from));
}

std::vector<StoredLink> Store::LinksTo(const std::string& table, int64_t to) {
    return ReadLinks(db_->Prepare("SELECT id, from_id, to_id FROM links WHERE link_table = ? AND to_id = ? ORDER BY id")
                         .Bind(1, table).Bind(2, to));
}

SqlValue Store::LinkAttribute(int64_t linkId, const std::string& name) { return ReadAttribute("links", linkId, name); }

void Store::SetLinkAttribute(int64_t linkId, const std::string& name, const SqlValue& value) {
    WriteAttribute("links", linkId, name, value);
}

void Store::DeleteLink(int64_t linkId) { db_->Prepare("DELETE FROM links WHERE id = ?").Bind(1, linkId).Run(); }

size_t Store::DeleteLinksBetween(const std::string& table, int64_t from, int64_t to) {
    std::vector<StoredLink> links = LinksBetween(table, from, to);
    for (const StoredLink& link : links) DeleteLink(link.id);
    return links.size();
}

int64_t Store::Count(const char* sql, std::optional<int64_t> id) {
    Statement& s = db_->Prepare(sql);
    if (id) s.Bind(1, *id);
    s.Step();
    int64_t count = s.Int(0);
    s.Reset();  // holds no snapshot of the database
    return count;
}

int64_t Store::CountLinksTo(int64_t objectId) { return Count("SELECT count(*) FROM links WHERE to_id = ?", objectId); }

void Store::AddHistory(const HistoryEntry& e) {
    db_->Prepare("INSERT INTO history(kind, type, k1, k2, user_name, at, attrs) VALUES(?, ?, ?, ?, ?, ?, ?)")
        .Bind(1, e.kind).Bind(2, e.type).Bind(3, e.key1).Bind(4, e.key2).Bind(5, e.user).Bind(6, e.at)
        .Bind(7, e.attributes.empty() ? std::string("{}") : e.attributes)
        .Run();
}

int64_t Store::CountObjects() { return Count("SELECT count(*) FROM objects"); }
int64_t Store::CountLinks() { return Count("SELECT count(*) FROM links"); }

}  // namespace server
