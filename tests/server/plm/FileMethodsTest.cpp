// The file component's methods: a file's bytes as the sample ships them, a document's main file,
// the check-out that locks, and the check-in that only the lock's holder may make, after which
// everybody downloads the new bytes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <pugixml.hpp>

#include "PlmTestSupport.h"
#include "base64/Base64.h"

using namespace plmtest;

namespace {

std::string SampleBytes(const std::string& name) {
    std::ifstream in(std::string(NOX_DATA_DIR) + "/server/files/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct Content {
    std::string fileId, fileName, bytes;
};

// The file an answer carries (empty when it carries none).
Content ContentOf(const std::string& answer) {
    pugi::xml_document document;
    document.load_string(answer.c_str());
    pugi::xml_node file = document.select_node("//FILE_CONTENT").node();
    Content content;
    for (pugi::xml_node attribute : file.children("ATTRIBUTE")) {
        if (std::string(attribute.attribute("NAME").value()) == "FILE.FILE_ID") content.fileId = attribute.text().get();
        if (std::string(attribute.attribute("NAME").value()) == "FILE.FILE_NAME") content.fileName = attribute.text().get();
    }
    content.bytes = base64::Decode(file.child("CONTENT").text().get()).value_or("(not base64)");
    return content;
}

std::string DocumentRequest(const std::string& method, const KeyList& document) {
    return Request(method, "<OBJECTS>" + Obj("IN_OBJECT", "FILE", document) + "</OBJECTS>");
}

const std::string kF1001Lock = QueryType("FILE", {"FILE.LOCKED_BY", "FILE.LOCK_FLAG", "FILE.FILE_SIZE"},
                                         Condition("FILE", "FILE.FILE_ID", "F1001"));

TEST(FileMethod, DownloadAnswersTheSampleBytesOfAFileOrOfADocumentsMainFile) {
    SampleServer server;
    const struct {
        std::string request, fileId, sampleFile;
    } cases[] = {
        {FileRequest("FileDownload", "F1001"), "F1001", "pump_assy.dwg"},
        {FileRequest("FileDownload", "F1002"), "F1002", "pump_assy.pdf"},
        {FileRequest("FileDownload", "F2002"), "F2002", "pump_photo.png"},
        {DocumentRequest("FileDownload", kD100B), "F1001", "pump_assy.dwg"},
        {DocumentRequest("FileDownload", {{"DOC.DOC_ID", "D200"}, {"DOC.REVISION", "A"}}), "F2001", "pump_spec.txt"},
    };
    for (const auto& c : cases) {
        const Content content = ContentOf(server.Handle(c.request));
        EXPECT_EQ(content.fileId, c.fileId) << c.request;
        EXPECT_EQ(content.fileName, c.sampleFile) << c.request;
        EXPECT_EQ(content.bytes, SampleBytes(c.sampleFile)) << c.request;
    }
}

TEST(FileMethod, CheckOutLocksAndOnlyTheHolderChecksInNewBytesThatEverybodyThenDownloads) {
    SampleServer server;
    const std::string edited("edited\0\xff\x80 bytes", 16);
    const std::string checkIn = "<CONTENT>" + base64::Encode(edited) + "</CONTENT>";

    EXPECT_EQ(ContentOf(server.Handle(FileRequest("FileCheckOut", "F1001", "", "mbrown"))).bytes, SampleBytes("pump_assy.dwg"));
    Row locked = server.Rows(kF1001Lock).at(0);
    EXPECT_EQ(locked.at("FILE.LOCKED_BY"), "mbrown");
    EXPECT_EQ(locked.at("FILE.LOCK_FLAG"), "Y");

    Answer other = server.Send(FileRequest("FileCheckIn", "F1001", checkIn, "jsmith"));
    EXPECT_EQ(other.messageCodes, std::vector<std::string>{"E-000108-FILE_LOCKED"});
    EXPECT_EQ(server.Send(FileRequest("FileCheckIn", "F1001", checkIn, "mbrown")).code, "OK");

    EXPECT_EQ(ContentOf(server.Handle(FileRequest("FileDownload", "F1001", "", "jsmith"))).bytes, edited);
    EXPECT_EQ(server.Rows(kF1001Lock).at(0).at("FILE.FILE_SIZE"), "16");
    EXPECT_EQ(server.Send(LockTree("UNLOCK", "F1001", "mbrown")).code, "OK");
    EXPECT_EQ(server.Rows(kF1001Lock).at(0).at("FILE.LOCK_FLAG"), "N");
}

TEST(FileMethod, RefusalsChangeNothing) {
    SampleServer server;
    const struct {
        const char* name;
        std::string request, code;
    } cases[] = {
        {"check-in without a check-out", FileRequest("FileCheckIn", "F1002", "<CONTENT>AAEC</CONTENT>", "mbrown"),
         "E-000107-REFUSED"},
        {"check-out of a file another user locked", FileRequest("FileCheckOut", "F1004", "", "mbrown"), "E-000108-FILE_LOCKED"},
        {"content that is not base64", FileRequest("FileCheckIn", "F1004", "<CONTENT>@@</CONTENT>", "jdoe"), "E-000104-BAD_VALUE"},
        {"no such file", FileRequest("FileDownload", "F9999"), "E-000106-NOT_FOUND"},
        {"a document without files", DocumentRequest("FileDownload", {{"DOC.DOC_ID", "D300"}, {"DOC.REVISION", "A"}}),
         "E-000106-NOT_FOUND"},
    };
    const std::string before = server.Fingerprint();
    for (const auto& c : cases) EXPECT_EQ(server.Send(c.request).messageCodes, std::vector<std::string>{c.code}) << c.name;
    EXPECT_EQ(server.Fingerprint(), before);
}

}  // namespace
