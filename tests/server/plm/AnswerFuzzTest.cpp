// Whatever arrives, the answer is a well-formed answer document in UTF-8: thousands of random byte
// strings and mutations of real requests, seeded (NOX_FUZZ_SEED chooses another seed), each
// answer parsed and its shape checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "AnswerShape.h"
#include "PlmTestSupport.h"

using namespace plmtest;

namespace {

// Pieces of markup that random text is made of, beside random bytes: tags of a request, references
// (to characters XML does not allow too), bytes that begin or break UTF-8 sequences.
const std::vector<std::string> kTokens = {
    "<", ">", "</", "/>", "=", "\"", "'", "&", ";", "&amp;", "&#1;", "&#xD800;", "&#0;", "&#xFFFE;", "<![CDATA[", "]]>",
    "<Request>", "</Request>", "<Method>", "</Method>", "<Name>", "</Name>", "ZerakQueryLinks", "MultiMethodsRequest",
    "<OBJECTS>", "<IN_OBJECT ID=\"ITEM\">", "<ITEM.ITEM_KEY>A100</ITEM.ITEM_KEY>", "<SELECT_FIELDS>", "<LINK1 ID=\"",
    "<PARAMS><RequestBody>", "&lt;Request&gt;", "\xC3", "\xA9", "\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xEF\xBF\xBE",
    std::string(1, '\0'), "\x01", "\x1F", "\t", "\r\n"};

class Generator {
public:
    explicit Generator(uint32_t seed) : random_(seed) {}

    size_t Below(size_t bound) { return bound == 0 ? 0 : std::uniform_int_distribution<size_t>(0, bound - 1)(random_); }

    std::string Bytes(size_t count) {
        std::string text;
        for (size_t i = 0; i < count; ++i) text += static_cast<char>(Below(256));
        return text;
    }

    std::string Tokens(size_t count) {
        std::string text;
        for (size_t i = 0; i < count; ++i) text += Below(4) == 0 ? Bytes(1 + Below(3)) : kTokens[Below(kTokens.size())];
        return text;
    }

    // Text as a value could hold it: letters, characters beyond ASCII, references, wildcards.
    std::string Text(size_t count) {
        static const std::vector<std::string> kPieces = {"A", "z", "0", "9", " ", "-", ".", "*", "?", "%", "_", "'",
                                                         "\xC3\xA9", "\xCE\xA9", "\xE2\x82\xAC", "\xF0\x9D\x84\x9E",
                                                         "&amp;", "&lt;", "&quot;", "&#10;", "&#x1F600;", "A100", "B"};
        std::string text;
        for (size_t i = 0; i < count; ++i) text += Below(50) == 0 ? kTokens[Below(kTokens.size())] : kPieces[Below(kPieces.size())];
        return text;
    }

    // One or two edits: a byte changed, bytes or markup inserted, a range dropped or repeated, the
    // end cut; most often an element's text or name replaced, so that many requests stay readable.
    std::string Mutated(std::string text) {
        for (size_t edits = 1 + Below(2); edits > 0; --edits) {
            size_t at = Below(text.size() + 1), length = Below(std::min<size_t>(text.size() - at, 80) + 1);
            switch (Below(16)) {
                case 0: if (at < text.size()) text[at] = static_cast<char>(Below(256)); break;
                case 1: text.insert(at, Bytes(1 + Below(8))); break;
                case 2: text.insert(at, Tokens(1 + Below(3))); break;
                case 3: text.erase(at, length); break;
                case 4: text.insert(at, text.substr(at, length)); break;
                case 5: text.resize(at); break;
                case 14: case 15: Replace(text, at, '<', '>', Below(20) == 0 ? std::string(Below(3000), 'N') : "X" + Text(Below(3))); break;
                default: Replace(text, at, '>', '<', Text(Below(12))); break;
            }
        }
        return text;
    }

private:
    // Replaces what stands between the first `open` from `at` on and the `close` after it.
    static void Replace(std::string& text, size_t at, char open, char close, const std::string& with) {
        size_t start = text.find(open, at), end = start == std::string::npos ? start : text.find(close, start + 1);
        if (end != std::string::npos) text.replace(start + 1, end - start - 1, with);
    }

    std::mt19937 random_;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Real requests: the samples of data/requests and requests of the sample data that succeed.
std::vector<std::string> RealRequests() {
    std::vector<std::string> requests;
    for (const char* name : {"multi-method.xml", "update-collection.xml", "update-link.xml", "zerak-query-links.xml"})
        requests.push_back(ReadFile(std::string(NOX_DATA_DIR) + "/requests/" + name));
    requests.push_back(QueryLinks("ITEM", kA100B, {"CUSTOMER.CUSTOMER_ID", "CUSTOMER.CITY", "RELATED_CUSTOMER.CUST_ITEM_DES"},
                                  "RELATED_CUSTOMER"));
    requests.push_back(ByKeys("ZerakPartList", "ITEM", kA100B, {"ITEM.ITEM_KEY", "CHILD_LINKS.FIND_NO"},
                              "<PARAMS><Mode>WIP</Mode><REVISION_OPTION>ALL_REVISIONS</REVISION_OPTION></PARAMS>"));
    requests.push_back(Multi({QueryType("CUSTOMER", {"CUSTOMER.NAME"}), ByKeys("QueryRollupHistory", "ITEM", kA100B)}));
    requests.push_back(QueryType("ITEM", {"ITEM.ITEM_KEY", "ITEM.WEIGHT"}, Condition("ITEM", "ITEM.DESCRIPTION", "Pump*")));
    requests.push_back(OnOrder("EoLockObjectWithoutConnection", {{"ITEM.ITEM_KEY", "P110"}, {"ITEM.REVISION", "A"}}, "TRUE"));
    requests.push_back(ByKeys("UpdateCollectionObjectsWC", "ITEM", {{"ITEM.ITEM_KEY", "A100"}, {"ITEM.REVISION", "C"},
                                                                    {"ITEM.DESCRIPTION", "Quiet pump"}}));
    return requests;
}

uint32_t Seed() {
    const char* configured = std::getenv("NOX_FUZZ_SEED");
    return configured && *configured ? static_cast<uint32_t>(std::strtoul(configured, nullptr, 10)) : 20240614u;
}

TEST(AnswerFuzz, EveryAnswerIsAWellFormedAnswerDocument) {
    const uint32_t seed = Seed();
    Generator generate(seed);
    const std::vector<std::string> real = RealRequests();
    std::vector<std::string> requests = {
        "<m\x80\xD1\xFF>x</m\x80\xD1\xFF>",                                     // a root name of bytes that are not UTF-8
        "<" + std::string(200000, 'N') + "/>",                                 // a huge root name
        Request(std::string(100000, 'M'), ""),                                 // a huge method name
        Request("ZerakQuery\x01", ""), Request("ZerakQuery&#1;", ""),           // control characters, raw and referenced
        QueryType("CUSTOMER", {"CUSTOMER.NAME", "CUSTOMER.NAME", "CUSTOMER.CITY"}),  // a field asked for twice
        std::string("<Request>\0<Method/></Request>", 28)};
    for (int i = 0; i < 1500; ++i)
        requests.push_back(i % 2 ? generate.Bytes(generate.Below(400)) : generate.Tokens(generate.Below(60)));
    for (int i = 0; i < 1500; ++i) requests.push_back(generate.Mutated(real[generate.Below(real.size())]));

    SampleServer server;
    AnswerShape check;
    size_t faults = 0;
    for (size_t i = 0; i < requests.size() && faults < 10; ++i) {
        std::string fault = check(server.Handle(requests[i]));
        EXPECT_EQ(fault, "") << "request " << i << " of seed " << seed << ": " << ::testing::PrintToString(requests[i].substr(0, 300));
        faults += fault.empty() ? 0 : 1;
    }
}

TEST(AnswerFuzz, NamesTheByteARequestMayNotHold) {
    SampleServer server;
    for (const std::string& request : {std::string("<m\x80\xD1>x</m\x80\xD1>"), Request("ZerakQuery&#1;", "")}) {
        Answer answer = server.Send(request);
        EXPECT_EQ(answer.code, "ERROR");
        EXPECT_EQ(answer.messageCodes.at(0), "E-000100-BAD_REQUEST");
        EXPECT_NE(answer.messages.at(0).find("is not UTF-8 text of characters XML allows"), std::string::npos)
            << answer.messages.at(0);
    }
    EXPECT_EQ(server.Send("<" + std::string(5000, 'N') + "/>").messages.at(0).size(), 1003u) << "cut, with an ellipsis";
}

}  // namespace
