#include "components/noxcomm2/ConnectionSettings.h"

#include <cctype>
#include <filesystem>
#include <pugixml.hpp>

#include "automation/AutomationError.h"
#include "components/noxcomm2/CommErrors.h"
#include "components/noxcomm2/EmbeddedTransport.h"
#include "components/noxcomm2/HttpTransport.h"
#include "platform/Environment.h"
#include "platform/ProductFolders.h"
#include "platform/UserAccount.h"

namespace components {

namespace {

[[noreturn]] void BadSettings(const std::string& why) {
    throw automation::AutomationError(commerrors::kBadSettings, why);
}

// A file the connection names, relative to the connection file's folder; empty when not named.
std::string FileOf(const pugi::xml_node& node, const char* name, const std::string& path) {
    std::filesystem::path file = node.attribute(name).value();
    if (file.empty() || file.is_absolute()) return file.string();
    return (std::filesystem::path(path).parent_path() / file).string();
}

int PositiveMs(const pugi::xml_node& node, const char* name, int fallback, const std::string& path) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) return fallback;
    int value = attribute.as_int(0);
    if (value <= 0) BadSettings(path + ": " + name + " must be a positive number of milliseconds");
    return value;
}

pugi::xml_node ChosenConnection(const pugi::xml_node& root, const std::string& path) {
    std::string wanted = root.attribute("DEFAULT").value();
    for (pugi::xml_node node : root.children("CONNECTION"))
        if (wanted.empty() || wanted == node.attribute("NAME").value()) return node;
    if (!wanted.empty()) BadSettings(path + ": the default connection '" + wanted + "' is not defined");
    return {};
}

}  // namespace

std::string ConnectionSettings::DefaultFile() {
    return platform::ProductFolders::Directory("CONNECTIONS_DIR") + kFileName;
}

ConnectionSettings ConnectionSettings::Load() {
    std::string path = DefaultFile();
    ConnectionSettings settings = std::filesystem::exists(path) ? LoadFile(path) : ConnectionSettings{};
    std::string url = platform::Environment::Get(kUrlVariable);
    if (!url.empty()) settings.url = url;
    return settings;
}

ConnectionSettings ConnectionSettings::LoadFile(const std::string& path) {
    pugi::xml_document document;
    pugi::xml_parse_result parsed = document.load_file(path.c_str());
    if (!parsed) BadSettings(path + ": the connection file cannot be read (" + parsed.description() + ")");
    pugi::xml_node root = document.document_element();
    if (std::string(root.name()) != "CONNECTIONS") BadSettings(path + ": the root element must be <CONNECTIONS>");
    ConnectionSettings settings;
    pugi::xml_node chosen = ChosenConnection(root, path);
    if (!chosen) return settings;
    settings.url = chosen.attribute("URL").as_string("embedded");
    settings.user = chosen.attribute("USER").value();
    settings.project = chosen.attribute("PROJECT").value();
    settings.connectTimeoutMs = PositiveMs(chosen, "CONNECT_TIMEOUT_MS", kDefaultConnectTimeoutMs, path);
    settings.timeoutMs = PositiveMs(chosen, "TIMEOUT_MS", kDefaultTimeoutMs, path);
    settings.caFile = FileOf(chosen, "CA_FILE", path);
    settings.tokenFile = FileOf(chosen, "TOKEN_FILE", path);
    if (!settings.caFile.empty() && !std::filesystem::is_regular_file(settings.caFile))
        BadSettings(path + ": the certificate authority file " + settings.caFile + " does not exist");
    ParseUrl(settings.url);
    return settings;
}

ServerAddress ConnectionSettings::ParseUrl(const std::string& url) {
    std::string lower;
    for (char c : url) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "embedded") return {};
    bool secure = lower.rfind("https://", 0) == 0;
    if (!secure && lower.rfind("http://", 0) != 0)
        BadSettings("The server URL '" + url + "' is neither \"embedded\" nor an http:// or https:// address");
    std::string rest = url.substr(secure ? 8 : 7);
    size_t slash = rest.find('/');
    std::string authority = rest.substr(0, slash);
    ServerAddress address{false, secure, authority, secure ? 443 : 80, slash == std::string::npos ? "/" : rest.substr(slash)};
    if (size_t colon = authority.rfind(':'); colon != std::string::npos) {
        address.host = authority.substr(0, colon);
        std::string port = authority.substr(colon + 1);
        if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(port) < 1 || std::stoi(port) > 65535)
            BadSettings("The server URL '" + url + "' has an invalid port");
        address.port = std::stoi(port);
    }
    if (address.host.empty()) BadSettings("The server URL '" + url + "' names no host");
    return address;
}

std::string ConnectionSettings::UserName() const { return user.empty() ? platform::UserAccount::LoginName() : user; }

std::shared_ptr<const Transport> ConnectionSettings::MakeTransport(const ServerAddress& address) const {
    if (address.embedded) return std::make_shared<EmbeddedTransport>();
    return std::make_shared<HttpTransport>(address, *this);
}

}  // namespace components
