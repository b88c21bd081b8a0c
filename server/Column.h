#pragma once
// One column of a query's rows: the field's name ("ITEM.ITEM_KEY"), its data type, and where its
// value is read: a key column of the object, an attribute of the object, link or history row, the
// computed lock state, the history row's time or user, or nothing (Null).
#include <string>

#include "objdefs/ObjectModel.h"

namespace server {

struct Column {
    enum class Read { Null, Key, Attribute, LockState, HistoryTime, HistoryUser };

    std::string name;
    objdefs::DataType type = objdefs::DataType::Text;
    int maxLength = 0;
    Read read = Read::Null;
    const char* alias = "o";  // the row an attribute belongs to: "o", "l" or "h"
    std::string attribute;    // the attribute's short name; for a key its column ("k1")
};

}  // namespace server
