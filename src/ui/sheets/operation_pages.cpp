// "Operations": one tillage or equipment operation with its operation-code choice. The help
// names are the tillage file's own column headings.
#include "sheets/operation_sheet.h"

#include "reference/reference_tables.h"
#include "reference/vorn_operation.h"
#include "sheets/property_sheet.h"

namespace ivorn {

namespace {

const choice_table operation_codes = {
    {0, "0 No special operation"}, {1, "1 Harvest and kill crop"}, {2, "2 Harvest without kill"},
    {3, "3 Harvest once without kill"}, {4, "4 Start grazing"}, {5, "5 Plant in rows"}, {6, "6 Plant with drill"},
    {7, "7 Apply pesticide"}, {8, "8 Irrigate"}, {9, "9 Fertilize"}, {10, "10 Bagging and ties"},
    {11, "11 Ginning"}, {12, "12 Hauling"}, {13, "13 Drying"}, {14, "14 Burn"}, {15, "15 Puddle"},
    {16, "16 Destroy puddle"}, {17, "17 Build furrow dikes"}, {18, "18 Destroy furrow dikes"},
    {19, "19 Start grazing"}, {20, "20 Stop grazing"}, {-1, "-1 Build furrow dikes"},
    {-2, "-2 Destroy furrow dikes"}, {-3, "-3 Stop grazing"}};

field_entry heading(const char* column, const char* label, const char* variable)
{
    return {column, label, editor_kind::automatic, nullptr, variable};
}

sheet_description build()
{
    return {"Operations",
            &operations_table(),
            {{"Operations",
              {{"Operation",
                {heading("Name", "Name", "Operation Name"), heading("Pcd", "Equipment code", "PCD"),
                 {"Code", "Operation code", editor_kind::choice, &operation_codes, "IHC"}}},
               {"Machine and costs",
                {heading("Pric", "Price", "PRIC"), heading("Plst", "Salvage value", "PLST"),
                 heading("Hry", "Hours a year", "HRY"), heading("Hrl", "Hours of life", "HRL"),
                 heading("Pwr", "Power", "PWR"), heading("Wdt", "Width", "WDT"), heading("Spd", "Speed", "SPD"),
                 heading("Rc1", "Repair coefficient 1", "RC1"), heading("Rc2", "Repair coefficient 2", "RC2"),
                 heading("Xlb", "Lubricant factor", "XLB"), heading("Fcm", "Fuel factor", "FCM"),
                 heading("Vr1", "Variable cost 1", "VR1"), heading("Vr2", "Variable cost 2", "VR2"),
                 heading("Efm", "Field efficiency", "EFM"), heading("Rti", "Annual interest", "RTI"),
                 heading("Cost", "Cost (COTL)", "COTL"), heading("Tcem", "TCEM", "TCEM"),
                 heading("Stir", "Soil tillage intensity", "STIR")},
                3},
               {"Soil and crop",
                {heading("Mixing Efficiency", "Mixing efficiency", "EMX"),
                 heading("Surface Random Roughness", "Random roughness", "RR"),
                 heading("Tillage Depth", "Tillage depth", "TLD"), heading("Ridge Height", "Ridge height", "RHT"),
                 heading("Ridge Interval", "Ridge interval", "RIN"),
                 heading("Furrow Dike Height", "Furrow dike height", "DKH"),
                 heading("Furrow Dike Interval", "Furrow dike interval", "DKI"),
                 heading("Harvest Pesticide Efficiency Ratio", "Harvest efficiency", "HE"),
                 heading("Override Harvest Index", "Override harvest index", "ORHI"),
                 heading("Fraction of Soil Compacted", "Fraction soil compacted", "FRCP"),
                 heading("Fraction of Population Reduced", "Fraction population reduced", "FPOP")},
                3}}}}};
}

} // namespace

const sheet_description& operation_sheet()
{
    static const sheet_description sheet = build();
    return sheet;
}

bool edit_operation(QWidget* parent, vorn_operation& operation, const list_field_help& help)
{
    property_sheet dialog(parent, operation_sheet(), operation.bindings(), help);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ivorn
