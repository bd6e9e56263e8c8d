// The model's crop file: two header lines, then one 458-character line per crop until a short
// line. The import reads it whole; the run writes it back with the same header.
#include "core/field_readers.h"
#include "core/line_reader.h"
#include "core/text_utils.h"
#include "reference/vorn_crop.h"

namespace ivorn {

const char* const crop_file_header =
    "   CROP        1       2       3       4       5       6       7       8       9      10      11      12      13"
    "      14      15      16      17      18      19      20      21      22      23      24      25      26      27"
    "      28      29      30      31      32      33      34      35      36      37      38      39      40      41"
    "      42      43      44      45      46      47      48      49      50      51      52      53      54      55"
    "      56\n"
    "   #  NAME    WA      HI     TOP     TBS    DMLA    DLAI   DLAP1   DLAP2    RLAD    RBMD     ALT     GSI     CAF"
    "     SDW     HMX    RDMX    WAC2     CNY     CPY     CKY    WSYF     PST    COSD    PRYG    PRYF     WCY     BN1"
    "     BN2     BN3     BP1     BP2     BP3     BK1     BK2     BK3     BW1     BW2     BW3     IDC   FRST1   FRST2"
    "    WAVP    VPTH    VPD2   RWPC1   RWPC2    GMHU   PPLP1   PPLP2    STX1    STX2    BLG1    BLG2     WUB     FTO"
    "     FLT\n";

bool read_crop_file(vorn_production_supply_list& crops, const std::string& file_name, std::string& log)
{
    line_reader in;
    if (!in.open_or_log(file_name, "crop", log))
        return false;
    std::string line;
    in.next_line(line);
    in.next_line(line);
    int count = 0;
    while (in.next_line(line) && counted_length(line) >= 3) {
        auto crop = std::make_unique<vorn_crop>();
        field_overflow overflow;
        crop->read_line(without_line_end(line), &overflow);
        if (overflow.found()) {
            log += overflow.message(file_name, in.line_number());
            return false;
        }
        crops.add(std::move(crop));
        ++count;
    }
    log += format_printf("Crop records read: %d\r\n", count);
    return true;
}

bool write_crop_file(const vorn_production_supply_list& crops, const std::string& file_name, int model_version,
                     line_end_style line_ends, bool with_header)
{
    return crops.write_file(file_name, model_version, line_ends, with_header ? crop_file_header : "");
}

} // namespace ivorn
