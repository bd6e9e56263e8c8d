// The fixed names of the model's files in its working directory, and of the program's own files.
#pragma once

namespace ivorn::file_names {

inline constexpr const char* model_file_list = "vornfile.dat";
inline constexpr const char* run_file = "vornrun.dat";
inline constexpr const char* control_file = "vorncont.dat";
inline constexpr const char* visible_argument = "iv";
inline constexpr const char* console_capture = "iv.con";
inline constexpr const char* output_base = "vorn";
inline constexpr const char* hourly_precipitation = "ivrfdt.dat";
inline constexpr const char* point_source = "ivpso.dat";
inline constexpr const char* herd = "ivherd.dat";
inline constexpr const char* daily_weather_list = "ivwdaily.dat";
inline constexpr const char* weather = "ivweath.dat";
inline constexpr const char* weather_list = "ivwthlst.dat";
inline constexpr const char* wind = "ivwind.dat";
inline constexpr const char* wind_list = "ivwindls.dat";
inline constexpr const char* site = "ivsite.dat";
inline constexpr const char* site_list = "ivsitels.dat";
inline constexpr const char* subareas = "ivsub.dat";
inline constexpr const char* subarea_list = "ivsublist.dat";
inline constexpr const char* soil_list = "ivSlList.dat";
inline constexpr const char* operation_list = "ivOpList.dat";
inline constexpr const char* print = "ivPrnt.dat";
inline constexpr const char* parameters = "ivParm.dat";
inline constexpr const char* pesticides = "ivpest.dat";
inline constexpr const char* fertilizers = "ivFert.dat";
inline constexpr const char* crops = "ivCrop.dat";
inline constexpr const char* tillage = "ivTill.dat";
inline constexpr const char* project_database = "i_VORN.mdb";
inline constexpr const char* archive_directory = "input_files";

} // namespace ivorn::file_names
