#pragma once
// Values as requests write them and as the store keeps them: text as is, numbers with "." as the
// decimal point, dates as ISO text ("2024-03-05T00:00:00") read from "MM/DD/YYYY", "YYYY-MM-DD"
// or the ISO form, each optionally followed by a time.
#include <string>

#include "Statement.h"
#include "objdefs/ObjectModel.h"

namespace server {

// The stored form of a request's text for a field of the type; empty text gives Null. Raises
// MethodError (bad value) naming the field when the text is not of the type.
SqlValue StoredValue(objdefs::DataType type, const std::string& text, const std::string& field);
// The ISO form of a date text, or empty when the text is not a date.
std::string IsoDate(const std::string& text);
// Now and today, in ISO form (local time).
std::string NowIso();
std::string TodayIso();

}  // namespace server
