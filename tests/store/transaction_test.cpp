// Transactions against a second program and against SQLite ending them: a writer that cannot
// get the lock in time says the project is in use, and nothing of an operation whose transaction
// SQLite has ended is written afterwards in autocommit.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "store/database.h"
#include "store/recordset.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

const table_description numbers{"Numbers", {{"ID", column_type::long_int, 0}}, {}};

class Transactions : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string log;
        ASSERT_TRUE(db.create(path, {&numbers}, log)) << log;
    }
    bool add(database& target, std::int64_t id, std::string& log)
    {
        recordset set;
        if (!set.open(target, numbers, {}, log))
            return false;
        set.add_new();
        set.set("ID", field_value(id));
        return set.update(log);
    }
    long long rows()
    {
        std::string log;
        return db.count_rows(numbers, log);
    }
    testing::temp_dir dir;
    const std::string path = dir.file("p.db");
    database db;
};

TEST_F(Transactions, WriterWaitingPastTheTimeoutSaysTheProjectIsInUse)
{
    database other;
    std::string log;
    ASSERT_TRUE(other.open(path, {&numbers}, log)) << log;
    transaction holding(other);
    ASSERT_TRUE(holding.begun());

    db.set_busy_timeout(50);
    transaction work(db);
    EXPECT_FALSE(work.begun());
    EXPECT_EQ(work.failure(), "The project database " + path + " is in use by another program.\r\n");
    // Nothing runs outside the transaction that did not begin.
    EXPECT_FALSE(add(db, 1, log));
    EXPECT_FALSE(work.commit(log));
    EXPECT_EQ(log, "The project database " + path + " is in use by another program.\r\n");
    holding.rollback();
    EXPECT_EQ(rows(), 0);
}

TEST_F(Transactions, NothingIsWrittenOnceSQLiteHasEndedTheTransaction)
{
    std::string log;
    transaction outer(db);
    ASSERT_TRUE(add(db, 1, log)) << log;
    {
        transaction inner(db);
        ASSERT_TRUE(add(db, 2, log)) << log;
        // What an I/O error or a full disk does: SQLite rolls the whole transaction back.
        ASSERT_EQ(sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
        EXPECT_FALSE(add(db, 3, log));
        EXPECT_FALSE(inner.commit(log));
    }
    EXPECT_FALSE(add(db, 4, log));
    EXPECT_FALSE(outer.commit(log));
    EXPECT_EQ(log, "The database ended the operation after an error; nothing of it was stored.\r\n");
    EXPECT_EQ(rows(), 0);

    // The next operation starts afresh.
    transaction next(db);
    log.clear();
    EXPECT_TRUE(add(db, 5, log)) << log;
    EXPECT_TRUE(next.commit(log)) << log;
    EXPECT_EQ(rows(), 1);
}

TEST_F(Transactions, InnerRollbackKeepsTheOuterWork)
{
    std::string log;
    transaction outer(db);
    ASSERT_TRUE(add(db, 1, log)) << log;
    {
        transaction inner(db);
        ASSERT_TRUE(add(db, 2, log)) << log;
    }
    ASSERT_TRUE(add(db, 3, log)) << log;
    EXPECT_TRUE(outer.commit(log)) << log;
    EXPECT_EQ(rows(), 2);
}

} // namespace
} // namespace ivorn
