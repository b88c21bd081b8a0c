#pragma once
// What SQL says differently on each backend of the store; every other statement is written once,
// in the words both understand. Attributes live in a JSON object per row (column "attrs"), which
// SQLite reads with its json functions and PostgreSQL keeps as jsonb; texts compare byte by byte
// on both, and "without case" folds ASCII letters only, as SQLite does.
#include <string>
#include <string_view>

#include "Database.h"
#include "SqlText.h"
#include "objdefs/ObjectModel.h"

namespace server {

// How an attribute is read: the value it holds (text, number or Null) for an answer, as text (for
// LIKE and comparisons without case), or as a comparison with a bound value of its type wants it.
enum class AttributeForm { Value, Text, Compared };

class Dialect {
public:
    virtual ~Dialect() = default;

    // The statements that create what the schema lacks (tables and indexes).
    virtual const char* Schema() const = 0;
    // Run in the schema's transaction first, so that servers starting together create it once; may be "".
    virtual const char* SchemaLock() const = 0;
    // A query of one parameter, a table's name, answering a row when the table exists.
    virtual const char* TableExists() const = 0;
    // The statement that starts a transaction.
    virtual const char* Begin(Access access) const = 0;

    // An attribute of the row `alias` ("o" object, "l" link, "h" history row), of the given type.
    virtual void Attribute(SqlText& sql, std::string_view alias, const std::string& name, AttributeForm form,
                           objdefs::DataType type) const = 0;
    // The bound value an attribute read in the form Compared is compared with.
    virtual void ComparedValue(SqlText& sql, objdefs::DataType type, SqlValue value) const = 0;
    // A bound text folded as lower() folds a column: "lower(k1) = " + FoldedValue.
    virtual void FoldedValue(SqlText& sql, std::string value) const = 0;
    // `expression` LIKE `pattern` (% any text, _ one character), ASCII letters without case.
    virtual void Like(SqlText& sql, const SqlText& expression, std::string pattern) const = 0;
    // The row's attributes with the named one set to the value, or without it.
    virtual void WithAttribute(SqlText& sql, const std::string& name, const SqlValue& value) const = 0;
    virtual void WithoutAttribute(SqlText& sql, const std::string& name) const = 0;
};

}  // namespace server
