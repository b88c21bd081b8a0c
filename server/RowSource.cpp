#include "RowSource.h"

#include "PlmNames.h"
#include "Store.h"

namespace server {

using objdefs::DataType;
using objdefs::SameText;

namespace {

Column Typed(const std::string& field, const objdefs::AttributeDef* def, Column::Read read, const char* alias,
             std::string attribute) {
    Column column{field, DataType::Text, 0, read, alias, std::move(attribute)};
    if (def) {
        column.type = def->type;
        column.maxLength = def->length;
    }
    return column;
}

Column Computed(const std::string& field, Column::Read read, DataType type = DataType::Text) {
    return {field, type, 0, read, "o", {}};
}

}  // namespace

RowSource::RowSource(const objdefs::ObjectDefinitions& defs, const Dialect& dialect, std::string objectType)
    : defs_(defs), dialect_(dialect), objectType_(std::move(objectType)) {}

RowSource& RowSource::WithLink(const objdefs::LinkDef& link) {
    link_ = &link;
    return *this;
}

RowSource& RowSource::WithHistory(std::string name, std::vector<objdefs::AttributeDef> attributes,
                                  std::string dateAttribute) {
    historyName_ = std::move(name);
    historyAttributes_ = std::move(attributes);
    historyDate_ = std::move(dateAttribute);
    return *this;
}

Column RowSource::Resolve(const std::string& field) const {
    size_t dot = field.find('.');
    std::string owner = dot == std::string::npos ? objectType_ : field.substr(0, dot);
    std::string attribute = dot == std::string::npos ? field : field.substr(dot + 1);
    if (SameText(owner, objectType_)) return ObjectField(field, attribute);
    if (!historyName_.empty() && SameText(owner, historyName_)) return HistoryField(field, attribute);
    if (link_ && IsLinkOwner(owner)) return LinkField(field, owner, attribute);
    return Computed(field, Column::Read::Null);
}

void RowSource::Write(const Column& column, SqlText& sql, AttributeForm form) const {
    switch (column.read) {
        case Column::Read::Null: sql << "NULL"; break;
        case Column::Read::Key: sql << "o." << column.attribute; break;
        case Column::Read::Attribute: dialect_.Attribute(sql, column.alias, column.attribute, form, column.type); break;
        case Column::Read::LockState: LockState(sql); break;
        case Column::Read::HistoryTime: sql << "h.at"; break;
        case Column::Read::HistoryUser: sql << "h.user_name"; break;
    }
}

bool RowSource::IsLinkOwner(const std::string& owner) const {
    if (SameText(owner, link_->name) || SameText(owner, "RELATED_" + objectType_)) return true;
    const objdefs::LinkDef* named = defs_.FindLink(owner, objectType_);
    return named && SameText(named->table, link_->table);
}

Column RowSource::ObjectField(const std::string& field, const std::string& attribute) const {
    const objdefs::AttributeDef* def = defs_.TypeAttribute(objectType_, attribute);
    if (def && def->keyOrder >= 1 && def->keyOrder <= Store::kMaxKeys)
        return Typed(field, def, Column::Read::Key, "o", "k" + std::to_string(def->keyOrder));
    if (SameText(attribute, names::kLockType)) return Computed(field, Column::Read::LockState);
    Column column = Typed(field, def, Column::Read::Attribute, "o", def ? def->shortName : attribute);
    if (!def && (SameText(attribute, kEffectiveFrom) || SameText(attribute, kEffectiveThru))) column.type = DataType::Date;
    return column;
}

Column RowSource::LinkField(const std::string& field, const std::string& owner, const std::string& attribute) const {
    if (SameText(attribute, names::kLockType)) return Computed(field, Column::Read::LockState);
    const objdefs::AttributeDef* def = defs_.LinkAttribute(link_->name, attribute, link_->from);
    if (!def) def = defs_.LinkAttribute(owner, attribute, objectType_);
    return Typed(field, def, Column::Read::Attribute, "l", def ? def->shortName : attribute);
}

Column RowSource::HistoryField(const std::string& field, const std::string& attribute) const {
    if (SameText(attribute, historyDate_)) return Computed(field, Column::Read::HistoryTime, DataType::Date);
    if (SameText(attribute, names::kHistoryUser)) return Computed(field, Column::Read::HistoryUser);
    const objdefs::AttributeDef* def = objdefs::ObjectDefinitions::FindAttribute(historyAttributes_, attribute);
    return Typed(field, def, Column::Read::Attribute, "h", def ? def->shortName : attribute);
}

// "Locked" while an engineering order holds a lock on the object, else "Unlocked".
void RowSource::LockState(SqlText& sql) const {
    const objdefs::LinkDef* attached = defs_.FindLink(names::kEoAttachedLink);
    if (!attached) {
        sql << "'Unlocked'";
        return;
    }
    sql << "CASE WHEN EXISTS (SELECT 1 FROM links e WHERE e.link_table = ";
    sql.Value(attached->table);
    sql << " AND e.to_id = o.id AND ";
    dialect_.Attribute(sql, "e", "LOCKED", AttributeForm::Text, DataType::Text);
    sql << " = 'TRUE') THEN 'Locked' ELSE 'Unlocked' END";
}

}  // namespace server
