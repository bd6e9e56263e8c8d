// The subarea file: each subarea's twelve lines, described as data. The run writes them in the
// layout of the model version; an import reads the model's own layout (four columns per integer,
// eight per real), which is not the written one.
#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "reference/fixed_line_layout.h"
#include "site/list_file_lines.h"
#include "site/vorn_subarea.h"

namespace ivorn {
namespace {

enum class field_kind { whole, half, real };

// A written field has its printf format; a read field its width and reader.
struct subarea_field {
    const char* format;
    int width;
    field_kind kind;
    int* whole;
    float* real;
};

using subarea_line = std::vector<subarea_field>;

subarea_field w(const char* format, int& member) { return {format, 0, field_kind::whole, &member, nullptr}; }
subarea_field w(const char* format, float& member) { return {format, 0, field_kind::real, nullptr, &member}; }
subarea_field r_whole(int width, int& member) { return {nullptr, width, field_kind::whole, &member, nullptr}; }
subarea_field r_half(int width, int& member) { return {nullptr, width, field_kind::half, &member, nullptr}; }
subarea_field r_real(float& member) { return {nullptr, 8, field_kind::real, nullptr, &member}; }

void add_reals(subarea_line& line, std::initializer_list<const char*> formats, float* first)
{
    for (const char* format : formats)
        line.push_back(w(format, *first++));
}

void add_read_reals(subarea_line& line, float* first, int count)
{
    for (int i = 0; i < count; ++i)
        line.push_back(r_real(first[i]));
}

enum class subarea_layout { v2110, v604, v806 };

subarea_layout layout_for(int model_version)
{
    if (model_version == 604)
        return subarea_layout::v604;
    if (uses_newer_layout(model_version))
        return subarea_layout::v806;
    return subarea_layout::v2110;
}

// Lines 2 to 12 as written.
std::vector<subarea_line> written_lines(vorn_subarea& s, subarea_layout layout)
{
    const bool v2110 = layout == subarea_layout::v2110;
    const bool v806 = layout == subarea_layout::v806;
    std::vector<subarea_line> lines(11);
    auto& l2 = lines[0];
    l2 = {w("%04d", s.subarea_number), w(" %4d", s.op_schedule_number), w(" %4d", s.owner_id),
          w(" %4d", s.feeding_area), w(" %4d", s.manure_app_area), w(" %4d", s.filter_strip_flag),
          w(" %4d", s.curve_number_type), w(" %4d", s.daily_weather_station_number), w(" %4d", s.point_source_number)};
    if (!v2110)
        l2.insert(l2.end(), {w(" %4d", s.pipe_outflow_subarea_id), w(" %4d", s.luns), w(" %4d", s.auto_mow_min_interval)});

    lines[1] = {w("%8.2f", s.water_content_of_snow_cover), w("%8.2f", s.standing_dead_crop_residue),
                w("%8.2f", s.subarea_x_centroid), w("%8.2f", s.subarea_y_centroid)};
    if (v806)
        lines[1].insert(lines[1].end(), {w("%8.3f", s.orientation_of_slope), w("%8.2f", s.field_length),
                                         w("%8.2f", s.field_width), w("%8.3f", s.angle_field)});

    float* channel = s.channel.data();
    add_reals(lines[2], {"%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.4f", "%8.3f", "%8.2f", "%8.3f"}, channel);
    if (!v2110)
        lines[2].push_back(w("%8.4f", channel[9]));
    add_reals(lines[3], {"%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.3f", "%8.2f", "%8.3f", "%8.2f", "%8.2f", "%8.3f"},
              channel + 10);
    add_reals(lines[4], {"%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f"},
              channel + 20);
    lines[5] = {w("%8.2f", channel[30]), w("%8d", s.rs_time_required_to_return_to_normal_sed_conc),
                w("%8.3f", s.rs_bulk_density)};
    if (!v2110)
        lines[5].insert(lines[5].end(), {w("%8.4f", s.fraction_subarea_controlled_by_ponds),
                                         w("%8.4f", s.fraction_subarea_controlled_by_buffers),
                                         w("%8.2f", s.buffer_flow_length)});

    lines[6] = {w("%3d", s.irrigation_rigidity),      w("%1d", s.irrigation),
                w("%4d", s.minimum_auto_irrigation_interval), w("%4d", s.minimum_auto_fertilizer_interval),
                w("%4d", s.liming_code),              w("%4d", s.furrow_dike_code),
                w("%4d", s.drainage_code),            w("%4d", s.lagoon_fertigation_code),
                w("%4d", s.feeding_area_manure_code), w("%4d", s.auto_p_code),
                w("%4d", s.auto_commercial_n_code),   w("%4d", s.auto_solid_manure_code)};

    float* m = s.management.data();
    add_reals(lines[7], {"%8.2f", "%8.2f", "%8.1f", "%8.1f", "%8.1f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f"}, m);
    // Conservation Practice Factor to Liquid to Total Manure Ratio lead every layout; the older
    // model takes the manure rate before the safety factor, the newer ones after the pile rate.
    add_reals(lines[8], {"%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f", "%8.2f"}, m + 10);
    if (v2110) {
        lines[8].insert(lines[8].end(), {w("%8.2f", m[16]), w("%8.2f", m[17])});
    } else {
        lines[8].insert(lines[8].end(), {w("%8.2f", m[17]), w("%8.2f", m[18]), w("%8.2f", m[16])});
        if (v806)
            lines[8].push_back(w("%8.3f", m[19]));
    }

    for (int& herd : s.herd_id)
        lines[9].push_back(w("%4d", herd));
    for (float& limit : s.grazing_limit)
        lines[10].push_back(w("%8.2f", limit));
    return lines;
}

// Lines 2 to 12 as the model's own files hold them.
std::vector<subarea_line> read_lines(vorn_subarea& s)
{
    std::vector<subarea_line> lines(11);
    lines[0] = {r_whole(4, s.soil_id),           r_whole(4, s.op_schedule_number),
                r_whole(4, s.owner_id),          r_whole(4, s.feeding_area),
                r_whole(4, s.manure_app_area),   r_whole(4, s.filter_strip_flag),
                r_whole(4, s.curve_number_type), r_whole(4, s.daily_weather_station_number),
                r_whole(4, s.point_source_number)};
    lines[1] = {r_real(s.water_content_of_snow_cover), r_real(s.standing_dead_crop_residue),
                r_real(s.subarea_x_centroid), r_real(s.subarea_y_centroid)};
    // Urban Fraction of Subarea is not in the model's own line.
    add_read_reals(lines[2], s.channel.data(), 9);
    add_read_reals(lines[3], s.channel.data() + 10, 10);
    add_read_reals(lines[4], s.channel.data() + 20, 10);
    lines[5] = {r_real(s.channel[30]), r_whole(8, s.rs_time_required_to_return_to_normal_sed_conc),
                r_real(s.rs_bulk_density)};
    lines[6] = {r_half(3, s.irrigation_rigidity),
                r_whole(1, s.irrigation),
                r_whole(4, s.minimum_auto_irrigation_interval),
                r_whole(4, s.minimum_auto_fertilizer_interval),
                r_whole(4, s.liming_code),
                r_whole(4, s.furrow_dike_code),
                r_whole(4, s.drainage_code),
                r_half(4, s.lagoon_fertigation_code),
                r_half(4, s.feeding_area_manure_code),
                r_half(4, s.auto_p_code),
                r_half(4, s.auto_commercial_n_code),
                r_half(4, s.auto_solid_manure_code)};
    add_read_reals(lines[7], s.management.data(), 10);
    add_read_reals(lines[8], s.management.data() + 10, 8);
    for (int& herd : s.herd_id)
        lines[9].push_back(r_whole(4, herd));
    add_read_reals(lines[10], s.grazing_limit.data(), subarea_herds);
    return lines;
}

void write_line(model_file_writer& out, const subarea_line& line)
{
    for (const subarea_field& field : line) {
        if (field.kind == field_kind::real)
            out.printf(field.format, static_cast<double>(*field.real));
        else
            out.printf(field.format, *field.whole);
    }
    out.write("\n");
}

// A blank or unparsable field takes the reader's value; a number beyond its type is noted in
// `overflow` and stops the read. The line keeps its line end, so a field that reaches one column
// past the text is still read.
void read_line(const std::string& line, const subarea_line& fields, field_overflow& overflow)
{
    int first = 1;
    for (const subarea_field& field : fields) {
        const int last = first + field.width - 1;
        if (field.kind == field_kind::real) {
            overflow.read_float(line, first, last, *field.real);
        } else if (field.kind == field_kind::whole) {
            overflow.read_long(line, first, last, *field.whole);
        } else {
            unsigned short value = 0;
            read_ushort_field(line, first, last, value);
            // What the 16-bit column will hold.
            *field.whole = static_cast<short>(value);
        }
        first = last + 1;
    }
}

std::string counted_line(const std::string& line) { return line.empty() || line.back() != '\n' ? line + "\n" : line; }

void log_missing_line(const line_reader& in, int block_line, std::string& log)
{
    log += format_printf("Unable to read line %d of subarea file.\r\n", block_line);
    log += format_printf("File %s, line %d.\r\n", in.path().c_str(), in.line_number() + 1);
}

// A line of fewer than four characters, its line end counted, closes the subarea list.
constexpr size_t shortest_subarea_line = 4;

} // namespace

void vorn_subarea::write_subarea(model_file_writer& out, int model_version)
{
    op_schedule_number = subarea_number;
    const subarea_layout layout = layout_for(model_version);
    if (layout == subarea_layout::v2110)
        out.printf("%4d subarea #%d\n", subarea_number, subarea_number);
    else
        out.printf("%8d        %8d subarea #%d\n", subarea_number, subarea_number, subarea_number);
    for (const subarea_line& line : written_lines(*this, layout))
        write_line(out, line);
}

bool vorn_subarea::read_subarea(line_reader& in, const std::string& soil_list, const std::string& operations_list,
                                bool& end, std::string& log)
{
    std::string line;
    if (!in.next_line(line)) {
        log_missing_line(in, 1, log);
        return false;
    }
    if (counted_length(line) < shortest_subarea_line) {
        end = true;
        return true;
    }
    const auto lines = read_lines(*this);
    for (size_t n = 0; n < lines.size(); ++n) {
        if (!in.next_line(line)) {
            log_missing_line(in, static_cast<int>(n) + 2, log);
            return false;
        }
        field_overflow overflow;
        read_line(counted_line(line), lines[n], overflow);
        if (overflow.found()) {
            log += overflow.message(in.path(), in.line_number());
            return false;
        }
    }
    hydrologic_condition = 0;
    management_id = record_id;
    modified = true;
    if (!find_soil_file(soil_list, log)) {
        log += format_printf("Soil %d of subarea %d, soil list %s.\r\n", soil_id, subarea_number, soil_list.c_str());
        return false;
    }
    if (!find_schedule_file(operations_list, log)) {
        log += format_printf("\r\nSchedule %d of subarea %d, operation schedule list %s.\r\n", op_schedule_number,
                             subarea_number, operations_list.c_str());
        return false;
    }
    return true;
}

bool subarea_list::import_subareas(std::int32_t record_id, int subarea_set, const std::string& subarea_list_path,
                                   const std::string& soil_list, const std::string& operations_list, std::string& log)
{
    delete_all();
    line_reader list;
    if (list.open(subarea_list_path, log) != line_reader::open_result::opened) {
        log += format_printf("Cannot open file subarealist %s.\r\n", subarea_list_path.c_str());
        return false;
    }
    std::string line;
    std::string file_name;
    for (;;) {
        if (!list.next_line(line)) {
            log += "Cannot find subarea filename";
            return false;
        }
        int number = 0;
        if (scan_number_and_name(line, number, file_name) && number == subarea_set)
            break;
    }
    const std::string path = listed_file_path(subarea_list_path, file_name, log);
    line_reader in;
    if (in.open(path, log) != line_reader::open_result::opened) {
        log += format_printf("Cannot open subarea file %s.\r\n", path.c_str());
        return false;
    }
    bool end = false;
    for (std::int32_t number = 1; !end; ++number) {
        auto subarea = std::make_unique<vorn_subarea>();
        subarea->record_id = record_id;
        subarea->subarea_number = number;
        if (!subarea->read_subarea(in, soil_list, operations_list, end, log))
            return false;
        if (!end)
            add(std::move(subarea));
    }
    return true;
}

} // namespace ivorn
