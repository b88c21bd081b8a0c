#pragma once
// The requests a test's commands send, in order, as the communication component sends them.
#include <string>
#include <vector>

#include "components/noxcomm2/Icomm.h"

namespace controltest {

class SentRequests {
public:
    SentRequests() {
        components::Icomm::RequestSent().Install([this](const std::string& request) { requests.push_back(request); });
    }
    ~SentRequests() { components::Icomm::RequestSent().Install(nullptr); }
    SentRequests(const SentRequests&) = delete;
    SentRequests& operator=(const SentRequests&) = delete;

    size_t Count(const std::string& method) const {
        size_t count = 0;
        for (const std::string& request : requests) count += request.find("<Name>" + method + "</Name>") != std::string::npos;
        return count;
    }
    // The first request of the method; "" when none was sent.
    std::string Of(const std::string& method) const {
        for (const std::string& request : requests)
            if (request.find("<Name>" + method + "</Name>") != std::string::npos) return request;
        return {};
    }
    std::vector<std::string> requests;
};

}  // namespace controltest
