// The stand-in model's variable list (see variable_catalogue.h).
#include "variable_catalogue.h"

#include "core/text_utils.h"

namespace ivorn::stand_in {
namespace {

const variable_entry catalogue[] = {
    {1, " TMX", 8.0, 32.0, false},   {2, " TMN", -4.0, 16.0, false},  {3, "SRAD", 5.0, 28.0, false},
    {4, "PRCP", 5.0, 140.0, true},   {5, "SNOF", 0.0, 12.0, true},    {6, "SNOM", 0.0, 12.0, true},
    {7, "WSPD", 1.0, 6.0, false},    {8, "RHUM", 0.35, 0.9, false},   {9, " PET", 20.0, 190.0, true},
    {10, "  ET", 10.0, 120.0, true}, {11, "  EP", 5.0, 80.0, true},   {12, "   Q", 0.0, 35.0, true},
    {13, "  CN", 55.0, 90.0, false}, {14, " SSF", 0.0, 6.0, true},    {15, " PRK", 0.0, 25.0, true},
    {16, " QDR", 0.0, 3.0, true},    {17, "IRGA", 0.0, 20.0, true},   {18, "RSSF", 0.0, 4.0, true},
    {19, "DPRK", 0.0, 5.0, true},    {20, "MUSL", 0.0, 1.5, true},    {21, "  YW", 0.0, 0.8, true},
    {22, " GMN", 0.0, 15.0, true},   {23, " NMN", 0.0, 10.0, true},   {24, "NFIX", 0.0, 8.0, true},
    {25, "NITR", 0.0, 6.0, true},    {26, "AVOL", 0.0, 3.0, true},    {27, "  DN", 0.0, 4.0, true},
    {28, "  YN", 0.0, 3.0, true},    {29, "  QN", 0.0, 2.0, true},    {30, "SSFN", 0.0, 1.0, true},
    {31, "PRKN", 0.0, 6.0, true},    {32, "  YP", 0.0, 0.8, true},    {33, "  QP", 0.0, 0.3, true},
    {34, " MNP", 0.0, 2.0, true},    {35, "FNMN", 0.0, 10.0, true},   {36, "FNMA", 0.0, 5.0, true},
    {37, " FNO", 0.0, 4.0, true},    {38, " FPO", 0.0, 2.0, true},    {39, " FPL", 0.0, 3.0, true},
    {40, " RSD", 0.5, 8.0, false},   {41, "SW10", 10.0, 40.0, false}, {42, "RZSW", 80.0, 250.0, false},
    {43, "GRZD", 0.0, 2.0, true},    {44, " HAY", 0.0, 1.0, true},    {45, "RSDC", 0.0, 30.0, true},
    {46, " UNM", 0.0, 20.0, true},   {47, " UPM", 0.0, 3.0, true},    {48, "STDO", 0.0, 3.0, false},
    {49, "PDSW", 20.0, 90.0, false}, {50, " HUI", 0.0, 1.2, false},   {51, " LAI", 0.0, 6.0, false},
    {52, "  RD", 0.0, 1.8, false},   {53, "  RW", 0.0, 2.5, false},   {54, "  BM", 0.0, 15.0, false},
    {55, " STL", 0.0, 12.0, false},  {56, "CPHT", 0.0, 2.5, false},   {57, " STD", 0.0, 4.0, false},
};

// Names the program needs in every monthly table for its average and yearly summaries.
const std::vector<std::string> always_printed = {
    " TMX", "PRCP", "   Q", " PRK", " SSF", "RSSF", "DPRK", "  ET", "  YP", "  YN", "  QN", "SSFN",
    "PRKN", " GMN", "  DN", "NFIX", "  QP", " MNP", "AVOL", "NITR", "FNMN", "FNMA", " FNO", " FPO",
    " FPL", "MUSL", "SW10", "RZSW", "GRZD", " HAY", " RSD"};

const std::vector<std::string> crop_block = {" HUI", " LAI", "  RD", "  RW", "  BM", " STL", "CPHT", " STD"};

} // namespace

std::string printed_name(std::string_view name)
{
    std::string bare = trim_copy(name);
    if (bare.size() > 4)
        bare.resize(4);
    return std::string(4 - bare.size(), ' ') + bare;
}

const variable_entry* find_variable(std::string_view name)
{
    const std::string wanted = printed_name(name);
    for (const variable_entry& entry : catalogue)
        if (wanted == entry.name)
            return &entry;
    return nullptr;
}

const variable_entry* variable_by_number(int number)
{
    for (const variable_entry& entry : catalogue)
        if (entry.number == number)
            return &entry;
    return nullptr;
}

const std::vector<std::string>& always_printed_variables() { return always_printed; }
const std::vector<std::string>& crop_block_variables() { return crop_block; }

} // namespace ivorn::stand_in
