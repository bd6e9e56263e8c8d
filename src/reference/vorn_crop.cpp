// The crop line of the model's crop file as data, and the crop's binding to "Crops". The file
// order of the 56 fields is the model's; the table keeps another order, which binding by column
// name makes irrelevant here.
#include "reference/vorn_crop.h"

#include <array>

#include "core/field_readers.h"
#include "core/text_utils.h"

namespace ivorn {
namespace {

using c = vorn_crop;

constexpr fixed_field<c> f(int n, const char* column, const char* format, float c::*member)
{
    return single_field<c>(column, eight_column_start(11, n - 1), eight_column_start(18, n - 1), format, member);
}

constexpr std::array<fixed_field<c>, 56> crop_fields = {{
    f(1, "Biomass Energy Ratio", "%8.3f", &c::wa),
    f(2, "Harvest Index", "%8.3f", &c::hi),
    f(3, "Optimal Temperature", "%8.3f", &c::top),
    f(4, "Minimum Temperature", "%8.3f", &c::tbs),
    f(5, "Maximum Leaf Area Index", "%8.3f", &c::dmla),
    f(6, "Growing Season Leaf Decline", "%8.3f", &c::dlai),
    f(7, "Leaf Development First Point", "%8.3f", &c::dlap1),
    f(8, "Leaf Development Second Point", "%8.3f", &c::dlap2),
    f(9, "Leaf Area Decline Rate", "%8.3f", &c::rlad),
    f(10, "Biomass Energy Ratio Decline", "%8.3f", &c::rbmd),
    f(11, "Aluminum Tolerance", "%8.3f", &c::alt),
    f(12, "Maximum Stomatal Conductance", "%8.4f", &c::gsi),
    f(13, "Critical Aeration Factor", "%8.3f", &c::caf),
    f(14, "Seeding Rate", "%8.3f", &c::sdw),
    f(15, "Maximum Crop Height", "%8.3f", &c::hmx),
    f(16, "Maximum Root Depth", "%8.3f", &c::rdmx),
    f(17, "CO2 Concentration", "%8.3f", &c::wac2),
    f(18, "Nitrogen in Yield", "%8.4f", &c::cny),
    f(19, "Phosphorus in Yield", "%8.4f", &c::cpy),
    f(20, "Cky", "%8.4f", &c::cky),
    f(21, "Minimum Harvest Index", "%8.3f", &c::wsyf),
    f(22, "Pest Factor", "%8.3f", &c::pst),
    f(23, "Seed Cost", "%8.2f", &c::cosd),
    f(24, "Price for Yield", "%8.2f", &c::pryg),
    f(25, "Price for Yield Forage", "%8.3f", &c::pryf),
    f(26, "Water in Yield", "%8.3f", &c::wcy),
    f(27, "Nitrogen Uptake Emergence", "%8.4f", &c::bn1),
    f(28, "Nitrogen Uptake Midseason", "%8.4f", &c::bn2),
    f(29, "Nitrogen Uptake Maturity", "%8.4f", &c::bn3),
    f(30, "Phosphorus Uptake Emergence", "%8.4f", &c::bp1),
    f(31, "Phosphorus Uptake Midseason", "%8.4f", &c::bp2),
    f(32, "Phosphorus Uptake Maturity", "%8.4f", &c::bp3),
    f(33, "Bk1", "%8.4f", &c::bk1),
    f(34, "Bk2", "%8.4f", &c::bk2),
    f(35, "Bk3", "%8.4f", &c::bk3),
    f(36, "Wind Erosion Factor Live", "%8.3f", &c::bw1),
    f(37, "Wind Erosion Factor Dead", "%8.3f", &c::bw2),
    f(38, "Wind Erosion Factor Flat", "%8.3f", &c::bw3),
    // IDC: the category, read as a float and truncated, written as an integer with a point.
    whole_field<c>("Category", 315, 322, "%7d.", field_kind::whole_from_single, &c::category),
    f(40, "Frost Damage First Point", "%8.3f", &c::frst1),
    f(41, "Frost Damage Second Point", "%8.3f", &c::frst2),
    f(42, "Vapor Pressure Deficit", "%8.3f", &c::wavp),
    f(43, "VPD Threshold", "%8.3f", &c::vpth),
    f(44, "VPD", "%8.3f", &c::vpd2),
    f(45, "Root Weight Emergence", "%8.3f", &c::rwpc1),
    f(46, "Root Weight Maturity", "%8.3f", &c::rwpc2),
    f(47, "Germination Heat Units", "%8.2f", &c::gmhu),
    f(48, "Plant Population Point1", "%8.2f", &c::pplp1),
    f(49, "Plant Population Point2", "%8.2f", &c::pplp2),
    f(50, "Stx1", "%8.3f", &c::stx1),
    f(51, "Stx2", "%8.3f", &c::stx2),
    f(52, "Lignin at Half Maturity", "%8.3f", &c::blg1),
    f(53, "Lignin at Full Maturity", "%8.3f", &c::blg2),
    f(54, "Wub", "%8.3f", &c::wub),
    f(55, "Fto", "%8.3f", &c::fto),
    f(56, "Flt", "%8.3f", &c::flt),
}};

} // namespace

std::span<const fixed_field<vorn_crop>> vorn_crop::file_fields() { return crop_fields; }

void vorn_crop::read_line(std::string_view line, field_overflow* overflow)
{
    if (overflow)
        overflow->read_long(line, 1, 5, number);
    else
        read_long_field(line, 1, 5, number);
    std::string text;
    if (read_text_field(line, 6, 10, text))
        name = latin1_to_utf8(trim_copy(text));
    read_fields(line, *this, file_fields(), overflow);
}

void vorn_crop::write_record(model_file_writer& out, int) const
{
    out.printf("%5d %s", static_cast<int>(number), pad_to_width(utf8_to_latin1(name), 4).c_str());
    write_fields(out, *this, file_fields());
    out.write("\n");
}

binding_list vorn_crop::bindings()
{
    binding_list list{{"ID", &number}, {"Name", &name}};
    bind_fields(list, *this, file_fields());
    return list;
}

} // namespace ivorn
