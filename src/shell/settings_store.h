// The port through which settings are read and written: a QSettings adapter in the apps, an
// in-memory store in tests.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace ivorn {

class settings_store {
public:
    virtual ~settings_store() = default;
    virtual std::string read_string(const std::string& section, const std::string& key, const std::string& fallback) = 0;
    virtual long long read_integer(const std::string& section, const std::string& key, long long fallback) = 0;
    virtual void write_string(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual void write_integer(const std::string& section, const std::string& key, long long value) = 0;
    // Every stored "section/key" with its value as text, sorted.
    virtual std::vector<std::pair<std::string, std::string>> all() = 0;
};

class memory_settings_store : public settings_store {
public:
    std::string read_string(const std::string& section, const std::string& key, const std::string& fallback) override;
    long long read_integer(const std::string& section, const std::string& key, long long fallback) override;
    void write_string(const std::string& section, const std::string& key, const std::string& value) override;
    void write_integer(const std::string& section, const std::string& key, long long value) override;
    std::vector<std::pair<std::string, std::string>> all() override;

    // Keys in the order they were written, for checking the write order.
    std::vector<std::string> write_order;

private:
    std::map<std::string, std::string> values_;
};

} // namespace ivorn
