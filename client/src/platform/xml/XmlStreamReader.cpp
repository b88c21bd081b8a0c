#include "platform/xml/XmlStreamReader.h"

#include "automation/AutomationError.h"

namespace platform::xmlstream {

void RaiseXmlError(int32_t number, std::string_view subject, std::ptrdiff_t offset, const std::string& what) {
    throw automation::AutomationError(number, std::string(subject) + " cannot be read: XML error at offset " +
                                                  std::to_string(offset) + ": " + what);
}

}  // namespace platform::xmlstream
