// Writes ivPrnt.dat.
#include "output/print_file.h"

namespace ivorn {
namespace {

bool long_layout(int vorn_version) { return vorn_version == 806 || vorn_version == 1307; }

void write_printed_numbers(const list_output_variable_descriptions& list, int vorn_version, model_file_writer& file)
{
    const int block_lines = long_layout(vorn_version) ? 5 : 3;
    int lines = 0;
    int on_line = 0;
    for (const output_variable_description* variable : list) {
        if (variable->state == 0)
            continue;
        file.printf("%4d", variable->number);
        if (++on_line == 20) {
            file.write("\n");
            ++lines;
            on_line = 0;
        }
    }
    if (on_line > 0) {
        file.write("\n");
        ++lines;
    }
    for (; lines < block_lines; ++lines)
        file.write("\n");
}

} // namespace

void write_print_file(const list_output_variable_descriptions& list, int vorn_version, model_file_writer& file)
{
    write_printed_numbers(list, vorn_version, file);
    file.write("\n");
    if (vorn_version == 1307)
        file.write("   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15  18\n");
    else
        file.write("   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15\n");
    file.write("   4  13  14  15  27  37  38  39  48  49  72  80  82  83  84      37  41  42  43\n");
    file.write("  37  41  42  43  44  45  46  47  48  50  51  52  53  54  55  56  57  58  61  62\n");
    file.write("  75  11  13  14  15  16  17   4  77  25  29  78  18  49  64  65  66  67  68  69\n");
    file.write("  70 141 150\n");
    for (int k = 0; k < 20; ++k)
        file.printf("%4d", list.switches[static_cast<size_t>(k)]);
    file.write("\n");
    for (int k = 20; k < output_file_switch_count; ++k)
        file.printf("%4d", list.switches[static_cast<size_t>(k)]);
    file.write("\n");
    if (long_layout(vorn_version) && list.switch_on(29))
        file.write("                                       1");
    for (int i = 0; i < 17; ++i)
        file.write("\n");
}

bool write_print_file(const list_output_variable_descriptions* list, int vorn_version, const std::string& path,
                      line_end_style line_ends, std::string& log)
{
    model_file_writer file;
    if (!file.open(path, line_ends)) {
        log += "ERROR, unable to open VORN file:" + path + "\r\n";
        return false;
    }
    if (list)
        write_print_file(*list, vorn_version, file);
    if (!file.close()) {
        log += "ERROR, unable to open VORN file:" + path + "\r\n";
        return false;
    }
    return true;
}

} // namespace ivorn
