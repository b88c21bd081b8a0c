#include "SqliteDialect.h"

namespace server {

namespace {

// The JSON path of an attribute: "$." and the name quoted.
std::string AttributePath(const std::string& name) { return "$.\"" + name + "\""; }

}  // namespace

const char* SqliteDialect::Schema() const {
    return R"SQL(
CREATE TABLE IF NOT EXISTS objects(
  id INTEGER PRIMARY KEY,
  type TEXT NOT NULL,
  k1 TEXT NOT NULL,
  k2 TEXT NOT NULL DEFAULT '',
  k3 TEXT NOT NULL DEFAULT '',
  attrs TEXT NOT NULL DEFAULT '{}' CHECK (json_valid(attrs)),
  UNIQUE(type, k1, k2, k3));
CREATE INDEX IF NOT EXISTS objects_k1_folded ON objects(type, lower(k1));
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
CREATE TABLE IF NOT EXISTS file_contents(
  object_id INTEGER PRIMARY KEY REFERENCES objects(id) ON DELETE CASCADE,
  content TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS users(
  name TEXT PRIMARY KEY,
  user_type TEXT NOT NULL,
  password_hash TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS sessions(
  token_digest TEXT PRIMARY KEY,
  user_name TEXT NOT NULL REFERENCES users(name) ON DELETE CASCADE,
  expires_at INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS sessions_user ON sessions(user_name);
)SQL";
}

const char* SqliteDialect::TableExists() const { return "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"; }

const char* SqliteDialect::Begin(Access access) const { return access == Access::Changes ? "BEGIN IMMEDIATE" : "BEGIN"; }

// json_extract answers text, integer, real or Null as the JSON holds them; SQLite compares them
// as they are, so every form is the same.
void SqliteDialect::Attribute(SqlText& sql, std::string_view alias, const std::string& name, AttributeForm,
                              objdefs::DataType) const {
    sql << "json_extract(" << alias << ".attrs, ";
    sql.Value(AttributePath(name));
    sql << ")";
}

void SqliteDialect::ComparedValue(SqlText& sql, objdefs::DataType, SqlValue value) const { sql.Value(std::move(value)); }

void SqliteDialect::FoldedValue(SqlText& sql, std::string value) const {
    sql << "lower(";
    sql.Value(std::move(value));
    sql << ")";
}

// SQLite's LIKE already ignores the case of ASCII letters and knows no escape character.
void SqliteDialect::Like(SqlText& sql, const SqlText& expression, std::string pattern) const {
    sql.Append(expression) << " LIKE ";
    sql.Value(std::move(pattern));
}

void SqliteDialect::WithAttribute(SqlText& sql, const std::string& name, const SqlValue& value) const {
    sql << "json_set(attrs, ";
    sql.Value(AttributePath(name));
    sql << ", ";
    sql.Value(value);
    sql << ")";
}

void SqliteDialect::WithoutAttribute(SqlText& sql, const std::string& name) const {
    sql << "json_remove(attrs, ";
    sql.Value(AttributePath(name));
    sql << ")";
}

}  // namespace server
