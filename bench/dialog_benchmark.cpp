// How long the editing dialogs take to open, offscreen, on a project database (the demo's): made,
// shown and painted, the median of five openings each; then the crop list with 10 000 crops.
// i_vorn_dialog_benchmark SETTINGS.ini DATABASE; run with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/app_i_vorn.h"
#include "app/main_window.h"
#include "dialogs/reference_list_dialog.h"
#include "dialogs/soil_dialog.h"
#include "dialogs/soil_list_dialog.h"
#include "dialogs/weather_station_list_dialog.h"
#include "reference/vorn_crop.h"
#include "sheets/property_sheet.h"
#include "sheets/record_sheets.h"
#include "sheets/reference_sheets.h"
#include "sheets/soil_sheets.h"
#include "sheets/weather_sheet.h"
#include "shell/doc_i_vorn.h"
#include "site/control_record.h"

namespace {

// Median milliseconds of five openings: made, shown, painted, closed.
void time_opening(const char* name, const std::function<std::unique_ptr<QWidget>()>& make)
{
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<QWidget> dialog = make();
        dialog->show();
        dialog->repaint();
        QCoreApplication::processEvents();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        dialog->hide();
    }
    std::sort(times.begin(), times.end());
    std::printf("%-28s %8.1f ms\n", name, times[2]);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: i_vorn_dialog_benchmark SETTINGS.ini DATABASE\n");
        return 2;
    }
    ivorn::app_i_vorn app(argv[1]);
    ivorn::main_window window(app);
    if (!window.open_database(QString::fromLocal8Bit(argv[2])))
        return 1;
    ivorn::doc_i_vorn& doc = window.document();
    ivorn::control_record* record = doc.current_record();
    if (!record || !doc.db())
        return 1;
    const ivorn::list_field_help& help = doc.field_help();
    ivorn::database& db = *doc.db();
    auto sheet = [&](const ivorn::sheet_description& description, std::function<ivorn::binding_list()> bindings) {
        return [&description, bindings, &window, &help] {
            return std::unique_ptr<QWidget>(new ivorn::property_sheet(&window, description, bindings(), help));
        };
    };
    time_opening("Run Header", sheet(ivorn::run_header_sheet(), [&] { return record->bindings(); }));
    time_opening("Parameters", sheet(ivorn::parameter_sheet(), [&] { return record->parameters.bindings(); }));
    time_opening("Weather", sheet(ivorn::weather_sheet(),
                                  [&] { return ivorn::weather_sheet_bindings(record->weather_station); }));
    time_opening("Weather Stations", [&] {
        std::string log;
        return std::make_unique<ivorn::dialog_weather_station_list>(&window, db, record->weather_station_id, help, log);
    });
    const std::tuple<ivorn::reference_kind, ivorn::vorn_production_supply_list*, const char*> lists[] = {
        {ivorn::reference_kind::crops, doc.crops(), "Crops"},
        {ivorn::reference_kind::fertilizers, doc.fertilizers(), "Fertilizers"},
        {ivorn::reference_kind::pesticides, doc.pesticides(), "Pesticides"}};
    for (const auto& [kind, list, name] : lists) {
        if (!list || !list->first())
            continue;
        time_opening(name, [&, kind = kind, list = list] {
            return std::make_unique<ivorn::dialog_reference_list>(&window, kind, db, *list, help);
        });
        const ivorn::reference_list_kind& described = ivorn::reference_list_of(kind);
        time_opening((std::string(name) + " sheet").c_str(),
                     sheet(described.sheet(), [&described, list = list] {
                         ivorn::binding_list bindings;
                         described.bindings(*list->first(), bindings);
                         return bindings;
                     }));
    }
    if (ivorn::vorn_soil_list* soils = doc.soils(); soils && soils->first()) {
        time_opening("Soils", [&] { return std::make_unique<ivorn::dialog_list_soils>(&window, *soils, db, help, true); });
        time_opening("Soil", [&] { return std::make_unique<ivorn::dialog_soil>(&window, *soils->first(), help); });
        time_opening("Soil Layer", sheet(ivorn::soil_layer_sheet(), [&] { return soils->first()->layer_bindings(0); }));
    }

    ivorn::vorn_production_supply_list many;
    for (int number = 1; number <= 10000; ++number) {
        auto crop = std::make_unique<ivorn::vorn_crop>();
        crop->number = number;
        crop->name = "C" + std::to_string(number);
        many.add(std::move(crop));
    }
    time_opening("Crops (10 000)", [&] {
        return std::make_unique<ivorn::dialog_reference_list>(&window, ivorn::reference_kind::crops, db, many, help);
    });
    return 0;
}
