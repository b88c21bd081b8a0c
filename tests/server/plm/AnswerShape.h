#pragma once
// What every answer of the server must be, whatever the request: UTF-8 text of characters XML
// allows, a well-formed <Answer> with a known overall code, method responses each with a known code,
// a message for every failure, row sets with their schema, no attribute twice. Shared by the
// server's fuzz test and its fuzz target.
#include <string>

namespace pugi {
class xml_node;
}

namespace plmtest {

class AnswerShape {
public:
    // The ways the answer is wrong, each as a short text; empty when it is a well-formed answer.
    std::string operator()(const std::string& answer);

private:
    void Require(bool condition, const char* fault);
    size_t Messages(const pugi::xml_node& owner);

    std::string faults_;
};

}  // namespace plmtest
