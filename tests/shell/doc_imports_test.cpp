// The document's reference imports: the lists it holds are replaced, and a parameter import
// reaches every record, the current one included.
#include <gtest/gtest.h>

#include "shell/doc_i_vorn.h"
#include "support/fake_user_interface.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

TEST(DocumentImports, ListsAreLoadedAtOpenAndReplacedByAnImport)
{
    testing::temp_dir dir;
    app_settings settings;
    testing::fake_user_interface ui;
    doc_i_vorn doc(settings, ui);
    ASSERT_TRUE(doc.new_database(dir.file("p.mdb")));
    ASSERT_TRUE(doc.open_database(dir.file("p.mdb")));
    ASSERT_NE(doc.crops(), nullptr);
    EXPECT_EQ(doc.crops()->count(), 0u);
    testing::write_file(dir.file("crop.dat"), "header\nheader\n    1 CORN\n    2 SOYB\n");
    ASSERT_TRUE(doc.import_crops(dir.file("crop.dat")));
    EXPECT_EQ(doc.crops()->count(), 2u);
    doc.close_database();
    ASSERT_TRUE(doc.open_database(dir.file("p.mdb")));
    EXPECT_EQ(doc.crops()->count(), 2u);
}

TEST(DocumentImports, ParametersReachEveryRecordAndTheCurrentOne)
{
    testing::temp_dir dir;
    app_settings settings;
    testing::fake_user_interface ui;
    doc_i_vorn doc(settings, ui);
    ASSERT_TRUE(doc.new_database(dir.file("p.mdb")));
    ASSERT_TRUE(doc.open_database(dir.file("p.mdb")));
    doc.record_new();
    doc.record_new();
    ASSERT_EQ(doc.record_list().count(), 2u);

    parameter_set file_values;
    file_values.parm[0] = 7.5f;
    std::string log;
    ASSERT_TRUE(file_values.write_parameter_file(dir.file("parm.dat"), 2110, line_end_style::lf, log));
    doc.current_record()->parameters.parm[0] = 1.0f;
    doc.current_record()->modified = true;
    ASSERT_TRUE(doc.import_parameters(dir.file("parm.dat")));
    EXPECT_EQ(doc.current_record()->parameters.parm[0], 7.5f);
    doc.record_first(); // the stale in-memory values must not be stored over the import
    parameter_set stored;
    ASSERT_TRUE(stored.load_parameters(*doc.db(), 2, log));
    EXPECT_EQ(stored.parm[0], 7.5f);
}

} // namespace
} // namespace ivorn
