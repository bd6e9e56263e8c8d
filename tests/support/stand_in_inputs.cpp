// The stand-in model's test input set, written the way the run pipeline writes it per version.
#include "support/stand_in_inputs.h"

#include <cstdlib>

namespace ivorn::testing {
namespace {

void put(const temp_dir& dir, const std::string& name, const std::string& bytes) { write_file(dir.file(name), bytes); }

std::string model_file_list(int version)
{
    std::string list = " FSITE    ivsitels.dat\n FSUB     ivsublist.dat\n FWPM1    ivwthlst.dat\n FWIND    ivwindls.dat\n"
                       " FCROP    ivCrop.dat\n FTILL    ivTill.dat\n FPEST    ivpest.dat\n FFERT    ivFert.dat\n"
                       " FSOIL    ivSlList.dat\n FOPSC    ivOpList.dat\n FTR55    tr552110.dat\n FPARM    ivParm.dat\n"
                       " FMLRN    mlrn2110.dat\n FPRNT    ivPrnt.dat\n";
    if (version != 2110)
        list += " FHERD    ivherd.dat\n FWLST    ivwdaily.dat\n FPSOD    ivpso.dat\n";
    if (version == 806 || version == 1307)
        list += " FRFDT    ivrfdt.dat\n";
    return list + "\n\n\n\n\n";
}

std::string run_file(int version)
{
    if (version == 2110)
        return "vorn   1   1   1   1\n";
    return version == 604 ? "vorn   1   1   1   1   0\n\n" : "vorn   1   1   1   1   0   0\n\n";
}

std::string control_file(int version)
{
    const int line_2 = version == 2110 ? 11 : version == 604 ? 14 : version == 806 ? 19 : 20;
    const int line_6 = version == 2110 ? 6 : version == 1307 ? 9 : 7;
    return "   21990   1   1  13" + repeat("   0", 15) + "\n" + repeat("   0", line_2) + "\n" + repeat("   0.000", 10) + "\n"
        + repeat("   0.000", 10) + "\n" + repeat("   0.000", 10) + "\n" + repeat("     0.0", line_6) + "\n\n";
}

std::string subarea_file(int version)
{
    const bool newer = version == 806 || version == 1307;
    const std::string zeros_10 = repeat("    0.00", 10) + "\n";
    std::string block = version == 2110 ? "   5 subarea #5\n0005    5" + repeat("    0", 7) + "\n"
                                        : "       5               5 subarea #5\n0005    5" + repeat("    0", 10) + "\n";
    block += repeat("    0.00", newer ? 8 : 4) + "\n";
    block += "    2.50" + repeat("    0.00", version == 2110 ? 8 : 9) + "\n" + zeros_10 + zeros_10;
    block += version == 2110 ? "    0.00       0   0.000\n" : "    0.00       0   0.000  0.0000  0.0000    0.00\n";
    block += "  00" + repeat("   0", 10) + "\n" + zeros_10;
    block += repeat("    0.00", version == 2110 ? 8 : version == 604 ? 9 : 10) + "\n";
    block += repeat("   0", 10) + "\n" + zeros_10;
    return block + repeat("\n", 10);
}

std::string schedule_file(int version)
{
    const bool three_digit = version == 806 || version == 1307;
    const std::string parameters = repeat("    0.00", 5) + "\n";
    return std::string("1\n  28   0\n") + (three_digit ? "  1  4 15" : " 1 415") + "   31    0    2    0  1800.0    75.0"
        + parameters + (three_digit ? "  1  5  1" : " 1 5 1") + "   40    0    0    3     0.0   100.0" + parameters + "\n";
}

std::string soil_file()
{
    std::string soil = "TEST SOIL\n" + repeat("    0.00", 10) + "\n" + repeat("    0.00", 9) + "\n";
    soil += "   0.150   0.600" + repeat("   0.000", 8) + "\n";
    for (int column = 1; column < 42; ++column) {
        const char* value = column == 1 ? "    1.30" : column == 2 ? "    0.10" : column == 3 ? "    0.30" : "   40.00";
        soil += repeat(value, 2) + repeat("    0.00", 8) + "\n";
    }
    return soil;
}

std::string print_file(int version, std::initializer_list<int> switches)
{
    const bool newer = version == 806 || version == 1307;
    int on[30] = {};
    for (const int k : switches)
        on[k] = 1;
    std::string text = std::string("   4  12\n") + (newer ? "\n\n\n\n\n" : "\n\n\n");
    text += version == 1307 ? "   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15  18\n"
                            : "   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15\n";
    text += "   4  13  14  15  27  37  38  39  48  49  72  80  82  83  84      37  41  42  43\n"
            "  37  41  42  43  44  45  46  47  48  50  51  52  53  54  55  56  57  58  61  62\n"
            "  75  11  13  14  15  16  17   4  77  25  29  78  18  49  64  65  66  67  68  69\n"
            "  70 141 150\n";
    for (int k = 0; k < 30; ++k)
        text += std::string(on[k] ? "   1" : "   0") + (k == 19 || k == 29 ? "\n" : "");
    if (newer && on[29])
        text += std::string(39, ' ') + "1";
    return text + repeat("\n", 17);
}

std::string tillage_line(int number, const char* name, int code)
{
    std::string line = "   " + std::to_string(number) + " " + name;
    return line + std::string(195 - line.size(), ' ') + "   " + std::to_string(code) + ".000\n";
}

} // namespace

std::string repeat(const std::string& text, int count)
{
    std::string result;
    for (int i = 0; i < count; ++i)
        result += text;
    return result;
}

void write_stand_in_inputs(const temp_dir& dir, int version, std::initializer_list<int> switches)
{
    put(dir, "vornfile.dat", model_file_list(version));
    put(dir, "vornrun.dat", run_file(version));
    put(dir, "ivsublist.dat", " 1    ivsub.dat\n");
    put(dir, "ivsitels.dat", " 1    ivsite.dat\n");
    put(dir, "ivwthlst.dat", " 1    ivweath.dat\n");
    put(dir, "ivwindls.dat", " 1    ivwind.dat\n");
    for (const char* name : {"ivsite.dat", "ivweath.dat", "ivwind.dat", "ivParm.dat", "ivherd.dat", "ivwdaily.dat", "ivpso.dat", "ivrfdt.dat"})
        put(dir, name, "0\n");
    put(dir, "vorncont.dat", control_file(version));
    put(dir, "ivsub.dat", subarea_file(version));
    put(dir, "ivOpList.dat", "    1     0005.ops 0005\n");
    put(dir, "ivSlList.dat", "    1     0005.sol 0005\r\n");
    put(dir, "0005.ops", schedule_file(version));
    put(dir, "0005.sol", soil_file());
    put(dir, "ivPrnt.dat", print_file(version, switches));
    put(dir, "ivCrop.dat", "header 1\nheader 2\n    2 CORN\n");
    put(dir, "ivTill.dat", "header 1\nheader 2\n" + tillage_line(31, "PLANT", 5) + tillage_line(40, "SPRAY", 7));
    put(dir, "ivpest.dat", "    3 ATRAZINE        \n");
}

stand_in_run run_stand_in(const std::string& executable, const temp_dir& dir, const char* failure,
                          std::vector<std::string> arguments)
{
    if (failure)
        ::setenv("IVORN_STAND_IN_FAILURE", failure, 1);
    posix_model_launcher launcher;
    stand_in_run run;
    run.result = launcher.run({executable, std::move(arguments), dir.path().string(), dir.file("iv.con"), false});
    ::unsetenv("IVORN_STAND_IN_FAILURE");
    run.console = read_file(dir.file("iv.con"));
    return run;
}

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; start = end + 1, end = text.find('\n', start))
        lines.push_back(text.substr(start, end - start));
    return lines;
}

} // namespace ivorn::testing
