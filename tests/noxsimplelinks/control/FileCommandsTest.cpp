// The file and hard-copy commands against the sample server: the exact lock requests, the delete
// questions and the requests they let through, the host's list of edited files, the lock dialog's
// values, what is opened through the platform shell, and one edit cycle with real bytes.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "SamplePane.h"
#include "SentRequests.h"
#include "automation/ObjectFactory.h"
#include "components/noxhostservices/EditedFiles.h"
#include "noxsimplelinks/lockinfo/frmLockInformation.h"
#include "platform/Shell.h"

namespace controltest {
namespace {

constexpr int kOk = platform::kAnswerOk;
constexpr int kCancel = platform::kAnswerCancel;
constexpr int kYes = platform::kAnswerYes;
constexpr int kNo = platform::kAnswerNo;

SamplePane Files() { return SamplePane("FILES", "DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"}); }
SamplePane HardCopies() { return SamplePane("HARD_COPIES", "DOC", {"DOC.DOC_ID", "DOC.REVISION"}, {"D100", "B"}); }

// The documents the commands open, recorded instead of launched.
class OpenedDocuments {
public:
    OpenedDocuments() : previous_(platform::InstallShell(shell_)) {}
    ~OpenedDocuments() { platform::InstallShell(previous_); }
    const std::vector<platform::RecordingShell::Request>& Requests() const { return shell_->Requests(); }

private:
    std::shared_ptr<platform::RecordingShell> shell_ = std::make_shared<platform::RecordingShell>();
    std::shared_ptr<platform::Shell> previous_;
};

std::string Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    return std::string(text, std::strftime(text, sizeof text, "%m/%d/%Y", &local));
}

std::string ConnectInfo() { return automation::CreateObject("noxconn2.IConnect")->Get("ConnectInfo").ToString(); }

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string SampleBytes(const std::string& name) { return Bytes(std::string(NOX_DATA_DIR) + "/server/files/" + name); }

std::string Cell(SamplePane& pane, const std::string& fileId, const std::string& column) {
    return pane.Grid().TextMatrix(pane.RowOf("FILE.FILE_ID", fileId), pane.Grid().ColIndex(column));
}

TEST(FileLock, LockAndUnlockSendTheHandBuiltLockTreeOfTheRowsDatasetAndRefresh) {
    SamplePane pane = Files();
    pane.Select("FILE.FILE_ID", {"F1001"});
    SentRequests sent;
    pane.Call("LockFile");
    const std::string expected = "<Request>" + ConnectInfo() +
                                 "<Method><Name>LockTree</Name><_ACTION>LOCK</_ACTION><OBJECT>DATASET</OBJECT>"
                                 "<KEY>F1001</KEY><REVISION>1</REVISION><DATE>" + Today() +
                                 "</DATE><LEVELS>1</LEVELS></Method></Request>";
    EXPECT_EQ(sent.Of("LockTree"), expected);
    EXPECT_EQ(Cell(pane, "F1001", "FILE.LOCK_FLAG"), "Y") << "refreshed";

    pane.Select("FILE.FILE_ID", {"F1001"});
    pane.Call("UnlockFile");
    EXPECT_TRUE(pane.world.Ui().Messages().empty()) << "a file this user does not edit is unlocked without a question";
    std::string unlock = expected;
    unlock.replace(unlock.find("<_ACTION>LOCK"), 13, "<_ACTION>UNLOCK");
    EXPECT_EQ(sent.Count("LockTree"), 2u);
    EXPECT_NE(std::find(sent.requests.begin(), sent.requests.end(), unlock), sent.requests.end());
    EXPECT_EQ(Cell(pane, "F1001", "FILE.LOCK_FLAG"), "N");
}

TEST(FileLock, AFailedLockEndsWithTheServersMessageAndKeepsTheRows) {
    SamplePane pane = Files();
    pane.Select("FILE.FILE_ID", {"F1004"});  // locked by jdoe
    pane.Call("LockFile");
    ASSERT_EQ(pane.world.Ui().Messages().size(), 1u);
    EXPECT_EQ(pane.world.Ui().Messages()[0].text.rfind("ERROR = [The FILE F1004/1 is locked by jdoe", 0), 0u)
        << pane.world.Ui().Messages()[0].text;
    EXPECT_EQ(pane.Rows(), 3);
}

TEST(FileLock, UnlockingWithoutAnEditFolderSaysSoAndSendsNothing) {
    SamplePane pane = Files();
    pane.Select("FILE.FILE_ID", {"F1001"});
    pane.control->SetHost(Variant(DispatchPtr(std::make_shared<automation::Collection>())));  // a host without one
    SentRequests sent;
    pane.Call("UnlockFile");
    ASSERT_EQ(pane.world.Ui().Messages().size(), 1u);
    EXPECT_EQ(pane.world.Ui().Messages()[0].text, "The folder for edited files is not set. Set it in the options and try again.");
    EXPECT_EQ(sent.Count("LockTree"), 0u);
    EXPECT_EQ(pane.world.Ui().MousePointer(), 0) << "the hourglass is taken back";
}

TEST(FileLock, UnlockingAFileBeingEditedAsksAndNoKeepsEverything) {
    const struct {
        int answer;
        bool sent, stillEdited;
    } cases[] = {{kNo, false, true}, {kYes, true, false}};
    for (const auto& c : cases) {
        SamplePane pane = Files();
        components::EditedFiles edited;
        edited.Add("F1001");
        pane.Select("FILE.FILE_ID", {"F1001"});
        pane.world.Ui().Answer({c.answer});
        SentRequests sent;
        pane.Call("UnlockFile");
        ASSERT_EQ(pane.world.Ui().Messages().size(), 1u);
        const auto question = pane.world.Ui().Messages()[0];
        EXPECT_EQ(question.text, "You are editing this file. Do you want to unlock it and discard your changes?");
        EXPECT_EQ(question.title, "Nox PLM");
        EXPECT_EQ(question.flags, 4 + 48);
        EXPECT_EQ(sent.Count("LockTree"), c.sent ? 1u : 0u) << c.answer;
        EXPECT_EQ(edited.Exists("F1001"), c.stillEdited) << c.answer;
        edited.Remove("F1001");
    }
}

TEST(FileDelete, CancellingTheSecondOfThreeSendsTheOthersInOneRequestAndShowsTheFailedOne) {
    SamplePane pane = Files();
    pane.Select("FILE.FILE_ID", {"F1001", "F1002", "F1004"});
    pane.world.Ui().Answer({kOk, kCancel, kOk});
    SentRequests sent;
    pane.Call("UnlinkAndDeleteFile");

    const auto messages = pane.world.Ui().Messages();
    ASSERT_EQ(messages.size(), 4u);  // three questions, then the failure of the locked F1004
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(messages[i].text, "Do you want to delete the File?");
        EXPECT_EQ(messages[i].title, "Confirm delete");
        EXPECT_EQ(messages[i].flags, 1 + 48);
    }
    EXPECT_EQ(messages[3].text.rfind("ERROR = [", 0), 0u) << messages[3].text;
    EXPECT_EQ(sent.Count("MultiMethodsRequest"), 1u);
    const std::string multi = sent.Of("MultiMethodsRequest");
    for (const char* file : {"F1001", "F1004"}) EXPECT_NE(multi.find(std::string("&gt;") + file + "&lt;"), std::string::npos) << file;
    EXPECT_EQ(multi.find("F1002"), std::string::npos);
    EXPECT_EQ(multi.find("&lt;Request&gt;"), std::string::npos) << "the nested methods go without their Request tags";
    EXPECT_EQ(pane.Rows(), 2);  // F1002 and the locked F1004 stay
    EXPECT_TRUE(pane.Raised("SimpleLinkUpdate"));
}

TEST(HardCopyDelete, AsksOnceAndSendsOneGeneralRequestPerRow) {
    const struct {
        int answer;
        size_t sent, boxes;
        int rowsAfter;
    } cases[] = {{kCancel, 0, 1, 2}, {kOk, 2, 2, 1}};  // the released HC-1 is refused: a box, and it stays
    for (const auto& c : cases) {
        SamplePane pane = HardCopies();
        pane.Select("HARD_COPY.HARD_COPY_ID", {"HC-1", "HC-2"});
        pane.world.Ui().Answer({c.answer});
        SentRequests sent;
        pane.Call("UnlinkAndDeleteHardCopy");
        const auto messages = pane.world.Ui().Messages();
        ASSERT_EQ(messages.size(), c.boxes);
        EXPECT_EQ(messages[0].text, "Do you want to delete the selected Hard copies?");
        EXPECT_EQ(messages[0].flags, 1 + 48);
        if (c.boxes > 1) {
            EXPECT_EQ(messages[1].text.rfind("ERROR = [", 0), 0u) << messages[1].text;
        }
        EXPECT_EQ(sent.Count("GeneralRequest"), c.sent);
        EXPECT_EQ(sent.Count("MultiMethodsRequest"), 0u);
        EXPECT_EQ(pane.Rows(), c.rowsAfter);
    }
}

TEST(FileEdit, TakingAFileTwiceListsItOnceAndCopiesItsBytesIntoTheEditFolder) {
    SamplePane pane = Files();
    pane.Select("FILE.FILE_ID", {"F1001"});
    pane.Call("ShowEditFileDlg");
    pane.Call("ShowEditFileDlg");
    EXPECT_EQ(components::EditedFiles().Read(), std::vector<std::string>{"F1001"});
    EXPECT_EQ(Bytes(pane.host->WorkDirForedit() + "pump_assy.dwg"), SampleBytes("pump_assy.dwg"));
}

// Edit, change the copy, check it in, unlock: a later view opens the new bytes.
TEST(FileEdit, TheEditCycleEndsWithTheNewBytesOnTheServer) {
    SamplePane pane = Files();
    OpenedDocuments opened;
    pane.Select("FILE.FILE_ID", {"F1001"});
    pane.Call("ShowEditFileDlg");
    const std::string copy = pane.host->WorkDirForedit() + "pump_assy.dwg";
    const std::string changed("AC1032\0\xff changed drawing", 24);
    std::ofstream(copy, std::ios::binary | std::ios::trunc) << changed;

    const DispatchPtr file = automation::CreateObject("noxfile2.iclsfile");
    file->Set("Host", Variant(DispatchPtr(pane.host)));
    file->Set("Comm", Variant(pane.control->Comm()));
    EXPECT_TRUE(file->Call("CheckIn", List({"FILE.FILE_ID", "FILE.REVISION"}), List({"F1001", "1"})).ToBool());
    pane.Select("FILE.FILE_ID", {"F1001"});
    pane.world.Ui().Answer({kYes});
    pane.Call("UnlockFile");
    EXPECT_EQ(Cell(pane, "F1001", "FILE.LOCK_FLAG"), "N");
    EXPECT_EQ(Cell(pane, "F1001", "FILE.FILE_SIZE"), "24");

    pane.Select("FILE.FILE_ID", {"F1001"});
    pane.Call("ViewWithRedlineFile");
    ASSERT_EQ(opened.Requests().size(), 1u);
    EXPECT_EQ(opened.Requests()[0].verb, "open");
    EXPECT_EQ(Bytes(opened.Requests()[0].path), changed);
}

TEST(FileView, EachViewingCommandOpensTheRowsFileAsItSays) {
    const struct {
        const char* command;
        std::string verb;
    } cases[] = {
        {"ViewWithRedlineFile", "open"},          // the component reports VIEW_REDLINE_MARKUP, the control opens
        {"RedlineFileInBrowser", "open"},         // REDLINE_MARKUP
        {"ViewFileForItemInBrowser", "open"},     // the component opens
        {"ViewFileInIntegration", "evince"},      // PDF: the program of the originating application
        {"EditFileInIntegration", "evince"},
    };
    for (const auto& c : cases) {
        SamplePane pane = Files();
        OpenedDocuments opened;
        pane.Select("FILE.FILE_ID", {"F1002"});
        pane.Call(c.command);
        ASSERT_EQ(opened.Requests().size(), 1u) << c.command;
        EXPECT_EQ(opened.Requests()[0].verb, c.verb) << c.command;
        EXPECT_EQ(Bytes(opened.Requests()[0].path), SampleBytes("pump_assy.pdf")) << c.command;
    }
}

TEST(FileView, ViewInIntegrationWithoutARowOpensNothingAndTheViewerIsTheHostsAffair) {
    SamplePane pane = Files();
    OpenedDocuments opened;
    pane.Grid().SetRow(0);
    pane.Call("ViewFileInIntegration");
    EXPECT_TRUE(opened.Requests().empty());

    pane.Select("FILE.FILE_ID", {"F1002"});
    pane.Call("ShowViewFileDlg");
    EXPECT_EQ(pane.executeEvents.back(),
              "<XML><METHOD>ShowLinksViewFileDlg</METHOD><OBJECT_TYPE>FILE</OBJECT_TYPE><KEYS><FILE.FILE_ID>F1002"
              "</FILE.FILE_ID><FILE.REVISION>1</FILE.REVISION></KEYS></XML>");
    EXPECT_TRUE(opened.Requests().empty());
}

TEST(LockInformation, ShowsTheFiveValuesInFieldOrderFromTheRowOrFromTheFilesGrid) {
    for (const char* tab : {"FILES", "DOC_DATASET"}) {
        SamplePane pane = Files();
        pane.Grid().SetColPosition(pane.Grid().ColIndex("FILE.LOCKED_TIME"), 1);  // the grid's order does not matter
        pane.Select("FILE.FILE_ID", {"F1004"});
        const DispatchPtr information = automation::CreateObject("noxsimplelinks.clsLockInformation");
        information->Set("CallingClass", Variant(DispatchPtr(pane.control)));
        information->Let("TabName", Variant(std::string(tab)));
        information->Call("DisplayLockInfo");

        ASSERT_EQ(pane.world.Ui().Dialogs().size(), 1u) << tab;
        const platform::DialogRecord dialog = pane.world.Ui().Dialogs()[0];
        EXPECT_TRUE(dialog.modal);
        EXPECT_EQ(dialog.caption, "Lock information");
        std::vector<std::string> shown;
        for (const auto& control : dialog.shown) shown.push_back(control.name + "=" + control.caption);
        const std::vector<std::string> expected = {
            "imgFormIcon=lock", "lblLockInfo=This file is locked. pump_assy_markup.xml:", "lblLock=Lock:", "lblTxtLock=Y",
            "lblLockedBy=Locked by:", "lblTxtLockedBy=jdoe", "lblLockDate=Date:",
            "lblTxtLockDate=" + Cell(pane, "F1004", "FILE.LOCKED_DATE"), "lblLockTime=Time:", "lblTxtLockTime=09:41:07",
            "cmdClose=Close"};
        EXPECT_EQ(shown, expected) << tab;
        EXPECT_EQ(dialog.result, "Close") << "closed by its Close button";
        auto form = std::dynamic_pointer_cast<noxsimplelinks::frmLockInformation>(information->Get("mfrmLockInformation").ToObject());
        ASSERT_TRUE(form);
        EXPECT_EQ(form->DialogModel().Control("lblTxtLock")->Font()->name, "DejaVu Sans");
        EXPECT_EQ(form->DialogModel().Control("lblTxtLock")->Font()->size, 8);
        EXPECT_FALSE(form->CallingClass()) << "closing released the calling class";
    }
}

TEST(LockInformation, TheControlShowsItForTheSelectedFile) {
    SamplePane pane = Files();
    pane.Select("FILE.FILE_ID", {"F1004"});
    pane.Call("DisplayLockInfo");
    ASSERT_EQ(pane.world.Ui().Dialogs().size(), 1u);
    EXPECT_EQ(pane.world.Ui().Dialogs()[0].shown[1].caption, "This file is locked. pump_assy_markup.xml:");
}

}  // namespace
}  // namespace controltest
