#pragma once
// A PostgreSQL server of its own for the server's tests and benchmarks: a cluster made by initdb in
// a temporary folder and started by pg_ctl on a free loopback port, as the user "nobody" when the
// process runs as root (PostgreSQL refuses root). It is stopped and removed with the object, and
// by a watchdog process when the process that made it dies first. The binaries are found in
// $NOX_PG_BINDIR, else in the newest /usr/lib/postgresql/<version>/bin, else on the PATH.
#include <string>
#include <vector>

#include <sys/types.h>

namespace plmtest {

class PostgresCluster {
public:
    // Raises std::runtime_error saying what failed: PostgreSQL missing, initdb or the start.
    PostgresCluster();
    ~PostgresCluster();
    PostgresCluster(const PostgresCluster&) = delete;
    PostgresCluster& operator=(const PostgresCluster&) = delete;

    // The connection URL of an empty schema of its own, a fresh store for `simplelinks serve --db`.
    std::string NewStore();

private:
    // Runs a program of the cluster's binaries as the cluster's user; raises with the log's end on failure.
    void Run(const std::string& program, const std::vector<std::string>& arguments, const std::string& log) const;
    void StartWatchdog();

    std::string folder_, bin_;
    int port_ = 0;
    uid_t uid_;
    gid_t gid_;
    pid_t watchdog_ = -1;
    int watchdogPipe_ = -1;
    int schemas_ = 0;
};

}  // namespace plmtest
