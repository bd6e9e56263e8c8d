// The operation list: the model's tillage file read and written by model version, and the
// "Operations" table loaded in table order and saved as upserts keyed on ID.
#include "core/field_readers.h"
#include "core/line_reader.h"
#include "reference/reference_store.h"
#include "reference/reference_tables.h"
#include "reference/vorn_operation.h"

namespace ivorn {

std::string tillage_file_header(int model_version)
{
    std::string header =
        "  |-----TILL------|     1       2       3       4       5       6       7       8       9      10      11      12"
        "      13      14      15      16      17      18      19      20      21      22      23      24      25      26"
        "      27      28      29\n"
        "   #  NAME     PCD    PRIC    PLST    HRY     HRL     PWR     WDT     SPD     RC1     RC2     XLB     FCM     VR1"
        "     VR2     EFM     RTI     EMX     RR      TLD     RHT     RIN     DKH     DKI     IHC     HE      ORHI    FRCP"
        "    FPOP    ";
    header += uses_newer_layout(model_version) ? "TCEM    STIR    EQP\n" : "COTL    EQP\n";
    return header;
}

bool operation_list_class::read_tillage_file(const std::string& file_name, int model_version, std::string& log)
{
    line_reader in;
    if (!in.open_or_log(file_name, "operations", log))
        return false;
    std::string line;
    in.next_line(line);
    in.next_line(line);
    while (in.next_line(line)) {
        auto operation = std::make_unique<vorn_operation>();
        field_overflow overflow;
        operation->read_line(without_line_end(line), model_version, &overflow);
        if (overflow.found()) {
            log += overflow.message(file_name, in.line_number());
            return false;
        }
        add(std::move(operation));
    }
    return true;
}

bool operation_list_class::write_tillage_file(const std::string& file_name, int model_version,
                                              line_end_style line_ends) const
{
    model_file_writer out;
    if (!out.open(file_name, line_ends))
        return false;
    out.write(tillage_file_header(model_version));
    for (const vorn_operation* operation : *this)
        operation->write_record(out, model_version);
    return out.close();
}

bool operation_list_class::load_operations(database& db, std::string& log)
{
    return load_bound_rows<vorn_operation>(
        db, operations_table(), [&](std::unique_ptr<vorn_operation> operation) { add(std::move(operation)); }, log);
}

bool operation_list_class::save_operations(database& db, std::string& log) const
{
    return upsert_all_rows<vorn_operation>(db, operations_table(), *this, log);
}

bool operation_list_class::save_operation(database& db, vorn_operation& operation, std::string& log)
{
    return upsert_bound_row(db, operations_table(), operation, log);
}

} // namespace ivorn
