#pragma once
// The communication component "noxcomm2.Icomm": sends request documents to the server, embedded
// in-process or over HTTP, and keeps the answer of the last completed send. SendAsync exchanges on
// a worker thread and raises RequestResult(request id, HRESULT, errors, response) on the owning
// thread when that thread pumps its apartment. Without Open it uses the connection settings
// (docs/formats.md, "Connection file"), whose token file and certificate authorities serve an
// opened connection too.
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/Apartment.h"
#include "automation/Dispatchable.h"
#include "automation/EventSource.h"
#include "components/noxcomm2/Answer.h"
#include "components/noxcomm2/Transport.h"
#include "platform/ProcessHook.h"

namespace components {

class Icomm : public automation::Dispatchable<Icomm> {
public:
    static constexpr const char* kTypeName = "Icomm";
    static const automation::MemberTable<Icomm>& Members();

    Icomm();
    // Waits for the requests still in flight; their transports have time-outs.
    ~Icomm() override;

    // Connects to a server: "embedded" (or empty) for the embedded server, else a host name with
    // the port and the servlet path. Raises when the server cannot be reached. A port above 32767
    // may also come as its 16-bit negative form.
    bool Open(const std::string& serverName, int32_t port, const std::string& servletPath);
    bool OpenAsync(const std::string& serverName, int32_t port, const std::string& servletPath);
    // Exchanges synchronously; the answer becomes Response. Failures raise.
    bool Send(const std::string& request);
    // Starts an exchange and returns at once; ids increase from 1 per component.
    bool SendAsync(const std::string& request);
    // The answer of the last completed send, or Nothing.
    automation::DispatchPtr Response() const { return response_; }
    // "embedded" or the server's URL.
    std::string Server();
    // Logs the connection's user in with the password: the server's session token goes to the
    // connection's token file, for the exchanges after. Answers when the session ends (UTC), or ""
    // for the embedded server, which needs no login. A refusal raises 0x80040407 with its message.
    std::string Login(const std::string& password);

    automation::EventSource* Events() override { return &events_; }

    // The host application's receiver of every request text, as Send or SendAsync is called (on the
    // calling thread).
    static platform::ProcessHook<const std::string&>& RequestSent();

private:
    using Failure = std::optional<automation::AutomationError>;

    std::shared_ptr<const Transport> CurrentTransport();
    void Deliver(int32_t requestId, const std::string& text, const Failure& failure);
    void ForgetFinished();

    std::shared_ptr<const Transport> transport_;
    std::shared_ptr<automation::Apartment> apartment_;
    std::shared_ptr<Answer> response_;
    int32_t lastRequestId_ = 0;
    std::vector<std::future<void>> inFlight_;
    automation::EventSource events_{{"RequestResult"}};
};

}  // namespace components
