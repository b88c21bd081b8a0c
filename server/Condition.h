#pragma once
// The conditions of a query: CONDITION0, CONDITION1, ... elements (relation, link, object, field,
// operator, value) read from a fragment, and their SQL over a row source. Relations are applied
// left to right as SQL does (AND before OR).
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "RowSource.h"
#include "SqlText.h"

namespace server {

struct Condition {
    std::string relation;  // "", "AND", "OR"
    std::string field;     // "OWNER.ATTRIBUTE"
    std::string op;        // "EQU", "NEQ", "GRT", "GRE", "LES", "LSE", "LIKE"
    std::string value;

    // The CONDITIONn children of the element, in document order.
    static std::vector<Condition> ReadAll(pugi::xml_node parent);
    // The conditions of an escaped condition text (link criteria); none for an empty text. Raises
    // MethodError (bad value) when the text is not a sequence of conditions.
    static std::vector<Condition> ReadText(const std::string& text);
    // " AND (...)" for the conditions, nothing when there are none. Raises MethodError for an
    // unknown operator or a value that is not of the field's type.
    static void AppendSql(const std::vector<Condition>& conditions, const RowSource& source, const Dialect& dialect,
                          bool ignoreCase, SqlText& sql);
};

}  // namespace server
