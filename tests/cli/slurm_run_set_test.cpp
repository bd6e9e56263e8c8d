// `ivorn run --all --executor slurm` and `ivorn collect` on the one-node Slurm cluster that
// scripts/slurm_local.sh starts: the same tables and counts as one job at a time, and a model
// directory left as it was. Skipped, saying why, where the cluster cannot start.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <thread>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace ivorn {
namespace {

namespace fs = std::filesystem;
using testing::run_ivorn;
using testing::shell_quote;

std::string cluster_unavailable;

class SlurmRunSet : public ::testing::Test {
protected:
    static std::string script(const std::string& action, const std::string& output)
    {
        return "bash " + shell_quote(std::string(IVORN_SOURCE_DIR) + "/scripts/slurm_local.sh") + " " + action + " >"
               + shell_quote(output) + " 2>&1";
    }

    static void SetUpTestSuite()
    {
        const char* dir = std::getenv("IVORN_SLURM_DIR");
        ::setenv("SLURM_CONF", ((dir ? std::string(dir) : std::string("/tmp/ivorn-slurm")) + "/slurm.conf").c_str(), 1);
        // The cluster stays up afterwards: tests in other processes may be using it.
        testing::temp_dir log;
        if (std::system(script("start", log.file("start")).c_str()) != 0)
            cluster_unavailable = "the local Slurm cluster did not start: " + testing::read_file(log.file("start"));
    }

    void SetUp() override
    {
        if (!cluster_unavailable.empty())
            GTEST_SKIP() << cluster_unavailable;
        ASSERT_EQ(ivorn("new " + db("base")).status, 0);
        for (int i = 0; i < 2; ++i)
            for (const char* run : {"run1", "run2", "run3"})
                ASSERT_EQ(ivorn("import dataset " + db("base") + " "
                                + shell_quote(std::string(IVORN_SOURCE_DIR) + "/data/demo/" + run + "/vornfile.dat"))
                              .status,
                          0);
    }

    testing::cli_result ivorn(const std::string& arguments) { return run_ivorn(dir.file("settings.ini"), arguments); }
    std::string db(const std::string& name) { return shell_quote(dir.file(name + ".mdb")); }

    // A copy of the database and a model directory of its own for one set.
    std::string prepare(const std::string& name)
    {
        fs::copy_file(dir.file("base.mdb"), dir.file(name + ".mdb"));
        if (fs::exists(dir.file("settings.ini")))
            fs::copy_file(dir.file("settings.ini"), dir.file(name + ".ini"));
        const fs::path model = dir.path() / ("model-" + name);
        fs::create_directories(model);
        fs::copy_file(IVORN_STAND_IN_PATH, model / "vorn_stand_in");
        fs::copy_file(std::string(IVORN_SOURCE_DIR) + "/data/demo/model/output variables.csv", model / "output variables.csv");
        return "--model " + shell_quote((model / "vorn_stand_in").string());
    }

    testing::cli_result ivorn_as(const std::string& name, const std::string& arguments)
    {
        return run_ivorn(dir.file(name + ".ini"), arguments);
    }

    // Every table of the set's database, exported.
    std::string tables(const std::string& name)
    {
        std::string all;
        const std::string info = ivorn_as(name, "info " + db(name)).out;
        const std::regex line("([^\t\n]+)\t[0-9]+\n");
        for (auto it = std::sregex_iterator(info.begin(), info.end(), line); it != std::sregex_iterator(); ++it)
            all += "== " + (*it)[1].str() + "\n" + ivorn_as(name, "export " + db(name) + " " + shell_quote((*it)[1])).out;
        return all;
    }

    std::map<std::string, std::string> model_files(const std::string& name)
    {
        std::map<std::string, std::string> files;
        const fs::path model = dir.path() / ("model-" + name);
        for (const auto& entry : fs::recursive_directory_iterator(model))
            if (entry.is_regular_file())
                files[fs::relative(entry.path(), model).string()] = testing::read_file(entry.path().string());
        return files;
    }

    // What a set keeps in the model directory: the archive, the per-record SWAT outputs and
    // final soil tables, the basin list.
    std::map<std::string, std::string> kept_files(const std::string& name)
    {
        std::map<std::string, std::string> kept;
        const std::regex keeps("input_files/.*|swat_basin\\.dat|sw[0-9]{6}\\.swt|[0-9]{8}\\.[0-9]{4}\\.SOT");
        for (auto& [file, bytes] : model_files(name))
            if (std::regex_match(file, keeps))
                kept[file] = std::move(bytes);
        return kept;
    }

    testing::temp_dir dir;
};

TEST_F(SlurmRunSet, JobArrayLoadsWhatOneJobAtATimeLoads)
{
    const std::string options = " --all --yearly --watershed --save-inputs";
    const std::string one = prepare("one");
    fs::create_directory(dir.path() / "model-one" / "input_files");
    const auto sequential = ivorn_as("one", one + " run " + db("one") + options);
    ASSERT_EQ(sequential.status, 0) << sequential.err;

    const std::string slurm = prepare("slurm");
    fs::create_directory(dir.path() / "model-slurm" / "input_files");
    const auto before = model_files("slurm");
    const std::string stage = " --stage " + shell_quote(dir.file("stage"));
    const auto cluster = ivorn_as("slurm", slurm + " run " + db("slurm") + options + " --executor slurm "
                                               "--max-parallel 2 --time 5" + stage);
    ASSERT_EQ(cluster.status, 0) << cluster.err;
    EXPECT_EQ(cluster.out.substr(0, cluster.out.find("Elapsed")), sequential.out.substr(0, sequential.out.find("Elapsed")));
    EXPECT_NE(cluster.err.find("Submitted Slurm job "), std::string::npos) << cluster.err;
    EXPECT_EQ(tables("slurm"), tables("one"));
    EXPECT_TRUE(kept_files("slurm") == kept_files("one")) << "the set kept other files than one job at a time";
    // The model directory's own files are as they were; what was added is what the set keeps.
    const auto after = model_files("slurm");
    for (const auto& [name, bytes] : before)
        EXPECT_TRUE(after.count(name) && after.at(name) == bytes) << name << " changed";
    for (const auto& [name, bytes] : after)
        EXPECT_TRUE(before.count(name) || std::regex_match(name, std::regex("[0-9]{8}\\.[0-9]{4}\\.SOT|input_files/.*")))
            << name;
    // The run directories stay as the tasks left them: a collect loads the same again.
    EXPECT_EQ(ivorn_as("slurm", slurm + " collect " + db("slurm") + stage).out, "6 runs, 6 successful runs.\n");
    EXPECT_EQ(tables("slurm"), tables("one"));
}

TEST_F(SlurmRunSet, SubmittedWithoutWaitingIsLoadedByCollect)
{
    // Kept files too: the archive, the SWAT outputs and their basin list must come out of every
    // collect as the set running here leaves them.
    const std::string keep = " --all --residue --save-inputs --save-swat";
    const std::string one = prepare("one");
    fs::create_directory(dir.path() / "model-one" / "input_files");
    ASSERT_EQ(ivorn_as("one", one + " run " + db("one") + keep).status, 0);

    const std::string later = prepare("later");
    fs::create_directory(dir.path() / "model-later" / "input_files");
    const std::string stage = shell_quote(dir.file("stage"));
    const auto submitted = ivorn_as("later", later + " run " + db("later") + keep + " --executor slurm --no-wait "
                                                 "--stage " + stage);
    ASSERT_EQ(submitted.status, 0) << submitted.err;
    EXPECT_TRUE(std::regex_search(submitted.out, std::regex("Submitted Slurm job [0-9]+: 6 tasks"))) << submitted.out;
    testing::cli_result collected;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    do {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        collected = ivorn_as("later", later + " collect " + db("later") + " --stage " + stage);
    } while (collected.status != 0 && std::chrono::steady_clock::now() < deadline);
    ASSERT_EQ(collected.status, 0) << collected.err;
    EXPECT_EQ(collected.out, "6 runs, 6 successful runs.\n");
    EXPECT_EQ(tables("later"), tables("one"));
    const auto expected = kept_files("one");
    EXPECT_TRUE(expected.count("swat_basin.dat") && expected.count("input_files/1_iv.out")) << expected.size();
    EXPECT_TRUE(kept_files("later") == expected) << "the first collect kept other files than the set";
    // A second collect loads the same outputs again, replacing them, and keeps the same files.
    EXPECT_EQ(ivorn_as("later", later + " collect " + db("later") + " --stage " + stage).out, "6 runs, 6 successful runs.\n");
    EXPECT_EQ(tables("later"), tables("one"));
    EXPECT_TRUE(kept_files("later") == expected) << "the second collect kept other files than the set";
}

} // namespace
} // namespace ivorn
