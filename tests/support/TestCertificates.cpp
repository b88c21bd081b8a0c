#include "support/TestCertificates.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace testsupport {

namespace {

// Elliptic-curve keys: made in milliseconds.
constexpr const char* kNewKey = " -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";

}  // namespace

TestCertificates::TestCertificates(const std::filesystem::path& folder) : folder_(folder) {
    for (const char* ca : {"ca", "other-ca"})
        Run(std::string("req -x509") + kNewKey + " -keyout " + ca + ".key -out " + ca + ".pem -days 2 -subj '/CN=Test " + ca + "'");
    std::ofstream(folder_ / "server.ext") << "basicConstraints=CA:FALSE\nsubjectAltName=DNS:localhost,IP:127.0.0.1\n";
    Run(std::string("req") + kNewKey + " -keyout server.key -out server.csr -subj /CN=localhost");
    Run("x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out server.pem -days 2 -extfile server.ext");
}

void TestCertificates::Run(const std::string& arguments) const {
    std::string command = "cd '" + folder_.string() + "' && openssl " + arguments + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("openssl failed: " + arguments);
}

}  // namespace testsupport
