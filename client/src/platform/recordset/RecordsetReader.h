#pragma once
// Reads a persisted row-set document: a schema naming each field and its type, then a data element
// with one row element per record and one attribute per non-missing field. Elements are found by
// their local names, so other prefixes than the usual "s", "rs" and "z" read as well.
#include <memory>
#include <string>

#include "platform/recordset/RecordsetData.h"

namespace platform {

class RecordsetReader {
public:
    // The error number of a text that is not well-formed XML.
    static constexpr int32_t kNotReadable = static_cast<int32_t>(0x80040E21u);

    // The table of the text, which it keeps and reads without copying or changing it; null when the
    // document holds no data element. A text that is not well-formed raises an automation error
    // describing where.
    static std::shared_ptr<RecordsetData> Read(std::shared_ptr<const std::string> text);
    static std::shared_ptr<RecordsetData> Read(std::string text);
};

}  // namespace platform
