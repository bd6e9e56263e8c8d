// "Run Header", pages "Header 1" to "Header 5": the control record's fields that the form view
// does not show, grouped by what they steer. The codes and labels are those the control file
// takes.
#include "sheets/record_sheets.h"

#include "site/control_record_table.h"

namespace ivorn {

namespace {

const choice_table print_codes = {
    {0, "Annual watershed output"}, {1, "Annual output"}, {2, "Annual output with soil table"},
    {3, "Monthly output"}, {4, "Monthly output with soil table"}, {5, "Monthly output, soil table at harvest"},
    {6, "Daily at specified interval"}, {7, "Daily printout, soil table"},
    {8, "Daily printout, soil table, only growing season"}, {9, "Daily printout, soil table, growing season"}};
const choice_table potential_et = {
    {1, "Penman-Montieth"}, {2, "Penman"}, {3, "Priestley-Taylor"}, {4, "Hargreaves"}, {5, "Baier-Robertson"}};
const choice_table stochastic_cn = {{0, "Stochastic"}, {1, "Rigid"}};
const choice_table peak_rate = {{0, "Modified Rational EQ"}, {1, "SCS Rainfall Distribution Type I"},
                                {2, "SCS Rainfall Distribution Type Ia"}, {3, "SCS Rainfall Distribution Type II"},
                                {4, "SCS Rainfall Distribution Type III"}};
// Code 4 has no label of its own but the writers know it: with it the run uses the RFDT file.
const choice_table runoff_methods = {{0, "CN estimate of Q"},
                                     {1, "Green & Ampt Q, Exponential Rainfall, Simulated Peak"},
                                     {2, "Green & Ampt Q, Exponential Rainfall, Input Peak"},
                                     {3, "Green & Ampt Q, Uniform Rainfall, Input Peak"}};
const choice_table soluble_p = {{0, "Sharpley"}, {1, "Gleams Pesticide"}};
const choice_table manure_codes = {{0, "Variable N rate limits based on labile P"},
                                   {1, "Variable P rate limits based on labile P"},
                                   {2, "Auto application with minimum labile P"}};
const choice_table erosion_equations = {{0, "MUST MUSL Theoretical"}, {1, "AOF Onstad-Foster"}, {2, "USLE"},
                                        {3, "Small watershed MUSLE"}, {4, "MUSLE modified USLE"}, {5, "MUSI MUSLE"}};
const choice_table soil_profile = {{0, "Normal Erosion"}, {1, "Static Soil Profile"}};
const choice_table enrichment = {{0, "VORN"}, {1, "GLEAMS"}};
const choice_table np_uptake = {{0, "Smith Curve"}, {1, "S Curve"}};
const choice_table steepness = {{0, "RUSLE"}, {1, "MUSLE"}};
const choice_table denitrification = {{0, "MOSK"}, {1, "Kemanian"}};
const choice_table mosk_kemanian = {{0, "MOSK oxygen depth"}, {1, "Kemanian carbon clay"}};
const choice_table grazing_modes = {{0, "Manual"}, {1, "Hybrid"}, {2, "Automatic"}};
const choice_table hperc = {{0, "Off"}, {1, "HPERC1 (4mm slug flow)"}};

field_entry choice(const char* column, const char* label, const choice_table& table)
{
    return {column, label, editor_kind::choice, &table};
}

field_entry flag(const char* column, const char* label)
{
    return {column, label, editor_kind::flag};
}

std::vector<field_entry> numbered(const char* column, const char* label, int first, int last)
{
    std::vector<field_entry> fields;
    for (int n = first; n <= last; ++n)
        fields.push_back({column + std::to_string(n), label + std::to_string(n)});
    return fields;
}

sheet_description build()
{
    sheet_description sheet{"Run Header", &control_records_table(), {}};
    sheet.pages.push_back(
        {"Header 1",
         {{"Simulation",
           {{"Simulation Length", "Simulation length (years)"},
            {"Beginning Year", "Beginning year"},
            {"Beginning Month", "Beginning month"},
            {"Beginning Day", "Beginning day"},
            {"Printout Interval", "Printout interval (days)"},
            choice("Print Code", "Print code", print_codes),
            {"Subarea Print Code", "Subarea print code"},
            {"Daily Output to Swat", "Daily output to SWAT"},
            {"Use SOT Files", "Use SOT files"}},
           2},
          {"Weather generation",
           {{"Weather Input Code", "Weather input code"},
            {"Weather Random Cycles", "Random number cycles"},
            {"Weather Generator Stop Day", "Generator stop day"},
            {"Times Seeds Initialized", "Times seeds initialized"},
            {"Duration of Rain", "Duration of rain"},
            {"Real Time Day of Year", "Real time day of year"},
            flag("Leap Year Considered", "Leap year considered")},
           2},
          {"Files",
           {{"Weather Input Filename", "Daily weather file"},
            {"RFDT Filename", "Rainfall intensity (RFDT) file"},
            {"Select Directory", "Select directory"}}}}});
    sheet.pages.push_back(
        {"Header 2",
         {{"Hydrology",
           {choice("Potential ET", "Potential ET", potential_et),
            choice("Stochastic Curve Number", "Curve number", stochastic_cn),
            choice("Peak Rate Estimate", "Peak rate estimate", peak_rate),
            choice("Runoff Estimation Methodology", "Runoff estimation", runoff_methods),
            {"Non Varying Curve Number", "Non varying curve number"},
            {"Field Capacity Method", "Field capacity method"},
            choice("HPERC or HPERC1", "Percolation", hperc)}},
          {"Erosion and nutrients",
           {choice("Erosion Equation", "Erosion equation", erosion_equations),
            choice("Soil Profile", "Soil profile", soil_profile),
            choice("Enrichment Ratio Method", "Enrichment ratio", enrichment),
            choice("Soluble P Runoff Approach", "Soluble P runoff", soluble_p),
            choice("NP Uptake Code", "N and P uptake", np_uptake),
            choice("Steepness Factor Code", "Steepness factor", steepness),
            choice("Denitrification Method", "Denitrification", denitrification),
            choice("MOSK Kemanian Function", "MOSK / Kemanian function", mosk_kemanian)}},
          {"Options",
           {flag("Automatic Heat Unit Scheduling", "Automatic Heat Unit Scheduling"),
            flag("Pesticide Mass and Concentration", "Pesticide output in Mass and/or Concentration"),
            flag("Flood Routing", "Flood routing"),
            flag("Auto P", "Auto P"),
            flag("Use Lat for Subareas", "Compute latitude"),
            flag("Hay Feeding", "Hay feeding"),
            {"Air Quality Analysis", "Air quality analysis"},
            {"Atmospheric CO2 Code", "Atmospheric CO2 code"}},
           2}}});
    sheet.pages.push_back(
        {"Header 3",
         {{"Manure and grazing",
           {choice("Manure Application Code", "Manure application", manure_codes),
            {"Lagoon Pump Trigger", "Lagoon pump trigger (day)"},
            {"Manure Scrapping Interval", "Manure scraping interval (days)"},
            {"Auto Mow Interval", "Auto mow interval"},
            choice("Grazing Mode", "Grazing mode", grazing_modes),
            {"Grazing Limit", "Grazing limit"},
            {"Manure Rate for P Uptake", "Manure rate for P uptake"},
            {"Manure Rate for N Uptake", "Manure rate for N uptake"}}},
          {"Concentrations and site values",
           {{"Rainfall Nitrogen Concentration", "Rainfall N concentration"},
            {"CO2 Concentration", "CO2 concentration"},
            {"Irrigation NO3 Concentration", "Irrigation NO3 concentration"},
            {"Irrigation Salt Concentration", "Irrigation salt concentration"},
            {"Atmospheric CO2", "Atmospheric CO2"},
            {"Irrigation Water NO3", "Irrigation water NO3"},
            {"N in Rainfall", "N in rainfall"},
            {"Fraction Field Capacity", "Fraction of field capacity"},
            {"Pest Damage Factor", "Pest damage factor"},
            {"Years Cultivation at Start", "Years of cultivation at start"},
            {"Peak Runoff", "Peak runoff adjustment"},
            {"Adjust Auto Irrigation", "Adjust auto irrigation"}},
           2}}});
    sheet.pages.push_back(
        {"Header 4",
         {{"Field",
           {{"Field Length", "Field length"},
            {"Field Width", "Field width"},
            {"Field Angle", "Field angle (degrees)"},
            {"Ave Upland Slope", "Average upland slope"},
            {"Exponent In Flow Rate Eq", "Flow rate exponent"}},
           2},
          {"Channel and floodplain",
           {{"Channel Bottom Width", "Channel bottom width"},
            {"Floodplain Width", "Floodplain width"},
            {"Floodplain Saturated Conductivity", "Floodplain sat. conductivity"},
            {"Maximum Groundwater Storage", "Max. groundwater storage"},
            {"Return Flow Days", "Return flow days"},
            {"Return Flow Ratio", "Return flow ratio"},
            {"Saturated Conductivity Adjustment", "Sat. conductivity adjustment"},
            {"Basin Channel Length", "Basin channel length"},
            {"Basin Channel Slope", "Basin channel slope"},
            {"Fraction Controlled by Ponds", "Fraction controlled by ponds"},
            {"Reach Channel USLE C Factor", "Reach channel USLE C"}},
           2},
          {"Flood routing",
           {{"Flood Routing Time", "Routing time"},
            {"Routing Threshold", "Routing threshold"},
            {"Routing when Reach Storage", "Routing when reach storage"}},
           2}}});
    field_group stations{"Weather stations", {}, 2};
    for (int n = 1; n <= 9; ++n) {
        stations.fields.push_back({"Weather " + std::to_string(n), "Station " + std::to_string(n)});
        stations.fields.push_back(
            {"Fraction of Area by Weather " + std::to_string(n), "Area fraction " + std::to_string(n)});
    }
    sheet.pages.push_back(
        {"Header 5",
         {{"Wind erosion and rainfall",
           {{"Power Parameter", "Power parameter"},
            {"Soil Particle Diameter", "Soil particle diameter"},
            {"Wind Erosion Control Factor", "Wind erosion control factor"},
            {"Rainfall Change E to W", "Rainfall change E to W"},
            {"Rainfall Change S to N", "Rainfall change S to N"}},
           2},
          {"MUSI coefficients", numbered("MUSI Parameter ", "MUSI ", 1, 4), 2},
          {"Cracks and bulk density",
           [] {
               std::vector<field_entry> fields = {{"Vertical Crack", "Vertical crack"},
                                                  {"Horizontal Crack", "Horizontal crack"}};
               for (field_entry& field : numbered("P2 Bulk Density", "P2 bulk density ", 1, 3))
                   fields.push_back(field);
               return fields;
           }(),
           2},
          stations}});
    return sheet;
}

} // namespace

const sheet_description& run_header_sheet()
{
    static const sheet_description sheet = build();
    return sheet;
}

} // namespace ivorn
