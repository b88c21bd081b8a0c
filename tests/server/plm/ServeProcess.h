#pragma once
// The real "simplelinks serve" as a child process on a free loopback port, for the crash and
// concurrency tests: started, asked for its URL (the first line it prints), signalled, waited for.
#include <string>
#include <vector>
#include <sys/types.h>

namespace plmtest {

class ServeProcess {
public:
    // Serves the store at `store` (a SQLite file or a PostgreSQL URL) with the options given
    // (without login unless told otherwise).
    explicit ServeProcess(const std::string& store, const std::vector<std::string>& options = {"--no-auth"});
    ~ServeProcess();
    ServeProcess(const ServeProcess&) = delete;
    ServeProcess& operator=(const ServeProcess&) = delete;

    int Port() const { return port_; }
    const std::string& Path() const { return path_; }
    // Sends the signal and waits (at most 10 s) for the exit; returns the wait status.
    int Stop(int signal);
    // What the process printed after its URL, once it has ended.
    std::string RestOfOutput();

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string path_;
    int port_ = 0;
};

// POSTs a request document to the served URL; the body of the answer, empty on failure.
std::string Post(const ServeProcess& process, const std::string& request);

}  // namespace plmtest
