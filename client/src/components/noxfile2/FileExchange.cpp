#include "components/noxfile2/FileExchange.h"

#include <pugixml.hpp>

#include "automation/AutomationError.h"
#include "automation/Dispatch.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "automation/Text.h"
#include "base64/Base64.h"
#include "platform/xml/XmlEscape.h"

namespace components {

using automation::AutomationError;
using automation::Variant;

namespace {

constexpr const char* kSource = "noxfile2.iclsfile";

AutomationError Failure(const std::string& text) {
    return AutomationError(automation::errors::kUserError, text, kSource);
}

// The first text a SendRequest gave as messages: a text, or the first entry of an array.
std::string MessageText(const Variant& messages) {
    if (!messages.IsArray()) return messages.TextOr("");
    const automation::SafeArray& list = messages.ToArray();
    if (list.Dimensions() == 2) return list.UBound(1) < list.LBound(1) ? "" : list.At(list.LBound(1), list.LBound(2)).TextOr("");
    return list.UBound(1) < list.LBound(1) ? "" : list.At(list.LBound(1)).TextOr("");
}

std::string KeyElements(const Variant& keys, const Variant& values) {
    if (!keys.IsArray() || !values.IsArray()) throw Failure("The file is not named: its keys and values are missing");
    const automation::SafeArray& names = keys.ToArray();
    const automation::SafeArray& texts = values.ToArray();
    std::string xml;
    for (int32_t i = names.LBound(); i <= names.UBound(); ++i) {
        const std::string name = platform::EscapeXml(names.At(i).TextOr(""));
        const int32_t at = texts.LBound() + (i - names.LBound());
        const std::string value = at <= texts.UBound() ? texts.At(at).TextOr("") : "";
        xml += "<" + name + ">" + platform::EscapeXml(value) + "</" + name + ">";
    }
    return xml;
}

// The connection text of "noxconn2.IConnect"; empty when it cannot be made.
std::string ConnectionText() {
    try {
        return automation::CreateObject("noxconn2.IConnect")->Get("ConnectInfo").TextOr("");
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace

std::string ServerFile::Attribute(const std::string& name) const {
    for (const auto& [key, value] : attributes)
        if (automation::SameName(key, name)) return value;
    return {};
}

std::string ServerFile::LocalName() const {
    std::string name = Attribute("FILE.FILE_NAME");
    name = name.substr(name.find_last_of("/\\") == std::string::npos ? 0 : name.find_last_of("/\\") + 1);
    if (name.empty() || name == "." || name == "..") name = attributes.empty() ? "file" : attributes.front().second;
    return name;
}

FileExchange::FileExchange(const Variant& comm) : comm_(comm) {
    if (!comm_.IsObject() || comm_.IsNothing()) comm_ = Variant(automation::CreateObject("noxrequestpars.XMLRequestPars"));
}

std::string FileExchange::Request(const std::string& method, const Variant& keys, const Variant& values,
                                  const std::string& params) {
    return "<Request>" + ConnectionText() + "<Method><Name>" + method + "</Name><OBJECTS><IN_OBJECT ID=\"FILE\">" +
           KeyElements(keys, values) + "</IN_OBJECT></OBJECTS><PARAMS>" + params + "</PARAMS></Method></Request>";
}

std::string FileExchange::Send(const std::string& request) {
    automation::Arguments args{Variant(request), Variant(), Variant()};
    const std::string answer =
        automation::InvokeOn(comm_, "SendRequest", automation::InvokeKind::Method, args).TextOr("");
    const std::string code = automation::Upper(args[1].TextOr(""));
    if (code != "OK" && code != "WARNING") {
        const std::string text = MessageText(args[2]);
        throw Failure(text.empty() ? "The server did not answer the file request" : text);
    }
    return answer;
}

ServerFile FileExchange::Fetch(const std::string& method, const Variant& keys, const Variant& values) {
    pugi::xml_document answer;
    if (!answer.load_string(Send(Request(method, keys, values)).c_str()))
        throw Failure("The server's answer to " + method + " is not XML");
    const pugi::xml_node content = answer.select_node("//FILE_CONTENT").node();
    if (!content) throw Failure("The server's answer to " + method + " holds no file");
    ServerFile file;
    for (pugi::xml_node attribute : content.children("ATTRIBUTE"))
        file.attributes.emplace_back(attribute.attribute("NAME").value(), attribute.text().get());
    std::optional<std::string> bytes = base64::Decode(content.child("CONTENT").text().get());
    if (!bytes) throw Failure("The server's answer to " + method + " holds content that is not base64");
    file.bytes = std::move(*bytes);
    return file;
}

ServerFile FileExchange::Download(const Variant& keys, const Variant& values) { return Fetch("FileDownload", keys, values); }

ServerFile FileExchange::CheckOut(const Variant& keys, const Variant& values) { return Fetch("FileCheckOut", keys, values); }

void FileExchange::CheckIn(const Variant& keys, const Variant& values, const std::string& bytes) {
    Send(Request("FileCheckIn", keys, values, "<CONTENT>" + base64::Encode(bytes) + "</CONTENT>"));
}

}  // namespace components
