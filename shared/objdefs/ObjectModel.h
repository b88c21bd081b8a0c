#pragma once
// The records of the object definitions: object types with their attributes and keys, links between
// types, user-defined value lists, categories and preferences. Plain data, read by
// ObjectDefinitionsReader and queried through ObjectDefinitions.
#include <string>
#include <vector>

namespace objdefs {

enum class DataType { Text, Number, Date };

struct AttributeDef {
    std::string name;       // the full name: owner + "." + short name, e.g. "ITEM.ITEM_KEY"
    std::string shortName;  // "ITEM_KEY"
    DataType type = DataType::Text;
    std::string label;
    std::string column;        // the database column; the short name unless the file says otherwise
    int keyOrder = 0;          // 1, 2, ... for key attributes, 0 otherwise
    bool isVirtual = false;    // computed by the server, not stored in the owner's table
    int length = 0;            // maximum text length, 0 when not given
    std::string valueList;     // name of the user-defined value list, empty when none
    std::string defaultValue;  // empty when none
    bool hasDefault = false;
};

struct TypeDef {
    std::string name;  // "ITEM"
    std::string label;
    std::string table;
    std::vector<AttributeDef> attributes;  // in file order
};

struct LinkDef {
    std::string name;      // "RELATED_CUSTOMER"
    std::string linkType;  // "REFERENCE_LINK", "LOGICAL_LINK", "CHILD_LINKS", "PARENT_LINKS", ...
    std::string from;      // the type the link is seen from
    std::string to;        // the linked type
    std::string table;
    std::string label;         // seen from `from`
    std::string reverseLabel;  // seen from `to`; the label when the file gives none
    std::vector<AttributeDef> attributes;
};

struct ListValue {
    std::string code;
    std::string description;
};

struct ValueList {
    std::string name;
    std::string description;
    std::vector<ListValue> values;
};

struct CategoryDef {
    std::string name;
    std::string objectType;
    std::vector<AttributeDef> attributes;
};

struct Preference {
    std::string name;
    std::string value;
};

const char* DataTypeName(DataType type);

}  // namespace objdefs
