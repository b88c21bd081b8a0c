#pragma once
// What a method answers when it succeeds: its document (a row set for queries, empty for changes)
// and any messages it has for the user.
#include <string>
#include <vector>

namespace server {

struct Message {
    std::string code;
    std::string description;
    std::string data;  // "<Data>...</Data>" or empty
};

struct MethodResult {
    std::string document;
    std::vector<Message> messages;
};

}  // namespace server
