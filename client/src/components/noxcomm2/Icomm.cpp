#include "components/noxcomm2/Icomm.h"

#include "components/noxcomm2/CommErrors.h"
#include "components/noxcomm2/ConnectionSettings.h"

namespace components {

namespace {

using automation::AutomationError;

bool IsFailureCode(const std::string& code) {
    return automation::SameName(code, "FAILED") || automation::SameName(code, "ERROR");
}

int PortNumber(int32_t port) {
    if (port < 0 && port >= -32768) port += 65536;
    if (port < 1 || port > 65535)
        throw AutomationError(commerrors::kBadSettings, "The port " + std::to_string(port) + " is not a valid port");
    return port;
}

// Empty or "embedded": the embedded server; a URL: that URL; else a host with port and path.
ServerAddress ServerAddressOf(const std::string& serverName, int32_t port, const std::string& servletPath) {
    if (serverName.empty()) return {};
    if (automation::SameName(serverName, "embedded") || serverName.find("://") != std::string::npos)
        return ConnectionSettings::ParseUrl(serverName);
    return {false, false, serverName, PortNumber(port), servletPath.starts_with("/") ? servletPath : "/" + servletPath};
}

// The settings of the connection file when they can be read (for their time-outs), else the defaults.
ConnectionSettings SettingsOrDefaults() {
    try {
        return ConnectionSettings::Load();
    } catch (const AutomationError&) {
        return {};
    }
}

}  // namespace

const automation::MemberTable<Icomm>& Icomm::Members() {
    static const automation::MemberTable<Icomm> table = [] {
        automation::MemberTable<Icomm> t;
        t.Method("Open", &Icomm::Open)
            .Method("OpenAsync", &Icomm::OpenAsync)
            .Method("Send", &Icomm::Send)
            .Method("SendAsync", &Icomm::SendAsync)
            .Property("Response", &Icomm::Response)
            .Property("Server", &Icomm::Server)
            .Method("Login", &Icomm::Login);
        return t;
    }();
    return table;
}

Icomm::Icomm() : apartment_(automation::Apartment::Current()) {}

Icomm::~Icomm() {
    for (auto& request : inFlight_) request.wait();
}

bool Icomm::Open(const std::string& serverName, int32_t port, const std::string& servletPath) {
    ServerAddress address = ServerAddressOf(serverName, port, servletPath);
    auto transport = SettingsOrDefaults().MakeTransport(address);
    transport->Probe();
    transport_ = std::move(transport);
    return true;
}

bool Icomm::OpenAsync(const std::string& serverName, int32_t port, const std::string& servletPath) {
    return Open(serverName, port, servletPath);
}

std::shared_ptr<const Transport> Icomm::CurrentTransport() {
    if (!transport_) transport_ = ConnectionSettings::Load().MakeTransport();
    return transport_;
}

std::string Icomm::Server() { return CurrentTransport()->Describe(); }

std::string Icomm::Login(const std::string& password) {
    return CurrentTransport()->Login(SettingsOrDefaults().UserName(), password);
}

platform::ProcessHook<const std::string&>& Icomm::RequestSent() {
    static platform::ProcessHook<const std::string&> hook;
    return hook;
}

bool Icomm::Send(const std::string& request) {
    RequestSent()(request);
    response_.reset();
    response_ = Answer::Parse(CurrentTransport()->Exchange(request));
    return true;
}

bool Icomm::SendAsync(const std::string& request) {
    RequestSent()(request);
    std::shared_ptr<const Transport> transport = CurrentTransport();
    ForgetFinished();
    int32_t requestId = ++lastRequestId_;
    std::weak_ptr<Dispatch> self = weak_from_this();
    std::shared_ptr<automation::Apartment> apartment = apartment_;
    inFlight_.push_back(std::async(std::launch::async, [=] {
        std::string text;
        Failure failure;
        try {
            text = transport->Exchange(request);
        } catch (const std::exception& e) {
            failure = AutomationError::From(e);
        }
        apartment->Post([self, requestId, text = std::move(text), failure] {
            if (auto owner = std::static_pointer_cast<Icomm>(self.lock())) owner->Deliver(requestId, text, failure);
        });
    }));
    return true;
}

void Icomm::Deliver(int32_t requestId, const std::string& text, const Failure& failure) {
    int32_t result = 0;
    std::string errors;
    if (failure) {
        result = failure->Number();
        errors = failure->Description();
    } else {
        try {
            response_ = Answer::Parse(text);
            if (IsFailureCode(response_->ResultCode())) {
                result = commerrors::kServerFailed;
                errors = response_->FirstMessage();
                if (errors.empty()) errors = "The server answered " + response_->ResultCode();
            }
        } catch (const AutomationError& e) {
            result = e.Number();
            errors = e.Description();
        }
    }
    events_.Fire("RequestResult", requestId, result, errors, text);
}

void Icomm::ForgetFinished() {
    std::erase_if(inFlight_, [](std::future<void>& request) {
        return request.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
}

}  // namespace components
