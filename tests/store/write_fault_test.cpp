// A failed write anywhere in an import or an output load leaves the database exactly as it was
// and is reported: every write of the operation is made to fail in turn, as an I/O error and as
// a full disk, and the tables are compared with what they held before.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <functional>

#include "../output/output_load_fixture.h"
#include "../output/report_2110_fixture.h"
#include "shell/all_tables.h"
#include "shell/doc_i_vorn.h"
#include "store/database.h"
#include "support/fake_user_interface.h"
#include "support/faulty_vfs.h"
#include "support/made_up_dataset.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

using testing::faulty_vfs;

// Every row of every table, read through a connection of its own.
std::string dump(const std::string& path)
{
    sqlite3* handle = nullptr;
    std::string text;
    if (sqlite3_open_v2(path.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(handle);
        return "<cannot open>";
    }
    for (const table_description* table : all_tables()) {
        text += table->name + ":\n";
        sqlite3_stmt* statement = nullptr;
        const std::string sql = "SELECT * FROM " + quote_identifier(table->name) + " ORDER BY rowid";
        if (sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            text += "<unreadable>\n";
            continue;
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const auto* value = sqlite3_column_text(statement, c);
                text += value ? reinterpret_cast<const char*>(value) : "NULL";
                text += '|';
            }
            text += '\n';
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close_v2(handle);
    return text;
}

struct outcome {
    bool ok = false;
    bool fired = false;
    std::string log;
};

// Fails the Nth write of `operation`, for N = 1, 2, ... until the operation runs out of writes;
// after each the database holds what it held before (reported failure) or the whole result
// (reported success), and a failure names the fault.
void fail_every_write(const std::string& label, const std::function<outcome(faulty_vfs&, long long, faulty_vfs::fault)>& operation,
                      const std::string& before, const std::string& after, const std::function<std::string()>& current)
{
    const std::pair<faulty_vfs::fault, const char*> kinds[] = {{faulty_vfs::fault::io_error, "disk I/O error"},
                                                               {faulty_vfs::fault::disk_full, "database or disk is full"}};
    faulty_vfs vfs;
    for (const auto& [kind, reason] : kinds) {
        long long n = 1;
        for (;; ++n) {
            const outcome result = operation(vfs, n, kind);
            const std::string state = current();
            SCOPED_TRACE(label + ", " + reason + " at write " + std::to_string(n) + ": " + result.log);
            if (!result.fired) {
                EXPECT_TRUE(result.ok);
                EXPECT_EQ(state, after);
                break;
            }
            if (result.ok) {
                EXPECT_EQ(state, after);
                continue;
            }
            EXPECT_EQ(state, before);
            EXPECT_NE(result.log.find(reason), std::string::npos);
        }
        EXPECT_GT(n, 5) << label << ": too few writes to be a real test";
    }
}

TEST(WriteFaults, ImportedDataSetLandsWholeOrNotAtAll)
{
    testing::temp_dir scratch;
    const std::string vornfile = testing::write_made_up_dataset(scratch.path() / "set");
    const std::string pristine = scratch.file("pristine.db");
    const std::string work = scratch.file("work.db");
    std::string log;
    ASSERT_TRUE(create_project_database(pristine, log)) << log;

    app_settings settings;
    const auto import_into_copy = [&](faulty_vfs* vfs, long long n, faulty_vfs::fault kind) {
        for (const char* tail : {"", "-wal", "-shm"})
            std::filesystem::remove(work + tail);
        std::filesystem::copy_file(pristine, work);
        testing::fake_user_interface ui;
        doc_i_vorn doc(settings, ui);
        outcome result;
        if (!doc.open_database(work))
            return result;
        if (vfs)
            vfs->fail_write(n, kind);
        std::int32_t id = 0;
        result.ok = doc.import_dataset(vornfile, id);
        if (vfs) {
            result.fired = vfs->fired();
            vfs->fail_write(0, kind);
        }
        for (const auto& list : ui.error_lists)
            result.log += list.text;
        doc.close_database();
        return result;
    };
    const std::string before = dump(pristine);
    ASSERT_TRUE(import_into_copy(nullptr, 0, faulty_vfs::fault::io_error).ok);
    const std::string after = dump(work);
    ASSERT_NE(before, after);

    fail_every_write(
        "import dataset",
        [&](faulty_vfs& vfs, long long n, faulty_vfs::fault kind) { return import_into_copy(&vfs, n, kind); }, before,
        after, [&] { return dump(work); });
}

TEST(WriteFaults, LoadedOutputsLandWholeOrNotAtAll)
{
    const std::string crop_yields = "1\n2\n3\n4\n5\n6\n7\n8\n"
                                    "        1         1 CORN      6.00\n"
                                    "        1         2 CORN      3.20\n";
    // A run's earlier rows are replaced by the load: the fault may strike the delete too.
    const auto prepared = [&](testing::output_load_fixture& f) {
        f.switches({0, 23});
        f.request.want_yearly = true;
        f.report(".OUT", testing::report_2110);
        f.report(".ACY", crop_yields);
        EXPECT_TRUE(f.load()) << f.log;
        f.report(".ACY", crop_yields + "        1         3 CORN      9.00\n");
    };
    std::string before;
    std::string after;
    {
        testing::output_load_fixture f;
        prepared(f);
        before = dump(f.dir.file("p.db"));
        ASSERT_TRUE(f.load()) << f.log;
        after = dump(f.dir.file("p.db"));
        ASSERT_NE(before, after);
    }
    std::unique_ptr<testing::output_load_fixture> f;
    fail_every_write(
        "output load",
        [&](faulty_vfs& vfs, long long n, faulty_vfs::fault kind) {
            f = std::make_unique<testing::output_load_fixture>();
            prepared(*f);
            vfs.fail_write(n, kind);
            outcome result;
            result.ok = f->load();
            result.fired = vfs.fired();
            vfs.fail_write(0, kind);
            result.log = f->log;
            f->db.close();
            return result;
        },
        before, after, [&] { return dump(f->dir.file("p.db")); });
}

} // namespace
} // namespace ivorn
