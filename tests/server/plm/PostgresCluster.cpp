#include "PostgresCluster.h"

#include <fcntl.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "Database.h"

namespace plmtest {

namespace fs = std::filesystem;

namespace {

// The folder of initdb and pg_ctl.
std::string FindBinaries() {
    if (const char* configured = std::getenv("NOX_PG_BINDIR"); configured && *configured) return configured;
    std::string newest;
    int newestVersion = 0;
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator("/usr/lib/postgresql", ignored)) {
        int version = std::atoi(entry.path().filename().c_str());
        if (version > newestVersion && fs::exists(entry.path() / "bin" / "initdb")) {
            newestVersion = version;
            newest = (entry.path() / "bin").string();
        }
    }
    if (!newest.empty()) return newest;
    std::istringstream path(std::getenv("PATH") ? std::getenv("PATH") : "");
    for (std::string folder; std::getline(path, folder, ':');)
        if (fs::exists(fs::path(folder) / "initdb")) return folder;
    throw std::runtime_error("PostgreSQL is not installed: no initdb in /usr/lib/postgresql/*/bin or on the PATH "
                             "(./run deps installs the Debian package postgresql)");
}

int FreeLoopbackPort() {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("no free loopback port for PostgreSQL");
    close(fd);
    return ntohs(address.sin_port);
}

std::string Tail(const std::string& path) {
    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.size() > 2000 ? text.substr(text.size() - 2000) : text;
}

}  // namespace

PostgresCluster::PostgresCluster() : bin_(FindBinaries()), uid_(getuid()), gid_(getgid()) {
    char pattern[] = "/tmp/nox-pg-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("cannot make a folder for PostgreSQL in /tmp");
    folder_ = pattern;
    if (geteuid() == 0) {
        const passwd* nobody = getpwnam("nobody");
        if (!nobody) throw std::runtime_error("running as root, but there is no user \"nobody\" to run PostgreSQL as");
        uid_ = nobody->pw_uid;
        gid_ = nobody->pw_gid;
        if (chown(folder_.c_str(), uid_, gid_) != 0) throw std::runtime_error("cannot give " + folder_ + " to nobody");
    }
    StartWatchdog();
    Run("initdb", {"-D", folder_ + "/data", "-U", "nox", "-A", "trust", "-E", "UTF8", "--locale=C", "--no-sync"},
        folder_ + "/initdb.log");
    // A port taken between the look-up and the start is tried again with another.
    for (int attempt = 1;; ++attempt) {
        port_ = FreeLoopbackPort();
        try {
            Run("pg_ctl", {"-D", folder_ + "/data", "-l", folder_ + "/server.log", "-w", "-t", "60", "-o",
                           "-p " + std::to_string(port_) + " -k " + folder_ +
                               " -c listen_addresses=127.0.0.1 -c fsync=off -c full_page_writes=off -c max_connections=40",
                           "start"},
                folder_ + "/pg_ctl.log");
            return;
        } catch (const std::runtime_error& e) {
            if (attempt == 3) throw std::runtime_error(std::string(e.what()) + "\n" + Tail(folder_ + "/server.log"));
        }
    }
}

PostgresCluster::~PostgresCluster() {
    if (watchdog_ > 0) {
        close(watchdogPipe_);  // the watchdog stops the server and removes the folder
        waitpid(watchdog_, nullptr, 0);
    }
}

void PostgresCluster::Run(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& log) const {
    std::vector<std::string> words = {bin_ + "/" + program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    pid_t child = fork();
    if (child == 0) {
        int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(gid_) != 0 || setuid(uid_) != 0)) _exit(126);
        if (chdir(folder_.c_str()) != 0) _exit(126);  // the test's folder may be closed to that user
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = -1;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("PostgreSQL's " + words[0] + " failed (status " + std::to_string(WEXITSTATUS(status)) +
                                 (WEXITSTATUS(status) == 127 ? ": it cannot be run" : "") + "):\n" + Tail(log));
}

void PostgresCluster::StartWatchdog() {
    int ends[2];
    if (pipe(ends) != 0) throw std::runtime_error("pipe failed");
    watchdog_ = fork();
    if (watchdog_ == 0) {
        close(ends[1]);
        setsid();  // outlives an interrupt of the test's process group
        signal(SIGINT, SIG_IGN);
        signal(SIGTERM, SIG_IGN);
        int nowhere = open("/dev/null", O_RDWR);
        for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) dup2(nowhere, fd);  // a test runner's pipes end with the test
        char byte;
        while (read(ends[0], &byte, 1) > 0) {
        }
        if (fs::exists(folder_ + "/data/postmaster.pid")) {
            try {
                Run("pg_ctl", {"-D", folder_ + "/data", "-m", "immediate", "-w", "stop"}, folder_ + "/pg_ctl.log");
            } catch (...) {
            }
        }
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        _exit(0);
    }
    close(ends[0]);
    watchdogPipe_ = ends[1];
    fcntl(watchdogPipe_, F_SETFD, FD_CLOEXEC);  // the servers the tests start do not hold it open
}

std::string PostgresCluster::NewStore() {
    std::string server = "postgresql://nox@127.0.0.1:" + std::to_string(port_) + "/postgres";
    std::string schema = "store" + std::to_string(++schemas_);
    server::OpenDatabase(server)->Exec("CREATE SCHEMA " + schema);
    return server + "?options=-csearch_path%3D" + schema;
}

}  // namespace plmtest
