// Sets larger than the cluster's MaxArraySize: the limit read from `scontrol show config`, the
// tasks cut into arrays whose indices stay below it, and the sbatch line of each array.
#include <gtest/gtest.h>

#include "run/slurm_arrays.h"
#include "run/slurm_executor.h"

namespace ivorn {
namespace {

TEST(SlurmArrays, LimitIsReadFromTheConfiguration)
{
    const struct {
        const char* config;
        long limit;
    } cases[] = {
        {"Configuration data as of 2026-12-07T03:00:00\nMaxArraySize            = 4\nMaxJobCount = 10000\n", 4},
        {"MaxArraySize=250", 250},
        {"MaxJobCount = 10000\n", default_max_array_size},
        {"MaxArraySize = 1\n", default_max_array_size},
        {"MaxArraySize = many\n", default_max_array_size},
    };
    for (const auto& c : cases)
        EXPECT_EQ(max_array_size_from_config(c.config), c.limit) << c.config;
}

TEST(SlurmArrays, TasksAreCutBelowTheLimit)
{
    const struct {
        long tasks;
        long limit;
        std::vector<std::pair<long, long>> parts;
    } cases[] = {
        {6, 1001, {{0, 6}}},
        {1001, 1001, {{0, 1000}, {1000, 1}}},
        {7, 4, {{0, 3}, {3, 3}, {6, 1}}},
        {0, 4, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<long, long>> parts;
        for (const array_part& part : split_into_arrays(c.tasks, c.limit))
            parts.emplace_back(part.first, part.count);
        EXPECT_EQ(parts, c.parts) << c.tasks << " tasks, MaxArraySize " << c.limit;
    }
}

TEST(SlurmArrays, LaterArraysAreNumberedOnAndThrottledAsOneSet)
{
    slurm_options options;
    options.max_parallel = 2;
    options.sbatch_args = {"--account=crops"};
    const slurm_executor executor(options, "/stage/", "vorn");
    EXPECT_EQ(executor.sbatch_command({0, 3}, 1, ""), "sbatch --parsable '--account=crops' '/stage/ivorn-job.sh'");
    EXPECT_EQ(executor.sbatch_command({0, 3}, 3, ""),
              "sbatch --parsable --array=1-3%2 '--account=crops' '/stage/ivorn-job.sh'");
    EXPECT_EQ(executor.sbatch_command({3, 3}, 3, "41"),
              "sbatch --parsable --array=1-3%2 --dependency=afterany:'41' '--account=crops' '/stage/ivorn-job.sh' 3");
    const slurm_executor unthrottled(slurm_options{}, "/stage/", "vorn");
    EXPECT_EQ(unthrottled.sbatch_command({6, 1}, 3, "42"), "sbatch --parsable --array=1-1 '/stage/ivorn-job.sh' 6");
}

} // namespace
} // namespace ivorn
