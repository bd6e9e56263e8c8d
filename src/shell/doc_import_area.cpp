// The document's area-study imports: soils, weather stations, wind data and weather links, each
// framed by storing the current record before and bringing it up to date after.
#include "shell/doc_i_vorn.h"
#include "shell/import_area.h"
#include "site/soil_tables.h"

namespace ivorn {

bool doc_i_vorn::store_before_import()
{
    if (!db_)
        return false;
    std::string log;
    ui_.store_form_values();
    if (store_before_leaving(log))
        return true;
    show_log(log);
    return false;
}

// The stations changed under the current record, which holds a copy of its own.
void doc_i_vorn::reload_current_station(std::string& log)
{
    if (!record_ || !has_current_)
        return;
    record_->load_weather_station(*db_, log);
}

bool doc_i_vorn::import_soil(const std::string& path)
{
    if (!store_before_import())
        return false;
    std::string log;
    const bool ok = import_soil_file(*db_, path, ui_, log);
    if (ok && soil_list_built_) {
        std::string list_log;
        soil_list_built_ = load_soil_list(list_log);
        show_log(list_log);
    }
    return ok;
}

bool doc_i_vorn::import_weather(const std::string& path)
{
    if (!store_before_import())
        return false;
    std::string log;
    return import_weather_file(*db_, path, ui_, log, [this](std::string& after) { reload_current_station(after); });
}

bool doc_i_vorn::import_wind(const std::string& path)
{
    if (!store_before_import())
        return false;
    std::string log;
    return import_wind_file(*db_, path, ui_, log, [this](std::string& after) { reload_current_station(after); });
}

bool doc_i_vorn::import_weather_links(const std::string& path)
{
    if (!store_before_import())
        return false;
    std::string log;
    // The links changed the current record's row: it is loaded again before the views show it.
    return ivorn::import_weather_links(*db_, path, ui_, log, [this](std::string& after) {
        if (has_current_)
            make_current(current_id_, after);
    });
}

} // namespace ivorn
