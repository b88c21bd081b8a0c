#pragma once
// What the command tests see of the server: the requests the commands send (SentRequests), and
// answers scripted for the changes (queries still reach the sample), with the pieces to write them.
#include <string>
#include <vector>

#include "SentRequests.h"
#include "components/noxcomm2/EmbeddedServer.h"

namespace controltest {

// Answers the changes with a given answer; queries ("Zerak…", "Query…") still reach the sample.
class ScriptedChanges {
public:
    explicit ScriptedChanges(std::string answer) : sample_(components::EmbeddedServer::Current()) {
        components::EmbeddedServer::Register([this, answer](const std::string& request) {
            const bool query = request.find("<Name>Zerak") != std::string::npos || request.find("<Name>Query") != std::string::npos;
            return query ? sample_(request) : answer;
        });
    }
    ~ScriptedChanges() { components::EmbeddedServer::Register(sample_); }

private:
    components::EmbeddedServer::Handler sample_;
};

// One method's answer with its result code and, when given, one message.
inline std::string Method(const std::string& code, const std::string& message = {}) {
    return "<MethodResponse Name='Method' ResultCode='" + code + "'><Messages>" +
           (message.empty() ? "" : "<Message Code='E-1'><Description>" + message + "</Description></Message>") +
           "</Messages></MethodResponse>";
}

inline std::string Answer(const std::string& code, const std::string& methods, const std::string& message = "x") {
    return "<Answer ResultCode='" + code + "'><Messages><Message Code='W'><Description>" + message +
           "</Description></Message></Messages><MethodResponses>" + methods + "</MethodResponses></Answer>";
}

// The text as it stands inside a multi-method request's RequestBody.
inline std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '"' ? "&quot;" : c == '\'' ? "&apos;" : c == '&' ? "&amp;" : std::string(1, c);
    return out;
}

inline size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

}  // namespace controltest
