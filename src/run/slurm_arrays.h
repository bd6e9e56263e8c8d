// A set larger than the cluster takes in one job array goes as several arrays: the cluster's
// MaxArraySize read from `scontrol show config`, and the tasks cut into arrays below it.
#pragma once

#include <string_view>
#include <vector>

namespace ivorn {

// Slurm's own default, taken when the configuration does not say.
inline constexpr long default_max_array_size = 1001;

// MaxArraySize out of `scontrol show config` output; the default when it is missing or unreadable.
long max_array_size_from_config(std::string_view config_text);

// One array of the set: tasks first+1 .. first+count of the task list as array indices 1..count.
struct array_part {
    long first = 0;
    long count = 0;
};

// The arrays for `task_count` tasks: array indices stay below `max_array_size`, as Slurm requires.
std::vector<array_part> split_into_arrays(long task_count, long max_array_size);

} // namespace ivorn
