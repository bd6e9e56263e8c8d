// A crop as the model's crop file and the "Crops" table hold it: number, name, category and 55
// parameters named after their crop-file header labels. Also the crop list's file and table
// operations (the list itself is the shared vorn_production_supply_list).
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/vorn_production_supply.h"
#include "reference/fixed_line_layout.h"
#include "store/database.h"

namespace ivorn {

class vorn_crop : public vorn_production_supply {
public:
    std::int32_t category = 1; // 1 to 7, the crop property page's choices in order
    float wa = 0, hi = 0, top = 0, tbs = 0, dmla = 0, dlai = 0, dlap1 = 0, dlap2 = 0, rlad = 0, rbmd = 0;
    float alt = 0, gsi = 0, caf = 0, sdw = 0, hmx = 0, rdmx = 0, wac2 = 0, cny = 0, cpy = 0, cky = 0;
    float wsyf = 0, pst = 0, cosd = 0, pryg = 0, pryf = 0, wcy = 0, bn1 = 0, bn2 = 0, bn3 = 0, bp1 = 0;
    float bp2 = 0, bp3 = 0, bk1 = 0, bk2 = 0, bk3 = 0, bw1 = 0, bw2 = 0, bw3 = 0, frst1 = 0, frst2 = 0;
    float wavp = 0, vpth = 0, vpd2 = 0, rwpc1 = 0, rwpc2 = 0, gmhu = 0, pplp1 = 0, pplp2 = 0, stx1 = 0, stx2 = 0;
    float blg1 = 0, blg2 = 0, wub = 0, fto = 0, flt = 0;

    // One line of the crop file, without its line end.
    void read_line(std::string_view line, field_overflow* overflow = nullptr);
    void write_record(model_file_writer& out, int model_version) const override;
    binding_list bindings();

    // Fields 1 to 56 of the crop file in file order (field 39 is the category).
    static std::span<const fixed_field<vorn_crop>> file_fields();
};

// The two header lines of the model's crop file, with their line ends.
extern const char* const crop_file_header;

// Appends to the list (an import hands it empty). Skips the two header lines, then takes one
// crop per line until a line shorter than 3 characters or the end of the file.
bool read_crop_file(vorn_production_supply_list& crops, const std::string& file_name, std::string& log);
bool write_crop_file(const vorn_production_supply_list& crops, const std::string& file_name, int model_version,
                     line_end_style line_ends, bool with_header = true);

bool load_crops(database& db, vorn_production_supply_list& crops, std::string& log);
// Upserts keyed on ID, all in one transaction.
bool save_crops(database& db, const vorn_production_supply_list& crops, std::string& log);
bool save_crop(database& db, vorn_crop& crop, std::string& log);
// Deletes the crop's row, then removes the crop from the list (destroying it) whether or not a
// row was found; false when none was.
bool delete_crop(database& db, vorn_production_supply_list& crops, vorn_crop* crop, std::string& log);

} // namespace ivorn
