// The generated reports follow the layouts the loaders read, column for column; the values are
// made up but vary with subarea, year and month so that nothing is constant.
#include "report_generator.h"

#include <cstdio>
#include <string>
#include <vector>

namespace ivorn::bench {
namespace {

const char* const table_variables[] = {"PRCP", " TMX", "   Q", " PRK", "  YP", " SSF", "RSSF", "  YN",
                                       "  QN", "SSFN", "PRKN", " GMN", "  DN", "DPRK", "NFIX", "  ET",
                                       "  QP", "AVOL", "NITR", "MUSL", "FNMN", "FNMA", " FNO", " RSD"};
const char* const hui_variables[] = {" HUI", "SW10", "RZSW", "GRZD", " HAY", " FPO", " FPL", " MNP"};
const char* const watershed_names[] = {" PRCP", "  QSS", "  QSW", "  QTS", "  QTW", "   YS", "   YW", "  YNS", "  YNW",
                                       "  YPS", "  YPW", "  QNS", "  QNW", "  QPS", "  QPW", " YMUS", " YMUW"};
const char* const monthly_names[] = {"PRCP", "ET", "Q", "SSF", "PRK", "IRGA", "FNO", "FNMA", "FPO", "FPL", "RSSF",
                                     "RSDC", "UNM", "UPM", "STDO", "RSD"};

class text_file {
public:
    explicit text_file(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}
    ~text_file()
    {
        if (file_)
            std::fclose(file_);
    }
    bool ok() const { return file_ != nullptr; }
    void line(const std::string& text)
    {
        std::fputs(text.c_str(), file_);
        std::fputc('\n', file_);
    }
    bool close()
    {
        const bool good = file_ && std::fclose(file_) == 0;
        file_ = nullptr;
        return good;
    }

private:
    std::FILE* file_;
};

std::string printf_text(const char* format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// A monthly-table line in 9-character columns with the name again at column 125.
std::string narrow_line(const char* name, double base)
{
    std::string line = std::string(" ") + name;
    for (int m = 0; m < 12; ++m)
        line += printf_text("%9.2f", base / 12.0 + m * 0.01);
    return line + printf_text("%9.2f", base) + "  " + name;
}

void write_header(text_file& out, const report_size& size)
{
    out.line("                     GENERAL INFORMATION");
    out.line("                     GENERAL INFORMATION");
    out.line(" GENERATED REPORT");
    out.line(" SIMULATION DURATION = " + std::to_string(size.years) + " Y");
    out.line(" BEGINNING DATE = " + std::to_string(size.first_year) + "  1  1");
    out.line("----");
    std::string operation(100, ' ');
    operation.replace(20, 3, " 5 ");
    operation.replace(96, 4, "  75");
    for (int s = 0; s < size.subareas; ++s) {
        out.line("      Y M D  OP  CROP   FOR SUBAREA " + std::to_string(s + 1) + "     ");
        out.line(operation);
        out.line("   PLANT CORN");
        out.line("1");
    }
    out.line("                 SUBAREA HYDROLOGY");
    out.line("        SA       WSA");
    for (int s = 0; s < size.subareas; ++s)
        out.line(printf_text("%8.0f", s + 1) + "   " + std::to_string(100 + s) + "    " + printf_text("%6.2f", 1.0 + s));
}

void write_subarea_year(text_file& out, int s, int y)
{
    out.line("1 SUBAREA " + std::to_string(s + 1) + " YEAR " + std::to_string(y + 1));
    int i = 0;
    for (const char* name : table_variables)
        out.line(narrow_line(name, 10.0 + i++ + s * 0.1 + y * 0.01));
    out.line("1");
    for (int k = 0; k < 4; ++k)
        out.line(" ----");
    out.line("   1  10.0  20.0   0.33   0.15  30.0  40.0  50.0   1.45");
    for (const char* name : hui_variables)
        out.line(narrow_line(name, 1.0 + i++));
    out.line(" ----");
    out.line("  CORN YLD=" + printf_text("%6.2f", 5.0 + y * 0.01)
             + "/  0.00T/HA  BIOM= 12.00T/HA  WUEF=  9.12T/MM  YLN= 40.50KG/HA  YLP= 10.00");
    out.line(" ----");
    out.line("  CORN STRESS (D) WS 1.50 N STRESS 0.90 P STRESS 0.20 T STRESS 2.00");
    out.line("");
}

void write_watershed_year(text_file& out, int y)
{
    out.line(" ANNUAL WATERSHED TABLE");
    int j = 0;
    for (const char* name : watershed_names) {
        std::string line = name;
        for (int m = 0; m < 12; ++m)
            line += printf_text("%9.2f", y * 10.0 + j + m * 0.01);
        out.line(line);
        ++j;
    }
}

bool write_main_report(const std::string& path, const report_size& size)
{
    text_file out(path);
    if (!out.ok())
        return false;
    write_header(out, size);
    for (int y = 0; y < size.years; ++y) {
        for (int s = 0; s < size.subareas; ++s)
            write_subarea_year(out, s, y);
        write_watershed_year(out, y);
    }
    for (int s = 0; s < size.subareas; ++s) {
        out.line("   NO     (M)  Z");
        out.line(" ----");
        out.line("  1  1.50  x  0.30  0.15  x  x  x  1.40  x  40.0  x  20.0");
        out.line("   NO  PH");
        out.line(" ----");
        out.line("  1  x  6.5");
    }
    out.line("          TOTAL RUN TIME =  1.0 SEC");
    return out.close();
}

bool write_monthly_subarea_file(const std::string& path, const report_size& size)
{
    text_file out(path);
    if (!out.ok())
        return false;
    for (int k = 0; k < 9; ++k)
        out.line("MONTHLY SUBAREA FILE HEADING");
    char buffer[512];
    for (int y = 0; y < size.years; ++y) {
        for (int s = 0; s < size.subareas; ++s) {
            int i = 0;
            for (const char* name : monthly_names) {
                int n = std::snprintf(buffer, sizeof buffer, "%5d%4d%5s%4d %4s", s + 1, 100 + s, "", y + 1, name);
                for (int m = 0; m < 12; ++m)
                    n += std::snprintf(buffer + n, sizeof buffer - static_cast<size_t>(n), "%9.2f", i * 10.0 + m + s * 0.01);
                out.line(buffer);
                ++i;
            }
            out.line("");
        }
    }
    return out.close();
}

bool write_daily_swat_file(const std::string& path, const report_size& size)
{
    text_file out(path);
    if (!out.ok())
        return false;
    for (int k = 0; k < 7; ++k)
        out.line("DAILY SWAT FILE HEADING");
    std::string names(113, ' ');
    char name[64];
    for (int k = 0; k < size.pesticides; ++k) {
        std::snprintf(name, sizeof name, "%18s%04d%12s", "PEST", k + 1, "");
        names += name;
    }
    out.line(names);
    out.line("");
    out.line("");
    char buffer[2048];
    for (int y = 0; y < size.years; ++y) {
        for (int day = 1; day <= 365; ++day) {
            int n = std::snprintf(buffer, sizeof buffer, "%5d%5d ", day, size.first_year + y);
            for (int v = 0; v < 6; ++v)
                n += std::snprintf(buffer + n, sizeof buffer - static_cast<size_t>(n), "%17.4f", 1.0 + v + day * 0.001);
            for (int k = 0; k < size.pesticides; ++k)
                n += std::snprintf(buffer + n, sizeof buffer - static_cast<size_t>(n), "%17.4f%17.4f", 0.5 + k, 0.25 + k);
            out.line(buffer);
        }
    }
    return out.close();
}

bool write_variable_list(const std::string& path)
{
    text_file out(path);
    if (!out.ok())
        return false;
    out.line("   1");
    // Switches 0 (.OUT), 4 (.SWT) and 6 (.MSA).
    out.line("1 0 0 0 1 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ");
    out.line("1,1,PRCP,,in,Precipitation");
    out.line("2,2,TMX,,Degrees F,Maximum temperature");
    out.line("2,3,ET,,in,Evapotranspiration");
    return out.close();
}

} // namespace

bool generate_reports(const std::string& directory, const report_size& size)
{
    return write_main_report(directory + "/vorn.OUT", size) && write_monthly_subarea_file(directory + "/vorn.MSA", size)
           && write_daily_swat_file(directory + "/vorn.SWT", size)
           && write_variable_list(directory + "/output variables.csv");
}

} // namespace ivorn::bench
