#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "support/ErrorOf.h"
#include "components/noxcomm2/Answer.h"
#include "components/noxcomm2/CommErrors.h"

using namespace automation;
using components::Answer;
using testsupport::Raises;
using ::testing::HasSubstr;

namespace {

Variant Get(const Variant& target, const char* name, Variant index = Variant::Missing()) {
    Arguments args;
    if (!index.IsMissing()) args.push_back(index);
    return InvokeOn(target, name, InvokeKind::PropertyGet, args);
}

}  // namespace

TEST(Answer, TheDocumentedSampleReadsWithItsCodesMessagesAndMethodDocuments) {
    std::ifstream file(std::string(NOX_DATA_DIR) + "/answers/multi-method-answer.xml");
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto parsed = Answer::Parse(text);
    Variant answer(parsed);
    EXPECT_EQ(Get(answer, "ResultCode").ToString(), "WARNING");
    EXPECT_EQ(Get(answer, "xml").ToString(), text);
    EXPECT_EQ(Get(Get(answer, "Messages", int32_t{1}), "Code").ToString(), "W-000100-PARTIAL");
    EXPECT_EQ(parsed->FirstMessage(), "1 of 2 methods failed");

    Variant responses = Get(answer, "MethodResponses");
    ASSERT_EQ(Get(responses, "Count").ToLong(), 2);
    Variant failed = CallOn(responses, "Item", int32_t{1});
    EXPECT_EQ(Get(failed, "ResultCode").ToString(), "FAILED");
    EXPECT_EQ(Get(failed, "xml").ToString(), "");
    Variant message = Get(failed, "Messages", int32_t{1});
    EXPECT_EQ(Get(message, "Description").ToString(), "Project P100 is the owner of Item A1");
    EXPECT_EQ(Get(message, "Code").ToString(), "E-140003-ERR_UNAUTH_OWNER_PROJ");
    EXPECT_EQ(Get(message, "Data").ToString(), "<Data><Replace Arg1=\"P100\" Arg2=\"ITEM\" Arg3=\"A1\"/></Data>");

    Variant query = Get(answer, "MethodResponses", int32_t{2});
    EXPECT_THAT(Get(query, "xml").ToString(), ::testing::StartsWith("<xml xmlns:s="));
    EXPECT_THAT(Get(query, "xml").ToString(),
                HasSubstr("<z:row CUSTOMER.CUSTOMER_ID=\"C-0042\" RELATED_CUSTOMER.CUSTOMER_CAT_NO=\"77-A\"/>"));
    EXPECT_EQ(Get(Get(query, "Messages"), "Count").ToLong(), 0);
}

TEST(Answer, WithoutItsOwnMessageTheFirstComesFromTheFirstMethodWithOne) {
    auto methodOnly = Answer::Parse(
        "<Answer ResultCode='FAILED'><MethodResponses><MethodResponse ResultCode='OK'/>"
        "<MethodResponse ResultCode='FAILED'><Messages><Message><Description>no such item</Description></Message>"
        "</Messages></MethodResponse></MethodResponses></Answer>");
    EXPECT_EQ(methodOnly->FirstMessage(), "no such item");
    EXPECT_EQ(Answer::Parse("<Answer ResultCode='OK'/>")->FirstMessage(), "");
}

TEST(Answer, TextThatIsNotAnAnswerRaisesAReadableError) {
    const std::pair<const char*, const char*> cases[] = {
        {"Internal Server Error", "is not XML"},
        {"", "is not XML"},
        {"<Answer ResultCode='OK'>", "is not XML"},
        {"<html><body>proxy error</body></html>", "its root element is <html>"},
    };
    for (const auto& [text, says] : cases) {
        EXPECT_TRUE(Raises([text = text] { Answer::Parse(text); }, components::commerrors::kBadAnswer, says)) << text;
    }
}

// A method's document comes back as the server wrote it, whether it was left out of the reading (the
// first), could hide the end of its <Result> (the second), or the answer had to be read whole because
// a "<Result>" sits where no method's result is (the message's CDATA).
TEST(Answer, MethodDocumentsComeBackAsWrittenWhereverTheyAre) {
    const std::string rows = "<xml><rs:data xmlns:rs='r'><z:row xmlns:z='z' A='1 &gt; 0' B=\"x/>\"/></rs:data></xml>";
    const std::string tricky = "<doc><!-- </Result> --><![CDATA[<Result>]]><Result>inner</Result></doc>";
    const std::string text = "<Answer ResultCode='OK'><Messages><Message><Description><![CDATA[<Result><x/></Result>]]>"
                             "</Description></Message></Messages><MethodResponses>"
                             "<MethodResponse Name='a' ResultCode='OK'><Result>\n  " + rows + "\n</Result></MethodResponse>"
                             "<MethodResponse Name='b' ResultCode='OK'><Result>" + tricky + "</Result></MethodResponse>"
                             "<MethodResponse Name='c' ResultCode='OK'><Result>  </Result></MethodResponse>"
                             "<MethodResponse Name='d' ResultCode='OK'><Result/></MethodResponse>"
                             "</MethodResponses></Answer>";
    auto answer = Answer::Parse(text);
    EXPECT_EQ(answer->xml(), text);
    EXPECT_EQ(answer->xml().IfString(), answer->xml().IfString());  // one text, however often asked for
    EXPECT_EQ(answer->FirstMessage(), "<Result><x/></Result>");
    const std::string documents[] = {rows, tricky, "", ""};
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(Get(answer->MethodResponses(Variant(i + 1)), "xml").ToString(), documents[i]) << "method " << i + 1;

    // Without the message's CDATA the first document is left out of the reading, and a fault after
    // it is still reported at its offset in the whole text.
    const std::string broken = "<Answer ResultCode='OK'><MethodResponses><MethodResponse><Result>" + rows +
                               "</Result></MethodResponse></MethodResponses><oops></Answer>";
    EXPECT_TRUE(Raises([&] { Answer::Parse(broken); }, components::commerrors::kBadAnswer,
                       "at offset " + std::to_string(broken.find("</Answer>") + 2)));
}
