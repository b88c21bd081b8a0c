#pragma once
// The SQL of the PostgreSQL backend: attributes in jsonb, texts in the "C" collation (byte order,
// as SQLite compares), changes in serializable transactions, reads in a repeatable-read snapshot.
#include "Dialect.h"

namespace server {

class PostgresDialect : public Dialect {
public:
    const char* Schema() const override;
    const char* SchemaLock() const override;
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
