// Loading the report files in the scratch directory into a scratch project database, as a run
// does once the model has ended.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "fuzz_files.h"
#include "output/output_loaders.h"
#include "output/output_variables.h"
#include "shell/project_database.h"
#include "store/database.h"

namespace ivorn::fuzz {

inline database& scratch_database()
{
    static const std::unique_ptr<database> db = [] {
        auto made = std::make_unique<database>();
        std::string log;
        const std::string path = scratch() + "outputs.db";
        if (!create_project_database(path, log) || !open_project_database(*made, path, log))
            std::abort();
        // Nothing here has to survive a power cut, and a sync per load would cap the fuzzing at
        // the disk's pace.
        made->execute("PRAGMA synchronous=OFF", log);
        return made;
    }();
    return *db;
}

// Every output-file switch on (or off) and three user variables selected.
inline const list_output_variable_descriptions& variables(bool all_switches)
{
    static list_output_variable_descriptions lists[2];
    static bool loaded[2] = {false, false};
    const int k = all_switches ? 1 : 0;
    if (!loaded[k]) {
        std::string switches;
        for (int s = 0; s < 30; ++s)
            switches += all_switches ? "1 " : "0 ";
        write_bytes(scratch() + "output variables.csv", "   7\n" + switches + "\n1,1,PRCP,,in,Precipitation\n"
                                                       "2,2,TMX,,Degrees F,Maximum temperature\n"
                                                       "2,3,ET,,in,Evapotranspiration\n");
        message_box_texts shown;
        lists[k].load_output_variables(scratch() + "output variables.csv", shown);
        loaded[k] = true;
    }
    return lists[k];
}

inline void load_reports(std::uint8_t choice, bool all_switches)
{
    int selection_changed = choice & 0x40 ? 1 : 0;
    run_output_request request;
    request.record_id = 1;
    request.beginning_year = 1990;
    request.working_directory = scratch();
    request.base_name = "vorn";
    request.vorn_version = version_of(choice % 6);
    request.english_convert = (choice & 0x80) != 0;
    request.selection_changed = &selection_changed;
    request.want_yearly = (choice & 0x08) != 0;
    request.want_watershed = (choice & 0x10) != 0;
    request.want_residue = (choice & 0x20) != 0;
    request.variables = &variables(all_switches);
    std::string log;
    read_run_outputs(scratch_database(), request, log);
}

} // namespace ivorn::fuzz
