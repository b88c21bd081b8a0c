#include "RowQuery.h"

#include <algorithm>

#include "PlmNames.h"

namespace server {

using objdefs::SameText;

RowQuery::RowQuery(MethodContext& context, std::vector<std::string> fields)
    : context_(context), fields_(std::move(fields)) {}

std::vector<std::string> RowQuery::SelectedFields(const MethodCall& call) {
    std::vector<std::string> fields;
    for (pugi::xml_node node : call.Role("SELECT_FIELDS").children()) {
        // A field asked for twice is answered once: a row cannot name an attribute twice.
        if (node.type() == pugi::node_element && std::find(fields.begin(), fields.end(), node.name()) == fields.end())
            fields.emplace_back(node.name());
    }
    return fields;
}

const Dialect& RowQuery::Sql() const { return context_.store.Db().Sql(); }

void RowQuery::Run(const RowSource& source, const SqlText& fromWhere) {
    std::vector<std::string> fields = fields_.empty() ? context_.defs.KeyNames(source.ObjectType()) : fields_;
    SqlText sql;
    sql << "SELECT ";
    std::vector<Column> columns;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) sql << ", ";
        columns.push_back(source.Resolve(fields[i]));
        source.Write(columns.back(), sql);
    }
    if (fields.empty()) sql << "NULL";
    sql.Append(fromWhere);
    if (!writer_) writer_ = std::make_unique<RowSetWriter>(std::move(columns));
    if (writer_->RowCount() >= kMaxRows) return;
    // The limit is written into the statement rather than bound: PostgreSQL plans a statement whose
    // LIMIT is a parameter for any count (its generic plan), which made the 10,000-row answer a
    // third slower than the same SELECT with a number there. One number, so that one statement
    // serves every run; the writer stops at the answer's limit across the runs.
    static const std::string kLimit = " LIMIT " + std::to_string(kMaxRows);
    sql << kLimit;
    writer_->AddRows(sql.Prepare(context_.store.Db()), kMaxRows);
}

// An attribute of the object as text, for the filters.
void RowQuery::ObjectText(SqlText& sql, const char* attribute) const {
    Sql().Attribute(sql, "o", attribute, AttributeForm::Text, objdefs::DataType::Text);
}

void RowQuery::AppendObjectFilter(const std::string& type, const RowFilter& filter, const RowSource& source,
                                  SqlText& sql) {
    if (SameText(filter.mode, "RELEASED") && context_.defs.TypeAttribute(type, names::kStatus)) {
        sql << " AND ";
        ObjectText(sql, names::kStatus);
        sql << " IN ('RELEASED', 'UNDER_CHANGE')";
    }
    if (SameText(filter.revision, "EFFECTIVE")) {
        std::string day = (filter.date.empty() ? context_.now : filter.date).substr(0, 10) + "T23:59:59";
        sql << " AND ";
        ObjectText(sql, kEffectiveFrom);
        sql << " <= ";
        sql.Value(day);
        sql << " AND (";
        ObjectText(sql, kEffectiveThru);
        sql << " IS NULL OR ";
        ObjectText(sql, kEffectiveThru);
        sql << " > ";
        sql.Value(day);
        sql << ")";
    }
    Condition::AppendSql(filter.conditions, source, Sql(), filter.ignoreCase, sql);
}

void RowQuery::Linked(const LinkPath& path, int64_t anchor, const RowFilter& filter) {
    RowSource source(context_.defs, Sql(), path.otherType);
    source.WithLink(*path.link);
    bool revisions = SameText(filter.revision, "ALL_REVISIONS") || SameText(filter.revision, "EFFECTIVE");
    SqlText sql;
    sql << " FROM links l JOIN objects ";
    if (revisions)
        sql << "x ON x.id = l." << path.OtherColumn() << " JOIN objects o ON o.type = x.type AND o.k1 = x.k1";
    else
        sql << "o ON o.id = l." << path.OtherColumn();
    sql << " WHERE l.link_table = ";
    sql.Value(path.link->table);
    sql << " AND l." << path.AnchorColumn() << " = ";
    sql.Value(anchor);
    sql << " AND " << (revisions ? "x" : "o") << ".type = ";
    sql.Value(path.otherType);
    // The revisions of an object come once, however many of its revisions are linked (a part used by
    // two revisions of one assembly); in a part list a line linking the very same object again stays
    // (another find number), where used names each parent once however many lines hold the object.
    const bool parentOnce = SameText(path.link->linkType, names::kParentLinks);
    if (revisions)
        sql << " AND NOT EXISTS (SELECT 1 FROM links e JOIN objects y ON y.id = e." << path.OtherColumn()
            << " WHERE e.link_table = l.link_table AND e." << path.AnchorColumn() << " = l." << path.AnchorColumn()
            << " AND e.id < l.id AND y.type = x.type AND y.k1 = x.k1" << (parentOnce ? ")" : " AND y.id <> x.id)");
    else if (parentOnce)
        sql << " AND NOT EXISTS (SELECT 1 FROM links e WHERE e.link_table = l.link_table AND e." << path.AnchorColumn()
            << " = l." << path.AnchorColumn() << " AND e." << path.OtherColumn() << " = l." << path.OtherColumn()
            << " AND e.id < l.id)";
    AppendObjectFilter(path.otherType, filter, source, sql);
    sql << (revisions ? " ORDER BY l.id, o.k2, o.k3" : " ORDER BY l.id");
    Run(source, sql);
}

void RowQuery::Objects(const std::string& type, const RowFilter& filter) {
    RowSource source(context_.defs, Sql(), type);
    SqlText sql;
    sql << " FROM objects o WHERE o.type = ";
    sql.Value(type);
    AppendObjectFilter(type, filter, source, sql);
    sql << " ORDER BY o.k1, o.k2, o.k3";
    Run(source, sql);
}

void RowQuery::History(const HistoryKind& kind, const std::string& type, const std::string& key, bool activeVersion,
                       bool ignoreCase) {
    RowSource source(context_.defs, Sql(), type);
    source.WithHistory(kind.name, kind.attributes, kind.dateAttribute);
    SqlText sql;
    sql << " FROM history h LEFT JOIN objects o ON ";
    if (activeVersion)
        sql << "o.id = (SELECT a.id FROM objects a WHERE a.type = h.type AND a.k1 = h.k1 ORDER BY a.k2 DESC LIMIT 1)";
    else
        sql << "o.type = h.type AND o.k1 = h.k1 AND o.k2 = h.k2 AND o.k3 = ''";
    sql << " WHERE h.kind = ";
    sql.Value(kind.kind);
    sql << " AND h.type = ";
    sql.Value(type);
    if (ignoreCase) {
        sql << " AND lower(h.k1) = ";
        Sql().FoldedValue(sql, key);
    } else {
        sql << " AND h.k1 = ";
        sql.Value(key);
    }
    sql << " ORDER BY h.at, h.id";
    Run(source, sql);
}

void RowQuery::TopAffected(const LinkPath& affected, int64_t modification) {
    RowSource source(context_.defs, Sql(), affected.otherType);
    source.WithLink(*affected.link);
    SqlText sql;
    sql << " FROM links l JOIN objects o ON o.id = l." << affected.OtherColumn() << " WHERE l.link_table = ";
    sql.Value(affected.link->table);
    sql << " AND l." << affected.AnchorColumn() << " = ";
    sql.Value(modification);
    sql << " AND o.type = ";
    sql.Value(affected.otherType);
    if (const objdefs::LinkDef* structure = context_.defs.FindLink(names::kChildLinks, affected.otherType)) {
        sql << " AND NOT EXISTS (SELECT 1 FROM links s JOIN links a ON a.to_id = s.from_id AND a.link_table = ";
        sql.Value(affected.link->table);
        sql << " AND a.from_id = ";
        sql.Value(modification);
        sql << " WHERE s.link_table = ";
        sql.Value(structure->table);
        sql << " AND s.to_id = o.id)";
    }
    sql << " ORDER BY l.id";
    Run(source, sql);
}

std::string RowQuery::Finish() {
    if (!writer_) writer_ = std::make_unique<RowSetWriter>(std::vector<Column>{});
    return writer_->Finish();
}

}  // namespace server
