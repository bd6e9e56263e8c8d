// The crop list in the "Crops" table: loaded in table order, saved as upserts keyed on ID.
#include "reference/reference_store.h"
#include "reference/reference_tables.h"
#include "reference/vorn_crop.h"

namespace ivorn {

bool load_crops(database& db, vorn_production_supply_list& crops, std::string& log)
{
    return load_bound_rows<vorn_crop>(db, crops_table(),
                                      [&](std::unique_ptr<vorn_crop> crop) { crops.add(std::move(crop)); }, log);
}

bool save_crops(database& db, const vorn_production_supply_list& crops, std::string& log)
{
    return upsert_all_rows<vorn_crop>(db, crops_table(), crops, log);
}

bool save_crop(database& db, vorn_crop& crop, std::string& log)
{
    return upsert_bound_row(db, crops_table(), crop, log);
}

bool delete_crop(database& db, vorn_production_supply_list& crops, vorn_crop* crop, std::string& log)
{
    if (!crop)
        return false;
    const bool deleted = delete_row_by_id(db, crops_table(), crop->number, log);
    crops.remove(crop);
    return deleted;
}

} // namespace ivorn
