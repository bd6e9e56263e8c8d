// "Parameters", pages "Parameters 1" to "Parameters 8": the 30 S-curves on two pages (one row a
// curve, its two points side by side), the 97 coefficients twenty to a page, and the costs.
#include "sheets/record_sheets.h"

#include <string>

#include "reference/parameters_table.h"

namespace ivorn {

namespace {

std::string numbered(const char* text, int n)
{
    return text + std::to_string(n);
}

field_group s_curves(int first, int last)
{
    field_group group{"S-curves " + std::to_string(first) + " to " + std::to_string(last), {}, 2};
    for (int curve = first; curve <= last; ++curve) {
        for (int point = 1; point <= 2; ++point) {
            const std::string number = std::to_string(curve);
            group.fields.push_back({"S Curve " + number + " " + std::to_string(point),
                                    "Curve " + number + ", point " + std::to_string(point), editor_kind::automatic,
                                    nullptr, "SCRP" + std::to_string(point) + "(" + number + ")"});
        }
    }
    return group;
}

field_group coefficients(int first, int last)
{
    field_group group{"Coefficients " + std::to_string(first) + " to " + std::to_string(last), {}, 2};
    for (int n = first; n <= last; ++n)
        group.fields.push_back({numbered("Parm", n), numbered("PARM ", n), editor_kind::automatic, nullptr,
                                "PARM(" + std::to_string(n) + ")"});
    return group;
}

sheet_description build()
{
    sheet_description sheet{"Parameters", &parameters_table(), {}};
    sheet.pages.push_back({"Parameters 1", {s_curves(1, 15)}});
    sheet.pages.push_back({"Parameters 2", {s_curves(16, 30)}});
    const int ranges[5][2] = {{1, 20}, {21, 40}, {41, 60}, {61, 80}, {81, 97}};
    for (int page = 0; page < 5; ++page)
        sheet.pages.push_back(
            {numbered("Parameters ", page + 3), {coefficients(ranges[page][0], ranges[page][1])}});
    field_group costs{"Costs", {}, 1};
    for (int n = 1; n <= 5; ++n)
        costs.fields.push_back({numbered("Cost", n), numbered("Cost ", n), editor_kind::automatic, nullptr,
                                "COST(" + std::to_string(n) + ")"});
    sheet.pages.push_back({"Parameters 8", {costs}});
    return sheet;
}

} // namespace

const sheet_description& parameter_sheet()
{
    static const sheet_description sheet = build();
    return sheet;
}

} // namespace ivorn
