#pragma once
// One column of an answer's row set: the field's name ("ITEM.ITEM_KEY") and its data type.
#include <string>

#include "objdefs/ObjectModel.h"

namespace server {

struct Column {
    std::string name;
    objdefs::DataType type = objdefs::DataType::Text;
    int maxLength = 0;
};

}  // namespace server
