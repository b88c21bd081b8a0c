#pragma once
// What one row of a query is made of, under fixed aliases: the object "o", and optionally the link
// "l" that led to it and the history row "h". Turns a selected field ("OWNER.ATTRIBUTE") into the
// typed column it makes in the answer, and a column into the SQL expression that reads it.
#include <string>
#include <vector>

#include "Column.h"
#include "Dialect.h"
#include "objdefs/ObjectDefinitions.h"

namespace server {

class RowSource {
public:
    RowSource(const objdefs::ObjectDefinitions& defs, const Dialect& dialect, std::string objectType);

    RowSource& WithLink(const objdefs::LinkDef& link);
    // A history row named `name` (the owner of its fields), with the typed attributes it knows;
    // `dateAttribute` is the field that reads the row's time.
    RowSource& WithHistory(std::string name, std::vector<objdefs::AttributeDef> attributes,
                           std::string dateAttribute);

    const std::string& ObjectType() const { return objectType_; }
    // The column of the field. A field whose owner is not part of the row reads as Null.
    Column Resolve(const std::string& field) const;
    // Appends the expression that reads the column, an attribute in the given form.
    void Write(const Column& column, SqlText& sql, AttributeForm form = AttributeForm::Value) const;

private:
    bool IsLinkOwner(const std::string& owner) const;
    Column ObjectField(const std::string& field, const std::string& attribute) const;
    Column LinkField(const std::string& field, const std::string& owner, const std::string& attribute) const;
    Column HistoryField(const std::string& field, const std::string& attribute) const;
    void LockState(SqlText& sql) const;

    const objdefs::ObjectDefinitions& defs_;
    const Dialect& dialect_;
    std::string objectType_;
    const objdefs::LinkDef* link_ = nullptr;
    std::string historyName_;
    std::vector<objdefs::AttributeDef> historyAttributes_;
    std::string historyDate_;
};

// The attribute that keeps an object's effectivity dates; not in the definitions, kept for every type.
inline constexpr const char* kEffectiveFrom = "DATE_EFF_FROM";
inline constexpr const char* kEffectiveThru = "DATE_EFF_THRU";

}  // namespace server
