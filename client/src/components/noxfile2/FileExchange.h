#pragma once
// The file component's conversation with the server: a file's content and attributes (FileDownload),
// the same with the file's lock taken (FileCheckOut), and new content given back (FileCheckIn), each
// a request document headed by the connection text and sent through a communication object's
// SendRequest (docs/formats.md, "File content").
#include <string>
#include <utility>
#include <vector>

#include "automation/Variant.h"

namespace components {

// A file as the server gave it: its attributes by full name ("FILE.FILE_NAME") and its bytes.
struct ServerFile {
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string bytes;

    // The attribute's value; "" when the file has none of that name (compared without case).
    std::string Attribute(const std::string& name) const;
    // The file's name without any folder ("FILE_NAME"), else its first key: a safe name for a copy.
    std::string LocalName() const;
};

class FileExchange {
public:
    // comm: an object answering SendRequest(request, resultCode, messages); Nothing or Empty makes one
    // ("noxrequestpars.XMLRequestPars", connected as the connection settings say).
    explicit FileExchange(const automation::Variant& comm);

    // The keys and values name the file (key names "FILE.FILE_ID", "FILE.REVISION", values in order).
    ServerFile Download(const automation::Variant& keys, const automation::Variant& values);
    ServerFile CheckOut(const automation::Variant& keys, const automation::Variant& values);
    void CheckIn(const automation::Variant& keys, const automation::Variant& values, const std::string& bytes);

    // The request document of a method on the file; params is the inside of <PARAMS>.
    static std::string Request(const std::string& method, const automation::Variant& keys,
                               const automation::Variant& values, const std::string& params = {});

private:
    // Sends and answers the answer text; a refusal raises 0x800403E8 with the server's message.
    std::string Send(const std::string& request);
    ServerFile Fetch(const std::string& method, const automation::Variant& keys, const automation::Variant& values);

    automation::Variant comm_;
};

}  // namespace components
