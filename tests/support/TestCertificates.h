#pragma once
// Certificates made for one test with the openssl command-line tool: a certificate authority, a
// server certificate it signs for localhost and 127.0.0.1, and a second authority that signed
// nothing here (a client that trusts only it must refuse the server). PEM files in a folder.
#include <filesystem>
#include <string>

namespace testsupport {

class TestCertificates {
public:
    // Makes the files in `folder` (which must exist); raises std::runtime_error when openssl fails.
    explicit TestCertificates(const std::filesystem::path& folder);

    std::string CaFile() const { return (folder_ / "ca.pem").string(); }
    std::string OtherCaFile() const { return (folder_ / "other-ca.pem").string(); }
    std::string ServerCertificate() const { return (folder_ / "server.pem").string(); }
    std::string ServerKey() const { return (folder_ / "server.key").string(); }

private:
    void Run(const std::string& arguments) const;

    std::filesystem::path folder_;
};

}  // namespace testsupport
