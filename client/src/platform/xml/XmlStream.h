#pragma once
// A streaming read of a document held in a writable buffer: reports elements and attributes in
// document order, without building a tree. Attribute values are decoded (references, white-space
// normalisation) and terminated in place, so a handler may keep pointers to them for as long as
// the buffer lives. What is not well-formed raises an automation error saying where.
#include <cstdint>
#include <string_view>

#include "platform/xml/XmlStreamReader.h"

namespace platform {

class XmlStream {
public:
    // A handler has these members (no base class: the reading is made for each handler type):
    //   void StartElement(std::string_view name, int depth);
    //   // The attributes of the element last started; `value` is also null-terminated in the buffer.
    //   void Attribute(std::string_view name, std::string_view value);
    //   // Also reported for an empty element.
    //   void EndElement(std::string_view name, int depth);
    // and may have these, for attributes that mostly come in a known order:
    //   // The name the current element's next attribute likely has (empty: none).
    //   std::string_view NextAttribute();
    //   // Reported instead of Attribute for an attribute of that name.
    //   void ExpectedAttribute(std::string_view value);
    //
    // errorNumber and subject make the error: "<subject> cannot be read: XML error at offset N: ...".
    // text[size] must be a '\0' (as after a std::string's characters): the scans stop on it.
    template <class Handler>
    static void Read(char* text, size_t size, Handler& handler, int32_t errorNumber, std::string_view subject) {
        xmlstream::XmlStreamReader<Handler>(text, size, handler, errorNumber, subject).Run();
    }
};

}  // namespace platform
