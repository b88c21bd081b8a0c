// The three histories of an object: vault (check-in and check-out, and every change made through
// the server), roll-up and send-to-ERP.
#include "MethodTable.h"
#include "QueryFilter.h"

namespace server {

namespace {

using objdefs::DataType;

objdefs::AttributeDef Attribute(const char* name, DataType type) {
    objdefs::AttributeDef a;
    a.name = a.shortName = a.label = a.column = name;
    a.type = type;
    return a;
}

HistoryKind VaultKind(const objdefs::ObjectDefinitions& defs, const std::string& type) {
    HistoryKind kind{"VAULT", type + "_VAULT_HISTORY", {}, "CHECK_DATE"};
    const objdefs::LinkDef* link = defs.FindLink(kind.name, type);
    for (const objdefs::LinkDef& candidate : defs.Links())
        if (!link && objdefs::SameText(candidate.linkType, "VAULT_HISTORY")) link = &candidate;
    if (link) kind.attributes = link->attributes;
    kind.attributes.push_back(Attribute("COMMENTS", DataType::Text));
    return kind;
}

HistoryKind RollupKind(const objdefs::ObjectDefinitions&, const std::string&) {
    return {"ROLLUP",
            "ROLLUP_HISTORY",
            {Attribute("ROLLUP_TYPE", DataType::Text), Attribute("REVISION", DataType::Text),
             Attribute("TOTAL_WEIGHT", DataType::Number), Attribute("TOTAL_COST", DataType::Number),
             Attribute("COMMENTS", DataType::Text)},
            "ROLLUP_DATE"};
}

HistoryKind SendToErpKind(const objdefs::ObjectDefinitions&, const std::string&) {
    return {"SEND_TO_ERP",
            "SEND_TO_ERP_HISTORY",
            {Attribute("ERP_SYSTEM", DataType::Text), Attribute("REVISION", DataType::Text),
             Attribute("SEND_STATUS", DataType::Text), Attribute("MESSAGE", DataType::Text)},
            "SEND_DATE"};
}

template <HistoryKind (*Kind)(const objdefs::ObjectDefinitions&, const std::string&)>
MethodResult QueryHistory(MethodContext& context) {
    ObjectSpec object = context.ReadObject(context.call.RequireRole("IN_OBJECT"));
    RowQuery query(context, RowQuery::SelectedFields(context.call));
    query.History(Kind(context.defs, object.type), object.type, object.keys.front(),
                  ParamIsTrue(context, "active_version"), ParamIsTrue(context, "not_case_sensitive"));
    return {query.Finish(), {}};
}

}  // namespace

void AddHistoryMethods(MethodTable& table) {
    table.AddQuery("QueryObjectVaultHistory", QueryHistory<VaultKind>);
    table.AddQuery("QueryRollupHistory", QueryHistory<RollupKind>);
    table.AddQuery("QuerySendToErpHistory", QueryHistory<SendToErpKind>);
}

}  // namespace server
