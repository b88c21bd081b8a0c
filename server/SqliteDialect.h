#pragma once
// The SQL of the SQLite backend: attributes read with json_extract over a JSON path, transactions
// that take the write lock at once for changes.
#include "Dialect.h"

namespace server {

class SqliteDialect : public Dialect {
public:
    const char* Schema() const override;
    const char* SchemaLock() const override { return ""; }
    const char* TableExists() const override;
    const char* Begin(Access access) const override;
    void Attribute(SqlText& sql, std::string_view alias, const std::string& name, AttributeForm form,
                   objdefs::DataType type) const override;
    void ComparedValue(SqlText& sql, objdefs::DataType type, SqlValue value) const override;
    void FoldedValue(SqlText& sql, std::string value) const override;
    void Like(SqlText& sql, const SqlText& expression, std::string pattern) const override;
    void WithAttribute(SqlText& sql, const std::string& name, const SqlValue& value) const override;
    void WithoutAttribute(SqlText& sql, const std::string& name) const override;
};

}  // namespace server
