// A hand-made main report in the 2110 layout: one subarea, two years (1988 and 1989), with
// overflow stars, a blank annual column, starred yield digits, a zero first yield and a negative
// area. Shared by the reader tests and the loading tests.
#pragma once

#include <cstdio>
#include <string>

namespace ivorn::testing {

namespace report_2110_rows {

inline std::string row(const char* name, const double (&months)[12], const char* annual,
                       const char* format = "%9.2f")
{
    char text[200];
    int at = std::snprintf(text, sizeof text, "%5s", name);
    for (double value : months)
        at += std::snprintf(text + at, sizeof text - at, format, value);
    return std::string(text) + annual + "\n";
}

// The monthly table: every month holds the year's total / 12; totals double in year 2 (TMX goes
// from 20 to 30) and from Q on are 12 + k. Year 1 prints a blank AVOL total after a December of 33
// and a starred NITR total; RSD holds the month's number.
inline std::string monthly_rows(int year)
{
    const char* names[] = {"Q",  "PRK", "YP",  "SSF", "RSSF", "YN",   "QN",   "SSFN", "PRKN", "GMN", "DN",
                           "DPRK", "NFIX", "ET", "QP", "AVOL", "NITR", "MUSL", "FNMN", "FNMA", "FNO", "RSD"};
    std::string text;
    for (int k = -2; k < 22; ++k) {
        const char* name = k == -2 ? "PRCP" : k == -1 ? "TMX" : names[k];
        const double total = k == -1 ? 10.0 * (year + 1) : year * (k == -2 ? 800.0 : std::string(name) == "ET" ? 500.0 : 12.0 + k);
        double months[12];
        for (int m = 0; m < 12; ++m)
            months[m] = std::string(name) == "RSD" ? m + 1 : total / 12;
        char annual[32];
        std::snprintf(annual, sizeof annual, "%9.2f  %4s", total, name);
        if (year == 1 && std::string(name) == "AVOL") {
            months[11] = 33;
            std::snprintf(annual, sizeof annual, "%9s  %4s", "", name);
        }
        if (year == 1 && std::string(name) == "NITR")
            std::snprintf(annual, sizeof annual, "*********  %4s", name);
        text += row(name, months, annual);
    }
    return text;
}

// The soil-water rows after the layer line: zero every month, the year's total 34 + k (doubled in year 2).
inline std::string soil_rows(int year)
{
    const char* names[] = {"HUI", "SW10", "RZSW", "GRZD", "HAY", "FPO", "FPL", "MNP"};
    std::string text;
    for (int k = 0; k < 8; ++k) {
        char annual[32];
        std::snprintf(annual, sizeof annual, "%9.2f  %4s", year * (34.0 + k), names[k]);
        text += row(names[k], {}, annual);
    }
    return text;
}

// The annual watershed table: variable k of year y holds 100 y + k + month / 100.
inline std::string watershed_rows(int year)
{
    const char* names[] = {"PRCP", "QSS", "QSW", "QTS", "QTW", "YS", "YW", "YNS", "YNW",
                           "YPS", "YPW", "QNS", "QNW", "QPS", "QPW", "YMUS", "YMUW"};
    std::string text;
    for (int k = 0; k < 17; ++k) {
        double months[12];
        for (int m = 0; m < 12; ++m)
            months[m] = 100.0 * year + k + m / 100.0;
        text += row(names[k], months, "");
    }
    return text;
}

} // namespace report_2110_rows

inline const std::string report_2110 = R"report(1
                     GENERAL INFORMATION
 RUN 1
1
                     GENERAL INFORMATION
 (the duration and date follow)
 SIMULATION DURATION =   2 Y
 BEGINNING DATE = 1988  1  1
----
      Y M D  OP  CROP   FOR SUBAREA 1    
   1  4 15  12       5                                                                            75
   PLANT CORN
   1  4 15  12       6                                                                            60
   HARV CORN
   1  4 15  12       5                                                                            80
   PLANT SOYB
1
                 SUBAREA HYDROLOGY
        SA       WSA
       1   101    -12.50
1 YEAR 1
)report" + report_2110_rows::monthly_rows(1) + R"report(1
 SOIL
 ----
 ----
 ----
   1  10.0  20.0   0.33   0.15  30.0  40.0  50.0   1.45
)report" + report_2110_rows::soil_rows(1) + R"report( ----
  CORN YLD=  6.00/  0.00T/HA  BIOM= 12.00T/HA  WUEF=  9.12T/MM  YLN=  4*.50KG/HA  YLP= 10.00
 ----
  CORN STRESS (D) WS 1.50 N STRESS 0.90 P STRESS -0.90 T STRESS 2.00

 ANNUAL WATERSHED TABLE
)report" + report_2110_rows::watershed_rows(1) + R"report(1 YEAR 2
)report" + report_2110_rows::monthly_rows(2) + R"report(1
 SOIL
 ----
 ----
 ----
   1  10.0  20.0   0.33   0.15  30.0  40.0  50.0   1.45
)report" + report_2110_rows::soil_rows(2) + R"report( ----
  CORN YLD=  0.00/  3.20T/HA  BIOM=  8.00T/HA  WUEF=  9.12T/MM  YLN= 20.00KG/HA  YLP=  6.00
 ----
  CORN STRESS (D) WS 2.50 N STRESS 0.90 P STRESS 0.00 T STRESS 4.00
 ----
  SOYB YLD=*****/  2.00T/HA  BIOM=  4.00T/HA  WUEF=  9.12T/MM  YLN= 10.00KG/HA  YLP=  2.00
 ----
  SOYB STRESS (D) WS 0.00 N STRESS 0.00 P STRESS 0.00 T STRESS 0.00

 ANNUAL WATERSHED TABLE
)report" + report_2110_rows::watershed_rows(2) + R"report(   NO     (M)  Z   WP   FC
 ----
  1  1.50  x  0.30  0.15  x  x  x  1.40  x  40.0  x  20.0
   NO  PH
 ----
  1  x  6.5
          TOTAL RUN TIME =  1.0 SEC

)report";

} // namespace ivorn::testing
