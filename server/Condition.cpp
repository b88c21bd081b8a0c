#include "Condition.h"

#include <cstring>

#include "MethodCall.h"
#include "MethodError.h"
#include "Values.h"

namespace server {

namespace {

struct Operator {
    const char* name;
    const char* sql;
};

constexpr Operator kOperators[] = {{"EQU", " = "}, {"NEQ", " <> "}, {"GRT", " > "}, {"GRE", " >= "},
                                   {"LES", " < "}, {"LSE", " <= "}, {"LIKE", " LIKE "}};

const char* OperatorSql(const std::string& op) {
    for (const Operator& o : kOperators)
        if (objdefs::SameText(op, o.name)) return o.sql;
    throw MethodError(codes::kBadValue, "The condition operator \"" + op + "\" is not known (EQU, NEQ, GRT, GRE, "
                                        "LES, LSE, LIKE)");
}

bool IsConditionElement(const char* name) {
    if (std::strncmp(name, "CONDITION", 9) != 0 || name[9] == '\0') return false;
    for (const char* p = name + 9; *p; ++p)
        if (*p < '0' || *p > '9') return false;
    return true;
}

// A LIKE pattern from the user's wildcards: * for any text, ? for one character.
std::string LikePattern(std::string value) {
    for (char& c : value) c = c == '*' ? '%' : c == '?' ? '_' : c;
    return value;
}

}  // namespace

std::vector<Condition> Condition::ReadAll(pugi::xml_node parent) {
    std::vector<Condition> conditions;
    for (pugi::xml_node node : parent.children()) {
        if (node.type() != pugi::node_element || !IsConditionElement(node.name())) continue;
        Condition c{Trimmed(node.child_value("Relation")), Trimmed(node.child_value("Field")),
                    Trimmed(node.child_value("Condition")), node.child("Value").text().get()};
        if (c.field.empty()) throw MethodError(codes::kMissing, std::string("The condition ") + node.name() + " has no field");
        if (c.field.find('.') == std::string::npos) {
            std::string owner = Trimmed(node.child_value("Link"));
            if (owner.empty()) owner = Trimmed(node.child_value("Object"));
            if (!owner.empty()) c.field = owner + "." + c.field;
        }
        if (c.op.empty()) c.op = "EQU";
        conditions.push_back(std::move(c));
    }
    return conditions;
}

std::vector<Condition> Condition::ReadText(const std::string& text) {
    if (Trimmed(text).empty()) return {};
    pugi::xml_document document;
    std::string wrapped = "<CRITERIA>" + text + "</CRITERIA>";
    if (!document.load_buffer(wrapped.data(), wrapped.size()))
        throw MethodError(codes::kBadValue, "The link criteria are not a list of conditions: \"" + text + "\"");
    return ReadAll(document.document_element());
}

void Condition::AppendSql(const std::vector<Condition>& conditions, const RowSource& source, const Dialect& dialect,
                          bool ignoreCase, SqlText& sql) {
    if (conditions.empty()) return;
    sql << " AND (";
    for (size_t i = 0; i < conditions.size(); ++i) {
        const Condition& c = conditions[i];
        if (i > 0) sql << (objdefs::SameText(c.relation, "OR") ? " OR " : " AND ");
        const std::string op = OperatorSql(c.op);
        const Column column = source.Resolve(c.field);
        const bool folded = ignoreCase && column.type == objdefs::DataType::Text;
        SqlText expression;
        source.Write(column, expression, op == " LIKE " || folded ? AttributeForm::Text : AttributeForm::Compared);
        sql << "(";
        if (c.value.empty() && (op == " = " || op == " <> ")) {
            sql.Append(expression) << (op == " = " ? " IS NULL" : " IS NOT NULL");
        } else if (op == " LIKE ") {
            dialect.Like(sql, expression, LikePattern(c.value));
        } else if (SqlValue value = StoredValue(column.type, c.value, c.field); folded && !c.value.empty()) {
            sql << "lower(";
            sql.Append(expression) << ")" << op;
            dialect.FoldedValue(sql, c.value);
        } else {
            sql.Append(expression) << op;
            if (column.read == Column::Read::Attribute)
                dialect.ComparedValue(sql, column.type, std::move(value));
            else
                sql.Value(std::move(value));
        }
        sql << ")";
    }
    sql << ")";
}

}  // namespace server
