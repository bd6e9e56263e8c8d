// QSettings behind the settings port.
#include "qt_adapters/qsettings_store.h"

#include <QSettings>
#include <QString>

namespace ivorn {
namespace {

QString key_of(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section + "/" + key);
}

} // namespace

qsettings_store::qsettings_store(const std::string& ini_path)
{
    if (ini_path.empty())
        settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Vantrel", "i_VORN");
    else
        settings_ = std::make_unique<QSettings>(QString::fromStdString(ini_path), QSettings::IniFormat);
}

qsettings_store::~qsettings_store() = default;

std::string qsettings_store::read_string(const std::string& section, const std::string& key, const std::string& fallback)
{
    return settings_->value(key_of(section, key), QString::fromStdString(fallback)).toString().toStdString();
}

long long qsettings_store::read_integer(const std::string& section, const std::string& key, long long fallback)
{
    bool ok = false;
    const long long value = settings_->value(key_of(section, key), fallback).toLongLong(&ok);
    return ok ? value : fallback;
}

void qsettings_store::write_string(const std::string& section, const std::string& key, const std::string& value)
{
    settings_->setValue(key_of(section, key), QString::fromStdString(value));
}

void qsettings_store::write_integer(const std::string& section, const std::string& key, long long value)
{
    settings_->setValue(key_of(section, key), value);
}

std::vector<std::pair<std::string, std::string>> qsettings_store::all()
{
    std::vector<std::pair<std::string, std::string>> result;
    for (const QString& key : settings_->allKeys())
        result.emplace_back(key.toStdString(), settings_->value(key).toString().toStdString());
    return result;
}

bool qsettings_store::sync(std::string& error)
{
    settings_->sync();
    const auto status = settings_->status();
    if (status == QSettings::NoError)
        return true;
    error += "Unable to write the settings to " + settings_->fileName().toStdString()
             + (status == QSettings::AccessError ? ": the file cannot be written.\n" : ": the file is not a settings file.\n");
    return false;
}

} // namespace ivorn
