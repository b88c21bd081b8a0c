#include "PlmServer.h"

#include "AnswerWriter.h"
#include "MethodError.h"
#include "MethodTable.h"
#include "RequestDocument.h"
#include "StoreError.h"

#include <chrono>
#include <random>
#include <thread>

namespace server {

namespace {

std::string ErrorAnswer(const std::string& code, const std::string& description) {
    return AnswerWriter().Finish("ERROR", {{code, description, {}}});
}

}  // namespace

PlmServer::PlmServer(std::shared_ptr<const objdefs::ObjectDefinitions> defs, const std::string& storeLocation)
    : defs_(std::move(defs)), store_(storeLocation) {}

std::string PlmServer::Handle(std::string_view request) {
    if (request.size() > kMaxRequestBytes)
        return ErrorAnswer(codes::kTooLarge, "The request has " + std::to_string(request.size()) +
                                                 " bytes; the server reads at most " +
                                                 std::to_string(kMaxRequestBytes));
    std::lock_guard<std::mutex> lock(mutex_);
    try {
        return HandleLocked(request);
    } catch (const MethodError& e) {
        return ErrorAnswer(e.Code(), e.what());
    } catch (const std::exception& e) {
        return ErrorAnswer(codes::kInternal, std::string("The server failed: ") + e.what());
    }
}

std::string PlmServer::HandleLocked(std::string_view text) {
    RequestDocument request(text);
    AnswerWriter answer;
    if (!request.IsMultiMethod()) {
        Outcome outcome = Execute(request.Call(), false);
        const std::vector<Message>& messages = outcome.result.messages;
        answer.AddMethodResponse(request.Call().Name(), outcome.ok ? "OK" : "FAILED", messages, outcome.result.document);
        return answer.Finish(outcome.ok ? "OK" : "ERROR", messages);
    }
    std::vector<MethodCall> calls = request.NestedCalls();
    size_t failed = 0;
    for (const MethodCall& call : calls) {
        Outcome outcome = Execute(call, true);
        failed += outcome.ok ? 0 : 1;
        answer.AddMethodResponse(call.Name(), outcome.ok ? "OK" : "FAILED", outcome.result.messages,
                                 outcome.result.document);
    }
    if (failed == 0) return answer.Finish("OK", {});
    std::string summary = std::to_string(failed) + " of " + std::to_string(calls.size()) + " methods failed";
    return answer.Finish(failed == calls.size() ? "FAILED" : "WARNING", {{codes::kPartial, summary, {}}});
}

PlmServer::Outcome PlmServer::Execute(const MethodCall& call, bool nested) {
    try {
        if (nested && (call.Name() == "MultiMethodsRequest" || call.Name() == "GeneralRequest"))
            throw MethodError(codes::kBadRequest, "A multi-method request cannot nest another one");
        const MethodTable::Method* method = MethodTable::Instance().Find(call.Name());
        if (!method) throw MethodError(codes::kUnknownMethod, "The server has no method \"" + call.Name() + "\"");
        for (int attempt = 1;; ++attempt) {
            try {
                return {true, RunInTransaction(*method, call)};
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
    } catch (const std::exception& e) {
        return {false, {{}, {{codes::kInternal, call.Name() + " failed in the server: " + e.what(), {}}}}};
    }
}

MethodResult PlmServer::RunInTransaction(const MethodTable::Method& method, const MethodCall& call) {
    Transaction transaction(store_.Db(), method.access);
    MethodContext context(store_, *defs_, call);
    MethodResult result = method.run(context);
    transaction.Commit();
    return result;
}

// A few milliseconds, more for each attempt and a little at random, so that two servers that met
// do not meet again.
void PlmServer::WaitBeforeAttempt(int attempt) {
    static thread_local std::minstd_rand random(std::random_device{}());
    std::this_thread::sleep_for(std::chrono::microseconds(1000 * attempt + random() % 5000));
}

}  // namespace server
