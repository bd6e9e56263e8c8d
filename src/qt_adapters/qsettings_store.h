// The settings store of both apps: QSettings under organization "Vantrel", application "i_VORN"
// (the registry on Windows, an INI file elsewhere), or an explicit INI file.
#pragma once

#include <memory>

#include "shell/settings_store.h"

class QSettings;

namespace ivorn {

class qsettings_store : public settings_store {
public:
    // An empty path means the user's own settings.
    explicit qsettings_store(const std::string& ini_path = {});
    ~qsettings_store() override;

    std::string read_string(const std::string& section, const std::string& key, const std::string& fallback) override;
    long long read_integer(const std::string& section, const std::string& key, long long fallback) override;
    void write_string(const std::string& section, const std::string& key, const std::string& value) override;
    void write_integer(const std::string& section, const std::string& key, long long value) override;
    std::vector<std::pair<std::string, std::string>> all() override;
    // False, with the reason in `error`, when the settings could not be written.
    bool sync(std::string& error);

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace ivorn
