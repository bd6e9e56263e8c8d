// The subarea summary file ".SUS": registers each subarea's crops for the run averages; it writes
// no table.
#include "core/text_utils.h"
#include "output/output_loaders_common.h"

namespace ivorn {

bool load_subarea_summary(vorn_output_class& out, std::string& log)
{
    loader_file file(out);
    if (!open_loader_file(out, file, ".SUS", log) || !file.skip_headings(8))
        return false;
    int skipped = 0;
    while (file.next_data()) {
        const int subarea = file.integer(9, 13);
        if (file.stopped())
            return false;
        if (!inside_crop_tables(subarea, 1)) {
            ++skipped;
            continue;
        }
        auto& crops = out.subareas[static_cast<size_t>(subarea - 1)].summary_crops;
        // One block of 160 characters per crop.
        const int blocks = static_cast<int>(file.line.size() / 160);
        for (int b = 0; b < blocks; ++b) {
            const std::string name = first_word(field_of(file.line, 18 + 160 * b, 21 + 160 * b), 4);
            summary_crop* crop = find_or_add_crop(crops, name, 5);
            if (!crop) {
                out.record_error(rotation_overflow_message, file.path);
                return false;
            }
            crop->nitrogen = 0.0f;
            crop->phosphorus = 0.0f;
        }
    }
    note_skipped_lines(log, skipped, file.path);
    return file.finish(log);
}

} // namespace ivorn
