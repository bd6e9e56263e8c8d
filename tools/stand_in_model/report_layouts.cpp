// The column data of every report the stand-in model writes (see report_layouts.h).
#include "report_layouts.h"

namespace ivorn::stand_in {

int version_number(model_version version)
{
    switch (version) {
    case model_version::v604: return 604;
    case model_version::v806: return 806;
    case model_version::v1307: return 1307;
    case model_version::v2110: break;
    }
    return 2110;
}

bool wide_main_report(model_version version) { return version != model_version::v2110; }

bool newer_report_files(model_version version)
{
    return version == model_version::v806 || version == model_version::v1307;
}

// ---- main report ----

namespace {

const monthly_table_columns narrow_table{
    {2, 5, "%4s"}, {6, 9, "%9.2f"}, {114, 122, "%9.2f"}, {125, 128, "%4s"}, 128};
const monthly_table_columns wide_table{
    {2, 5, "%4s"}, {6, 12, "%12.2f"}, {150, 161, "%12.2f"}, {164, 167, "%4s"}, 167};

const area_table_columns narrow_area_table{
    "        SA       WSA      AREA", "                          (HA)",
    {1, 8, "%8ld"}, {9, 16, "%8ld"}, {17, 26, "%10.2f"}};
const area_table_columns wide_area_table{
    "              SA         WSA        AREA", "                                    (ha)",
    {1, 16, "%16ld"}, {17, 28, "%12ld"}, {29, 40, "%12.3f"}};

const schedule_listing_columns schedule_listing{
    "      Y M D      OP CD  CROP TRAC IVAR    PAR1    PAR2    PAR3    PAR4    PAR5    PAR6    PAR7        CN",
    {1, 7, "%7ld"}, {8, 9, "%2ld"}, {10, 11, "%2ld"}, {12, 19, "%8ld"}, {20, 22, "%3ld"},
    {24, 28, "%5ld"}, {29, 33, "%5ld"}, {34, 38, "%5ld"}, {39, 8, "%8.2f"}, {97, 100, "%4.0f"}};

const soil_year_columns soil_year{
    {1, 4, "%4ld"}, {5, 12, "%8.2f"}, {13, 20, "%8.3f"}, {21, 28, "%8.3f"}, {29, 36, "%8.3f"},
    {37, 44, "%8.3f"}, {45, 52, "%8.3f"}, {53, 60, "%8.2f"}, {61, 68, "%8.2f"}};

const stress_columns fixed_stress{{40, 44, "%5.1f"}, {49, 53, "%5.1f"}, {58, 62, "%5.1f"}, {70, 74, "%5.1f"}};

const soil_table_columns soil_physical{
    {1, 4, "%4ld"}, {5, 12, "%8.2f"}, {13, 20, "%8.3f"}, {21, 28, "%8.3f"}, {29, 36, "%8.3f"},
    {37, 44, "%8.3f"}, {45, 52, "%8.3f"}, {53, 60, "%8.2f"}, {61, 68, "%8.2f"}, {69, 76, "%8.2f"},
    {77, 84, "%8.1f"}, {85, 92, "%8.1f"}, {93, 100, "%8.1f"}};

const soil_chemistry_columns soil_chemistry{
    {1, 4, "%4ld"}, {5, 12, "%8.2f"}, {13, 20, "%8.2f"}, {21, 28, "%8.1f"}, {29, 36, "%8.2f"},
    {37, 44, "%8.2f"}, {45, 52, "%8.1f"}};

} // namespace

const monthly_table_columns& monthly_table_layout(model_version version)
{
    return wide_main_report(version) ? wide_table : narrow_table;
}

const monthly_table_columns& narrow_table_layout() { return narrow_table; }

const area_table_columns& area_table_layout(model_version version)
{
    return wide_main_report(version) ? wide_area_table : narrow_area_table;
}

const schedule_listing_columns& schedule_listing_layout() { return schedule_listing; }
const soil_year_columns& soil_year_layout() { return soil_year; }

const char* yield_line_format(model_version version)
{
    switch (version) {
    case model_version::v806:
        return "%6s YLD= %5.2f/  %5.2ft/ha  BIOM= %5.2ft/ha  WUEF= %5.2ft/mm  YLN= %5.1fkg/ha  YLP= %5.1f";
    case model_version::v1307:
        return "%6s YLD=  %5.2f/  %5.2ft/ha  BIOM=  %5.2ft/ha  WUEF=      %5.2fkg/mm  YLN=   %5.1fkg/ha  YLP=   %5.1f";
    case model_version::v2110:
    case model_version::v604:
        break;
    }
    return "%6s YLD= %5.2f/  %5.2fT/HA  BIOM= %5.2fT/HA  WUEF= %5.2fT/MM  YLN= %5.1fKG/HA  YLP= %5.1f";
}

const char* scanned_stress_line_format()
{
    return "%6s STRESS DAYS  WS= %5.1f  D  NS= %5.1f  D  PS= %5.1f  D  TS= %5.1f";
}

const stress_columns& fixed_stress_layout() { return fixed_stress; }
const soil_table_columns& soil_physical_layout() { return soil_physical; }
const soil_chemistry_columns& soil_chemistry_layout() { return soil_chemistry; }

const char* soil_physical_header(model_version version)
{
    return version == model_version::v2110
        ? "   NO     (M)   PO      FC      WP      SW     SAT     HCL      BD     BDD    SAND    SILT    CLAY"
        : "   NO     (m)   PO      FC      WP      SW     SAT     HCL      BD     BDD    SAND    SILT    CLAY";
}

const char* soil_chemistry_header()
{
    return "   NO      Z      PH     SMB     WOC     CAC     CEC";
}

// ---- report files ----

namespace {

const sus_columns sus{8, 160, {1, 8, "%8ld"}, {9, 13, "%5ld"}, {18, 21, "%-4s"}, {22, 10, "%10.2f"}, 13,
                      {152, 160, "%9.2f"}};

const acy_columns acy_variant_1{
    8, {1, 5, "%5ld"}, {6, 9, "%4ld"}, {10, 14, "%5ld"}, {15, 19, "%5ld"}, {21, 24, "%-4s"},
    {25, 34, "%10.3f"}, {35, 44, "%10.3f"}, {45, 54, "%10.3f"}, {55, 64, "%10.3f"}, {65, 74, "%10.3f"},
    {75, 84, "%10.3f"}, {85, 94, "%10.3f"}, {95, 104, "%10.3f"}, {105, 114, "%10.3f"}, {115, 124, "%10.3f"},
    {125, 134, "%10.3f"}, {135, 10, "%10.3f"}, 0};
const acy_columns acy_variant_2{
    9, {10, 17, "%8ld"}, {6, 9, "%4ld"}, {18, 22, "%5ld"}, {23, 27, "%5ld"}, {29, 32, "%-4s"},
    {33, 42, "%10.3f"}, {43, 52, "%10.3f"}, {53, 62, "%10.3f"}, {203, 212, "%10.3f"}, {213, 222, "%10.3f"},
    {63, 72, "%10.3f"}, {73, 82, "%10.3f"}, {83, 92, "%10.3f"}, {93, 102, "%10.3f"}, {103, 112, "%10.3f"},
    {113, 122, "%10.3f"}, {123, 10, "%10.3f"}, 8};

const acn_columns acn_variant_1{7, {10, 13, "%4ld"}, {15, 18, "%4ld"}, 19, {20, 8, "%8.0f"}};
const acn_columns acn_variant_2{8, {10, 13, "%4ld"}, {15, 22, "%8ld"}, 19, {20, 8, "%8.0f"}};

constexpr aps_columns aps_columns_for(int heading_lines)
{
    return {heading_lines, {1, 6, "%6ld"}, {7, 11, "%5ld"}, {12, 16, "%5ld"}, {17, 21, "%5ld"},
            {22, 29, "%8.2f"}, {30, 37, "%8.2f"}, {38, 45, "%8.2f"}, {46, 53, "%8.2f"}, {54, 61, "%8.2f"},
            {62, 69, "%8.2f"}, {71, 86, "%-16s"}, {87, 13, "%13.4f"}};
}
const aps_columns aps_variant_1 = aps_columns_for(9);
const aps_columns aps_variant_2 = aps_columns_for(10);

constexpr msw_columns msw_columns_for(int heading_lines)
{
    return {heading_lines, 2, {1, 5, "%5ld"}, {6, 10, "%5ld"}, {11, 22, "%12.3f"}, {23, 33, "%11.3f"},
            {34, 44, "%11.3f"}, {45, 55, "%11.3f"}, {56, 66, "%11.3f"}, {67, 77, "%11.3f"},
            {{84, 22, "%-22s"}, 30, 22, {78, 88, "%11.4f"}, {89, 99, "%11.4f"}}};
}
const msw_columns msw_variant_1 = msw_columns_for(8);
const msw_columns msw_variant_2 = msw_columns_for(9);

constexpr swt_columns swt_columns_for(int heading_lines)
{
    return {heading_lines, 2, {1, 5, "%5ld"}, {6, 10, "%5ld"}, {12, 28, "%17.4f"}, {29, 45, "%17.4f"},
            {46, 62, "%17.4f"}, {63, 79, "%17.4f"}, {80, 96, "%17.4f"}, {97, 113, "%17.4f"},
            {{114, 34, "%-22s"}, 19, 34, {114, 130, "%17.4f"}, {131, 147, "%17.4f"}}};
}
const swt_columns swt_variant_1 = swt_columns_for(8);
const swt_columns swt_variant_2 = swt_columns_for(9);

// Variant 3 carries two columns the loader skips (540-559) before its last four.
const awp_columns awp_variant_1{8, {6, 9, "%4ld"}, {10, 10, "%10.3f"}, 51};
const awp_columns awp_variant_2{10, {6, 9, "%4ld"}, {10, 10, "%10.3f"}, 53};
const awp_columns awp_variant_3{10, {6, 9, "%4ld"}, {10, 10, "%10.3f"}, 59};

const char* const msa_names_short[] = {"PRCP", "ET", "Q", "SSF", "PRK", "IRGA", "FNO", "FNMA",
                                       "FPO", "FPL", "RSSF", "RSDC", "UNM", "UPM", "STDO", "RSD"};
const char* const msa_names_long[] = {"PRCP", "ET", "Q", "SSF", "PRK", "IRGA", "FNO", "FNMA", "FPO",
                                      "FPL", "RSSF", "RSDC", "UNM", "UPM", "RZSW", "STDO", "RSD", "PDSW"};

const msa_columns msa_variant_1{
    9, {1, 5, "%5ld"}, {6, 9, "%4ld"}, {10, 14, "%5ld"}, {15, 18, "%4ld"}, {20, 23, "%4s"},
    {24, 9, "%9.2f"}, {132, 140, "%9.2f"}, msa_names_short, 16};
const msa_columns msa_variant_2{
    10, {1, 9, "%9ld"}, {10, 17, "%8ld"}, {18, 22, "%5ld"}, {23, 26, "%4ld"}, {28, 31, "%4s"},
    {32, 13, "%13.3f"}, {188, 200, "%13.3f"}, msa_names_short, 16};
const msa_columns msa_variant_3{
    10, {1, 9, "%9ld"}, {10, 17, "%8ld"}, {18, 22, "%5ld"}, {23, 26, "%4ld"}, {28, 31, "%4s"},
    {32, 13, "%13.3f"}, {188, 200, "%13.3f"}, msa_names_long, 18};

} // namespace

const sus_columns& sus_layout() { return sus; }

const acy_columns& acy_layout(model_version version)
{
    return newer_report_files(version) ? acy_variant_2 : acy_variant_1;
}

const acn_columns& acn_layout(model_version version)
{
    return newer_report_files(version) ? acn_variant_2 : acn_variant_1;
}

const aps_columns& aps_layout(model_version version)
{
    return newer_report_files(version) ? aps_variant_2 : aps_variant_1;
}

const msw_columns& msw_layout(model_version version)
{
    return newer_report_files(version) ? msw_variant_2 : msw_variant_1;
}

const swt_columns& swt_layout(model_version version)
{
    return newer_report_files(version) ? swt_variant_2 : swt_variant_1;
}

const awp_columns& awp_layout(model_version version)
{
    if (version == model_version::v1307)
        return awp_variant_3;
    return version == model_version::v806 ? awp_variant_2 : awp_variant_1;
}

const msa_columns& msa_layout(model_version version)
{
    if (version == model_version::v1307)
        return msa_variant_3;
    return version == model_version::v806 ? msa_variant_2 : msa_variant_1;
}

} // namespace ivorn::stand_in
