#pragma once
// What one row of a query is made of, under fixed aliases: the object "o", and optionally the link
// "l" that led to it and the history row "h". Turns a selected field ("OWNER.ATTRIBUTE") into the
// SQL expression that reads it and the typed column it makes in the answer.
#include <string>
#include <vector>

#include "Column.h"
#include "SqlText.h"
#include "objdefs/ObjectDefinitions.h"

namespace server {

class RowSource {
public:
    RowSource(const objdefs::ObjectDefinitions& defs, std::string objectType);

    RowSource& WithLink(const objdefs::LinkDef& link);
    // A history row named `name` (the owner of its fields), with the typed attributes it knows;
    // `dateAttribute` is the field that reads the row's time.
    RowSource& WithHistory(std::string name, std::vector<objdefs::AttributeDef> attributes,
                           std::string dateAttribute);

    const std::string& ObjectType() const { return objectType_; }
    // Appends the expression of the field to `sql` and returns its column. A field whose owner is
    // not part of the row reads as Null.
    Column Resolve(const std::string& field, SqlText& sql) const;

private:
    bool IsLinkOwner(const std::string& owner) const;
    Column ObjectField(const std::string& field, const std::string& attribute, SqlText& sql) const;
    Column LinkField(const std::string& field, const std::string& owner, const std::string& attribute,
                     SqlText& sql) const;
    Column HistoryField(const std::string& field, const std::string& attribute, SqlText& sql) const;
    void LockState(SqlText& sql) const;

    const objdefs::ObjectDefinitions& defs_;
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
