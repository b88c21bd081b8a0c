#include "ServeProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include <httplib.h>

namespace plmtest {

namespace {

// Reads one line within the time-out.
std::string ReadLine(int fd, std::chrono::milliseconds timeout) {
    std::string line;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    char c = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        if (read(fd, &c, 1) != 1) break;
        if (c == '\n') return line;
        line += c;
    }
    return line;
}

}  // namespace

ServeProcess::ServeProcess(const std::string& store, const std::vector<std::string>& options) {
    std::vector<std::string> words = {NOX_SIMPLELINKS, "serve", "--db", store, "--port", "0"};
    words.insert(words.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        execv(NOX_SIMPLELINKS, argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    output_ = pipeEnds[0];
    std::string url = ReadLine(output_, std::chrono::seconds(20));
    size_t colon = url.rfind(':'), slash = url.find('/', colon);
    if (url.rfind("http", 0) != 0 || colon == std::string::npos || slash == std::string::npos)
        throw std::runtime_error("the server printed \"" + url + "\" instead of its URL");
    port_ = std::stoi(url.substr(colon + 1, slash - colon - 1));
    path_ = url.substr(slash);
}

ServeProcess::~ServeProcess() {
    if (pid_ > 0) Stop(SIGKILL);
    if (output_ >= 0) close(output_);
}

int ServeProcess::Stop(int signal) {
    int status = -1;
    if (pid_ <= 0) return status;
    kill(pid_, signal);
    pid_t ended = 0;
    for (int i = 0; i < 200 && (ended = waitpid(pid_, &status, WNOHANG)) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (ended == 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
    }
    pid_ = -1;
    return status;
}

std::string ServeProcess::RestOfOutput() { return ReadLine(output_, std::chrono::seconds(2)); }

std::string Post(const ServeProcess& process, const std::string& request) {
    httplib::Client client("127.0.0.1", process.Port());
    client.set_read_timeout(std::chrono::seconds(30));
    httplib::Result result = client.Post(process.Path(), request, "text/xml; charset=utf-8");
    return result && result->status == 200 ? result->body : std::string();
}

}  // namespace plmtest
