// Transactions on the run's backend: the first command runs inside the transaction however it is
// sent, a failed command leaves the connection fit for the next transaction, and a transaction that
// sent nothing ends without a word to the database.
#include <gtest/gtest.h>

#include "Database.h"
#include "PlmTestSupport.h"
#include "StoreError.h"

namespace {

using server::Access;
using server::Transaction;

class Transactions : public ::testing::Test {
protected:
    Transactions() : db_(server::OpenDatabase(plmtest::OnPostgres() ? plmtest::NewStore(folder_) : folder_.Path("t.db"))) {}

    plmtest::TempFolder folder_;
    std::unique_ptr<server::Database> db_;
};

TEST_F(Transactions, RunTheirFirstStatementUnderTheirIsolation) {
    if (!plmtest::OnPostgres()) GTEST_SKIP() << "SQLite has one isolation";
    for (auto [access, isolation] : {std::pair{Access::Reads, "repeatable read"}, std::pair{Access::Changes, "serializable"}}) {
        Transaction transaction(*db_, access);
        EXPECT_EQ(plmtest::Scalar(*db_, "SELECT current_setting('transaction_isolation')"), isolation);
        transaction.Commit();
    }
}

TEST_F(Transactions, TakeBackAFirstCommandOfFixedText) {
    for (int round = 0; round < 2; ++round) {  // the table made in the first round is gone in the second
        Transaction transaction(*db_, Access::Changes);
        EXPECT_NO_THROW(db_->Exec("CREATE TABLE scratch (v INTEGER)"));
    }
}

TEST_F(Transactions, LeaveTheConnectionFitAfterAFailedFirstStatement) {
    db_->Exec("CREATE TABLE once (v INTEGER PRIMARY KEY)");
    db_->Exec("INSERT INTO once VALUES (1)");
    {
        Transaction transaction(*db_, Access::Changes);
        EXPECT_THROW(db_->Prepare("INSERT INTO once VALUES (?)").Bind(1, int64_t{1}).Step(), server::StoreError);
    }
    Transaction transaction(*db_, Access::Reads);
    EXPECT_EQ(plmtest::Scalar(*db_, "SELECT count(*) FROM once"), "1");
    transaction.Commit();
}

TEST_F(Transactions, ThatSentNothingEndQuietly) {
    { Transaction rolledBack(*db_, Access::Changes); }
    Transaction(*db_, Access::Reads).Commit();
    Transaction transaction(*db_, Access::Reads);
    EXPECT_EQ(plmtest::Scalar(*db_, "SELECT 1"), "1");
    transaction.Commit();
}

}  // namespace
