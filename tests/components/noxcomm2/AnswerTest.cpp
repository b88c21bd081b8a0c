#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "components/noxcomm2/Answer.h"
#include "components/noxcomm2/CommErrors.h"

using namespace automation;
using components::Answer;
using ::testing::HasSubstr;

namespace {

const char* kMultiMethodAnswer = R"(<Answer ResultCode="WARNING">
  <Messages>
    <Message Code="W-000100-PARTIAL"><Description>1 of 2 methods failed</Description></Message>
  </Messages>
  <MethodResponses>
    <MethodResponse Name="UnAuthorizeToProject" ResultCode="FAILED">
      <Messages>
        <Message Code="E-140003-ERR_UNAUTH_OWNER_PROJ">
          <Description>The project owns the object</Description>
          <Data><Replace Arg1="P100" Arg2="ITEM" Arg3="A1"/></Data>
        </Message>
      </Messages>
    </MethodResponse>
    <MethodResponse Name="ZerakQueryLinks" ResultCode="OK">
      <Result><xml xmlns:rs="urn:schemas-microsoft-com:rowset" xmlns:z="#RowsetSchema"><rs:data><z:row ITEM.ITEM_KEY="A1"/></rs:data></xml></Result>
    </MethodResponse>
  </MethodResponses>
</Answer>)";

Variant Get(const Variant& target, const char* name, Variant index = Variant::Missing()) {
    Arguments args;
    if (!index.IsMissing()) args.push_back(index);
    return InvokeOn(target, name, InvokeKind::PropertyGet, args);
}

}  // namespace

TEST(Answer, ReadsCodesMessagesAndMethodDocuments) {
    Variant answer(Answer::Parse(kMultiMethodAnswer));
    EXPECT_EQ(Get(answer, "ResultCode").ToString(), "WARNING");
    EXPECT_EQ(Get(answer, "xml").ToString(), kMultiMethodAnswer);
    EXPECT_EQ(Get(Get(answer, "Messages", int32_t{1}), "Code").ToString(), "W-000100-PARTIAL");

    Variant responses = Get(answer, "MethodResponses");
    ASSERT_EQ(Get(responses, "Count").ToLong(), 2);
    Variant failed = CallOn(responses, "Item", int32_t{1});
    EXPECT_EQ(Get(failed, "ResultCode").ToString(), "FAILED");
    EXPECT_EQ(Get(failed, "xml").ToString(), "");
    Variant message = Get(failed, "Messages", int32_t{1});
    EXPECT_EQ(Get(message, "Description").ToString(), "The project owns the object");
    EXPECT_EQ(Get(message, "Code").ToString(), "E-140003-ERR_UNAUTH_OWNER_PROJ");
    EXPECT_EQ(Get(message, "Data").ToString(), "<Data><Replace Arg1=\"P100\" Arg2=\"ITEM\" Arg3=\"A1\"/></Data>");

    Variant query = Get(answer, "MethodResponses", int32_t{2});
    EXPECT_THAT(Get(query, "xml").ToString(), HasSubstr("<rs:data><z:row ITEM.ITEM_KEY=\"A1\"/></rs:data>"));
    EXPECT_THAT(Get(query, "xml").ToString(), ::testing::StartsWith("<xml xmlns:rs="));
    EXPECT_EQ(Get(Get(query, "Messages"), "Count").ToLong(), 0);
}

TEST(Answer, FirstMessageComesFromTheAnswerElseFromTheFirstMethodWithOne) {
    EXPECT_EQ(Answer::Parse(kMultiMethodAnswer)->FirstMessage(), "1 of 2 methods failed");
    auto methodOnly = Answer::Parse(
        "<Answer ResultCode='FAILED'><MethodResponses><MethodResponse ResultCode='OK'/>"
        "<MethodResponse ResultCode='FAILED'><Messages><Message><Description>no such item</Description></Message>"
        "</Messages></MethodResponse></MethodResponses></Answer>");
    EXPECT_EQ(methodOnly->FirstMessage(), "no such item");
    EXPECT_EQ(Answer::Parse("<Answer ResultCode='OK'/>")->FirstMessage(), "");
}

TEST(Answer, TextThatIsNotAnAnswerRaisesAReadableError) {
    struct Case {
        const char* text;
        const char* says;
    } cases[] = {
        {"Internal Server Error", "is not XML"},
        {"", "is not XML"},
        {"<Answer ResultCode='OK'>", "is not XML"},
        {"<html><body>proxy error</body></html>", "its root element is <html>"},
    };
    for (const Case& c : cases) {
        try {
            Answer::Parse(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.Number(), components::commerrors::kBadAnswer);
            EXPECT_THAT(e.Description(), HasSubstr(c.says));
        }
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
    EXPECT_EQ(answer->FirstMessage(), "<Result><x/></Result>");
    EXPECT_EQ(Get(answer->MethodResponses(Variant(int32_t{1})), "xml").ToString(), rows);
    EXPECT_EQ(Get(answer->MethodResponses(Variant(int32_t{2})), "xml").ToString(),
              "<doc><!-- </Result> --><![CDATA[<Result>]]><Result>inner</Result></doc>");
    EXPECT_EQ(Get(answer->MethodResponses(Variant(int32_t{3})), "xml").ToString(), "");
    EXPECT_EQ(Get(answer->MethodResponses(Variant(int32_t{4})), "xml").ToString(), "");

    // Without the message's CDATA the first document is left out of the reading, and a fault after
    // it is still reported at its offset in the whole text.
    const std::string broken = "<Answer ResultCode='OK'><MethodResponses><MethodResponse><Result>" + rows +
                               "</Result></MethodResponse></MethodResponses><oops></Answer>";
    try {
        Answer::Parse(broken);
        ADD_FAILURE() << "accepted";
    } catch (const AutomationError& e) {
        EXPECT_THAT(e.Description(), HasSubstr("at offset " + std::to_string(broken.find("</Answer>") + 2)));
    }
}

TEST(Answer, TheDocumentedSampleReads) {
    std::ifstream file(std::string(NOX_DATA_DIR) + "/answers/multi-method-answer.xml");
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto answer = Answer::Parse(text);
    EXPECT_EQ(answer->ResultCode(), "WARNING");
    Variant rows = answer->MethodResponses(Variant(int32_t{2}));
    EXPECT_THAT(Get(rows, "xml").ToString(),
                HasSubstr("<z:row CUSTOMER.CUSTOMER_ID=\"C-0042\" RELATED_CUSTOMER.CUSTOMER_CAT_NO=\"77-A\"/>"));
    Variant owner = Get(Get(answer->MethodResponses(Variant(int32_t{1})), "Messages", int32_t{1}), "Data");
    EXPECT_EQ(owner.ToString(), "<Data><Replace Arg1=\"P100\" Arg2=\"ITEM\" Arg3=\"A1\"/></Data>");
}
