#pragma once
// Builds the row set of a query method: the selected fields of the rows of one or more sources
// (objects linked to an anchor, objects of a type, history rows, top affected objects), filtered
// by mode, effectivity date, revision option and conditions, written as one persisted row set.
#include <memory>
#include <string>
#include <vector>

#include "Condition.h"
#include "LinkPath.h"
#include "MethodContext.h"
#include "RowSetWriter.h"

namespace server {

struct RowFilter {
    std::string mode;      // "WIP" (everything) or "RELEASED" (released and under-change objects)
    std::string date;      // ISO; the effectivity date, today when empty
    std::string revision;  // "", "ALL_REVISIONS" or "EFFECTIVE"
    std::vector<Condition> conditions;
    bool ignoreCase = false;
};

// What a kind of history row knows: the owner name of its fields, its typed attributes and the
// attribute that reads the row's time.
struct HistoryKind {
    std::string kind;  // "VAULT", "ROLLUP", "SEND_TO_ERP"
    std::string name;
    std::vector<objdefs::AttributeDef> attributes;
    std::string dateAttribute;
};

class RowQuery {
public:
    // The most rows one answer carries.
    static constexpr size_t kMaxRows = 100000;

    // The fields of <SELECT_FIELDS> in order; with none, the key fields of each source's type.
    RowQuery(MethodContext& context, std::vector<std::string> fields);

    void Linked(const LinkPath& path, int64_t anchor, const RowFilter& filter);
    void Objects(const std::string& type, const RowFilter& filter);
    void History(const HistoryKind& kind, const std::string& type, const std::string& key, bool activeVersion,
                 bool ignoreCase);
    // The objects of `type` linked from the modification that no other of its objects has as a
    // structure child.
    void TopAffected(const LinkPath& affected, int64_t modification);
    std::string Finish();

    // The field names of the method's <SELECT_FIELDS> (in <OBJECTS>), each once.
    static std::vector<std::string> SelectedFields(const MethodCall& call);

private:
    const Dialect& Sql() const;
    void Run(const RowSource& source, const SqlText& fromWhere);
    void ObjectText(SqlText& sql, const char* attribute) const;
    void AppendObjectFilter(const std::string& type, const RowFilter& filter, const RowSource& source, SqlText& sql);

    MethodContext& context_;
    std::vector<std::string> fields_;
    std::unique_ptr<RowSetWriter> writer_;
};

}  // namespace server
