#pragma once
// A streaming read of a document's text: reports elements and attributes in document order, without
// building a tree, and without writing to the text. An attribute value is a view of the text, or,
// when it holds references or white space to normalise, of its decoded form appended to a buffer
// the caller gives. What is not well-formed raises an automation error saying where.
#include <cstdint>
#include <string_view>

#include "platform/xml/XmlStreamReader.h"

namespace platform {

class XmlStream {
public:
    // A handler has these members (no base class: the reading is made for each handler type):
    //   void StartElement(std::string_view name, int depth);
    //   // The attributes of the element last started. A value in `decoded` is valid until the next
    //   // value is decoded (the buffer may grow); its place in the buffer stays.
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
    // The character after the text must be a '\0' (as after a std::string's characters): the scans
    // stop on it.
    template <class Handler>
    static void Read(std::string_view text, Handler& handler, std::string& decoded, int32_t errorNumber,
                     std::string_view subject) {
        xmlstream::XmlStreamReader<Handler>(text, handler, decoded, errorNumber, subject).Run();
    }
};

}  // namespace platform
