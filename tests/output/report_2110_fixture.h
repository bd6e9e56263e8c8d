// A hand-made main report in the 2110 layout: one subarea, two years (1988 and 1989), with
// overflow stars, a blank annual column, starred yield digits, a zero first yield and a negative
// area. Shared by the reader tests and the loading tests.
#pragma once

#include <cstdio>
#include <string>

namespace ivorn::testing {

namespace report_2110_rows {

inline std::string row(const char* name, const double (&months)[12], const char* annual)
{
    char text[160];
    int at = std::snprintf(text, sizeof text, "%5s", name);
    for (double value : months)
        at += std::snprintf(text + at, sizeof text - at, "%9.2f", value);
    return std::string(text) + annual + "\n";
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
 PRCP    66.67    66.67    66.67    66.67    66.67    66.67    66.67    66.67    66.67    66.67    66.67    66.67   800.00  PRCP
  TMX     1.67     1.67     1.67     1.67     1.67     1.67     1.67     1.67     1.67     1.67     1.67     1.67    20.00   TMX
    Q     1.00     1.00     1.00     1.00     1.00     1.00     1.00     1.00     1.00     1.00     1.00     1.00    12.00     Q
  PRK     1.08     1.08     1.08     1.08     1.08     1.08     1.08     1.08     1.08     1.08     1.08     1.08    13.00   PRK
   YP     1.17     1.17     1.17     1.17     1.17     1.17     1.17     1.17     1.17     1.17     1.17     1.17    14.00    YP
  SSF     1.25     1.25     1.25     1.25     1.25     1.25     1.25     1.25     1.25     1.25     1.25     1.25    15.00   SSF
 RSSF     1.33     1.33     1.33     1.33     1.33     1.33     1.33     1.33     1.33     1.33     1.33     1.33    16.00  RSSF
   YN     1.42     1.42     1.42     1.42     1.42     1.42     1.42     1.42     1.42     1.42     1.42     1.42    17.00    YN
   QN     1.50     1.50     1.50     1.50     1.50     1.50     1.50     1.50     1.50     1.50     1.50     1.50    18.00    QN
 SSFN     1.58     1.58     1.58     1.58     1.58     1.58     1.58     1.58     1.58     1.58     1.58     1.58    19.00  SSFN
 PRKN     1.67     1.67     1.67     1.67     1.67     1.67     1.67     1.67     1.67     1.67     1.67     1.67    20.00  PRKN
  GMN     1.75     1.75     1.75     1.75     1.75     1.75     1.75     1.75     1.75     1.75     1.75     1.75    21.00   GMN
   DN     1.83     1.83     1.83     1.83     1.83     1.83     1.83     1.83     1.83     1.83     1.83     1.83    22.00    DN
 DPRK     1.92     1.92     1.92     1.92     1.92     1.92     1.92     1.92     1.92     1.92     1.92     1.92    23.00  DPRK
 NFIX     2.00     2.00     2.00     2.00     2.00     2.00     2.00     2.00     2.00     2.00     2.00     2.00    24.00  NFIX
   ET    41.67    41.67    41.67    41.67    41.67    41.67    41.67    41.67    41.67    41.67    41.67    41.67   500.00    ET
   QP     2.17     2.17     2.17     2.17     2.17     2.17     2.17     2.17     2.17     2.17     2.17     2.17    26.00    QP
 AVOL     2.25     2.25     2.25     2.25     2.25     2.25     2.25     2.25     2.25     2.25     2.25    33.00           AVOL
 NITR     2.33     2.33     2.33     2.33     2.33     2.33     2.33     2.33     2.33     2.33     2.33     2.33*********  NITR
 MUSL     2.42     2.42     2.42     2.42     2.42     2.42     2.42     2.42     2.42     2.42     2.42     2.42    29.00  MUSL
 FNMN     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50    30.00  FNMN
 FNMA     2.58     2.58     2.58     2.58     2.58     2.58     2.58     2.58     2.58     2.58     2.58     2.58    31.00  FNMA
  FNO     2.67     2.67     2.67     2.67     2.67     2.67     2.67     2.67     2.67     2.67     2.67     2.67    32.00   FNO
  RSD     1.00     2.00     3.00     4.00     5.00     6.00     7.00     8.00     9.00    10.00    11.00    12.00    33.00   RSD
1
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
 PRCP   133.33   133.33   133.33   133.33   133.33   133.33   133.33   133.33   133.33   133.33   133.33   133.33  1600.00  PRCP
  TMX     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50    30.00   TMX
    Q     2.00     2.00     2.00     2.00     2.00     2.00     2.00     2.00     2.00     2.00     2.00     2.00    24.00     Q
  PRK     2.17     2.17     2.17     2.17     2.17     2.17     2.17     2.17     2.17     2.17     2.17     2.17    26.00   PRK
   YP     2.33     2.33     2.33     2.33     2.33     2.33     2.33     2.33     2.33     2.33     2.33     2.33    28.00    YP
  SSF     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50     2.50    30.00   SSF
 RSSF     2.67     2.67     2.67     2.67     2.67     2.67     2.67     2.67     2.67     2.67     2.67     2.67    32.00  RSSF
   YN     2.83     2.83     2.83     2.83     2.83     2.83     2.83     2.83     2.83     2.83     2.83     2.83    34.00    YN
   QN     3.00     3.00     3.00     3.00     3.00     3.00     3.00     3.00     3.00     3.00     3.00     3.00    36.00    QN
 SSFN     3.17     3.17     3.17     3.17     3.17     3.17     3.17     3.17     3.17     3.17     3.17     3.17    38.00  SSFN
 PRKN     3.33     3.33     3.33     3.33     3.33     3.33     3.33     3.33     3.33     3.33     3.33     3.33    40.00  PRKN
  GMN     3.50     3.50     3.50     3.50     3.50     3.50     3.50     3.50     3.50     3.50     3.50     3.50    42.00   GMN
   DN     3.67     3.67     3.67     3.67     3.67     3.67     3.67     3.67     3.67     3.67     3.67     3.67    44.00    DN
 DPRK     3.83     3.83     3.83     3.83     3.83     3.83     3.83     3.83     3.83     3.83     3.83     3.83    46.00  DPRK
 NFIX     4.00     4.00     4.00     4.00     4.00     4.00     4.00     4.00     4.00     4.00     4.00     4.00    48.00  NFIX
   ET    83.33    83.33    83.33    83.33    83.33    83.33    83.33    83.33    83.33    83.33    83.33    83.33  1000.00    ET
   QP     4.33     4.33     4.33     4.33     4.33     4.33     4.33     4.33     4.33     4.33     4.33     4.33    52.00    QP
 AVOL     4.50     4.50     4.50     4.50     4.50     4.50     4.50     4.50     4.50     4.50     4.50     4.50    54.00  AVOL
 NITR     4.67     4.67     4.67     4.67     4.67     4.67     4.67     4.67     4.67     4.67     4.67     4.67    56.00  NITR
 MUSL     4.83     4.83     4.83     4.83     4.83     4.83     4.83     4.83     4.83     4.83     4.83     4.83    58.00  MUSL
 FNMN     5.00     5.00     5.00     5.00     5.00     5.00     5.00     5.00     5.00     5.00     5.00     5.00    60.00  FNMN
 FNMA     5.17     5.17     5.17     5.17     5.17     5.17     5.17     5.17     5.17     5.17     5.17     5.17    62.00  FNMA
  FNO     5.33     5.33     5.33     5.33     5.33     5.33     5.33     5.33     5.33     5.33     5.33     5.33    64.00   FNO
  RSD     1.00     2.00     3.00     4.00     5.00     6.00     7.00     8.00     9.00    10.00    11.00    12.00    66.00   RSD
1
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
