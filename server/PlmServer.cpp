#include "PlmServer.h"

#include "AnswerWriter.h"
#include "MethodError.h"
#include "MethodTable.h"
#include "RequestDocument.h"
#include "StoreError.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace server {

namespace {

std::string ErrorAnswer(const std::string& code, const std::string& description) {
    return AnswerWriter().Finish("ERROR", {{code, description, {}}});
}

// The HTTP status of a request that failed as a whole with the message code.
int StatusOf(const std::string& code) {
    if (code == codes::kOtherUser || code == codes::kNoRight) return 403;
    if (code == codes::kTimeLimit) return 503;
    return 200;
}

PlmServer::Reply Refusal(const std::string& code, const std::string& description) {
    return {StatusOf(code), ErrorAnswer(code, description)};
}

// "30 s", "0.5 s".
std::string Seconds(std::chrono::milliseconds limit) {
    char text[32];
    std::snprintf(text, sizeof text, "%g s", static_cast<double>(limit.count()) / 1000);
    return text;
}

}  // namespace

PlmServer::PlmServer(std::shared_ptr<const objdefs::ObjectDefinitions> defs, const std::string& storeLocation)
    : defs_(std::move(defs)), store_(storeLocation) {}

PlmServer::Reply PlmServer::Serve(std::string_view request, const Caller& caller) {
    if (request.size() > kMaxRequestBytes)
        return Refusal(codes::kTooLarge, "The request has " + std::to_string(request.size()) + " bytes; the server reads at most " +
                                             std::to_string(kMaxRequestBytes));
    std::unique_lock<std::timed_mutex> lock(mutex_, std::defer_lock);
    Database::Deadline deadline;
    if (caller.timeLimit) {
        deadline = std::chrono::steady_clock::now() + *caller.timeLimit;
        // Waited for by the system clock: its timed lock is the one ThreadSanitizer sees (it does not
        // know the monotonic clock's, and would take the unlock for a lock never taken).
        if (!lock.try_lock_until(std::chrono::system_clock::now() + *caller.timeLimit))
            return Refusal(codes::kTimeLimit, "The request waited " + Seconds(*caller.timeLimit) +
                                                  ", the server's limit for one request, for the requests before it; it was not carried out");
    } else {
        lock.lock();
    }
    store_.Db().SetDeadline(deadline);
    Reply reply;
    try {
        reply = HandleLocked(request, caller);
    } catch (const MethodError& e) {
        reply = Refusal(e.Code(), e.what());
    } catch (const std::exception& e) {
        reply = Refusal(codes::kInternal, std::string("The server failed: ") + e.what());
    }
    store_.Db().SetDeadline({});
    return reply;
}

PlmServer::Reply PlmServer::HandleLocked(std::string_view text, const Caller& caller) {
    RequestDocument request(text, caller.account ? &caller.account->name : nullptr, caller.user);
    AnswerWriter answer;
    if (!request.IsMultiMethod()) {
        Outcome outcome = Execute(request.Call(), false, caller);
        const std::vector<Message>& messages = outcome.result.messages;
        answer.AddMethodResponse(request.Call().Name(), outcome.ok ? "OK" : "FAILED", messages,
                                 std::move(outcome.result.document));
        return {outcome.ok || messages.empty() ? 200 : StatusOf(messages.front().code), answer.Finish(outcome.ok ? "OK" : "ERROR", messages)};
    }
    std::vector<MethodCall> calls = request.NestedCalls();
    size_t failed = 0;
    for (const MethodCall& call : calls) {
        Outcome outcome = Execute(call, true, caller);
        failed += outcome.ok ? 0 : 1;
        answer.AddMethodResponse(call.Name(), outcome.ok ? "OK" : "FAILED", outcome.result.messages,
                                 std::move(outcome.result.document));
    }
    if (failed == 0) return {200, answer.Finish("OK", {})};
    std::string summary = std::to_string(failed) + " of " + std::to_string(calls.size()) + " methods failed";
    return {200, answer.Finish(failed == calls.size() ? "FAILED" : "WARNING", {{codes::kPartial, summary, {}}})};
}

PlmServer::Outcome PlmServer::Execute(const MethodCall& call, bool nested, const Caller& caller) {
    try {
        if (nested && (call.Name() == "MultiMethodsRequest" || call.Name() == "GeneralRequest"))
            throw MethodError(codes::kBadRequest, "A multi-method request cannot nest another one");
        const MethodTable::Method* method = MethodTable::Instance().Find(call.Name());
        if (!method) throw MethodError(codes::kUnknownMethod, "The server has no method \"" + call.Name() + "\"");
        for (int attempt = 1;; ++attempt) {
            try {
                return {true, RunInTransaction(*method, call, caller)};
            } catch (const StoreConflict& e) {
                if (attempt == kMaxAttempts)
                    throw MethodError(codes::kConflict, call.Name() + " met changes of another server " +
                                                            std::to_string(kMaxAttempts) +
                                                            " times and changed nothing; send it again (" + e.what() + ")");
                WaitBeforeAttempt(attempt + 1);
            }
        }
    } catch (const MethodError& e) {
        return {false, {{}, {{e.Code(), e.what(), e.Data()}}}};
    } catch (const StoreTimeout&) {
        return {false, {{}, {{codes::kTimeLimit, call.Name() + " took longer than " + Seconds(caller.timeLimit.value_or(std::chrono::milliseconds{})) +
                                                     ", the server's limit for one request, and was stopped; it changed nothing", {}}}}};
    } catch (const std::exception& e) {
        return {false, {{}, {{codes::kInternal, call.Name() + " failed in the server: " + e.what(), {}}}}};
    }
}

MethodResult PlmServer::RunInTransaction(const MethodTable::Method& method, const MethodCall& call, const Caller& caller) {
    Transaction transaction(store_.Db(), method.access);
    MethodContext context(store_, *defs_, call);
    if (caller.account && method.right) RequireRight(*caller.account, method.right(context));
    MethodResult result = method.run(context);
    transaction.Commit();
    return result;
}

void PlmServer::RequireRight(const Account& account, const Right& right) const {
    if (rights_.Authorize(account.userType, right.action, right.objectType, right.status)) return;
    throw MethodError(codes::kNoRight, "The user " + account.name + " (" + account.userType + ") has no right to " + right.action +
                                           " on " + right.object + (right.status.empty() ? "" : " in the status " + right.status));
}

// A few milliseconds, more for each attempt and a little at random, so that two servers that met
// do not meet again.
void PlmServer::WaitBeforeAttempt(int attempt) {
    static thread_local std::minstd_rand random(std::random_device{}());
    std::this_thread::sleep_for(std::chrono::microseconds(1000 * attempt + random() % 5000));
}

}  // namespace server
