#include "RowSource.h"

#include "PlmNames.h"
#include "Store.h"

namespace server {

using objdefs::DataType;
using objdefs::SameText;

namespace {

void Json(SqlText& sql, const char* alias, const std::string& attribute) {
    sql << "json_extract(" << alias << ".attrs, ";
    sql.Value(AttributePath(attribute));
    sql << ")";
}

Column Typed(const std::string& field, const objdefs::AttributeDef* def) {
    if (!def) return {field, DataType::Text, 0};
    return {field, def->type, def->length};
}

}  // namespace

RowSource::RowSource(const objdefs::ObjectDefinitions& defs, std::string objectType)
    : defs_(defs), objectType_(std::move(objectType)) {}

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

Column RowSource::Resolve(const std::string& field, SqlText& sql) const {
    size_t dot = field.find('.');
    std::string owner = dot == std::string::npos ? objectType_ : field.substr(0, dot);
    std::string attribute = dot == std::string::npos ? field : field.substr(dot + 1);
    if (SameText(owner, objectType_)) return ObjectField(field, attribute, sql);
    if (!historyName_.empty() && SameText(owner, historyName_)) return HistoryField(field, attribute, sql);
    if (link_ && IsLinkOwner(owner)) return LinkField(field, owner, attribute, sql);
    sql << "NULL";
    return {field, DataType::Text, 0};
}

bool RowSource::IsLinkOwner(const std::string& owner) const {
    if (SameText(owner, link_->name) || SameText(owner, "RELATED_" + objectType_)) return true;
    const objdefs::LinkDef* named = defs_.FindLink(owner, objectType_);
    return named && SameText(named->table, link_->table);
}

Column RowSource::ObjectField(const std::string& field, const std::string& attribute, SqlText& sql) const {
    const objdefs::AttributeDef* def = defs_.TypeAttribute(objectType_, attribute);
    if (def && def->keyOrder >= 1 && def->keyOrder <= Store::kMaxKeys) {
        sql << "o.k" << std::to_string(def->keyOrder);
        return Typed(field, def);
    }
    if (SameText(attribute, names::kLockType)) {
        LockState(sql);
        return {field, DataType::Text, 0};
    }
    Json(sql, "o", def ? def->shortName : attribute);
    if (!def && (SameText(attribute, kEffectiveFrom) || SameText(attribute, kEffectiveThru)))
        return {field, DataType::Date, 0};
    return Typed(field, def);
}

Column RowSource::LinkField(const std::string& field, const std::string& owner, const std::string& attribute,
                            SqlText& sql) const {
    if (SameText(attribute, names::kLockType)) {
        LockState(sql);
        return {field, DataType::Text, 0};
    }
    const objdefs::AttributeDef* def = defs_.LinkAttribute(link_->name, attribute, link_->from);
    if (!def) def = defs_.LinkAttribute(owner, attribute, objectType_);
    Json(sql, "l", def ? def->shortName : attribute);
    return Typed(field, def);
}

Column RowSource::HistoryField(const std::string& field, const std::string& attribute, SqlText& sql) const {
    if (SameText(attribute, historyDate_)) {
        sql << "h.at";
        return {field, DataType::Date, 0};
    }
    if (SameText(attribute, names::kHistoryUser)) {
        sql << "h.user_name";
        return {field, DataType::Text, 0};
    }
    const objdefs::AttributeDef* def = objdefs::ObjectDefinitions::FindAttribute(historyAttributes_, attribute);
    Json(sql, "h", def ? def->shortName : attribute);
    return Typed(field, def);
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
    sql << " AND e.to_id = o.id AND json_extract(e.attrs, '$.LOCKED') = 'TRUE') THEN 'Locked' ELSE 'Unlocked' END";
}

}  // namespace server
