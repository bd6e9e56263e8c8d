// dialog_list_soils ("Soils"): the soil list, one line "%s - %ld" (name, number) per soil in list
// order, with a count line; Select returns the chosen soil's number, Edit opens the soil dialog
// on it and stores it in one transaction.
#pragma once

#include <QDialog>

#include <cstdint>
#include <vector>

class QLabel;
class QListWidget;

namespace ivorn {

class database;
class list_field_help;
class vorn_soil;
class vorn_soil_list;

class dialog_list_soils : public QDialog {
    Q_OBJECT
public:
    // `with_select`: a Select button that closes the dialog with the chosen soil.
    dialog_list_soils(QWidget* parent, vorn_soil_list& soils, database& db, const list_field_help& help,
                      bool with_select, std::int32_t current = 0);

    // False when no line is chosen.
    bool chosen(std::int32_t& number) const;
    // Edit on the chosen line; false on Cancel or a failure (shown).
    bool edit_chosen();
    // The soils Edit stored while the dialog was open.
    const std::vector<const vorn_soil*>& edited() const { return edited_; }
    QListWidget* soils() const { return list_; }

private:
    vorn_soil* chosen_soil() const;

    vorn_soil_list& soils_;
    database& db_;
    const list_field_help& help_;
    QListWidget* list_ = nullptr;
    std::vector<const vorn_soil*> edited_;
};

// Without a soil list (the "Prebuild soil list" setting was off at open) there is nothing to
// choose from: shows "Prebuild soil list must be checked and i_vorn restarted for Select to
// work" and returns false.
bool soil_list_available(QWidget* parent, const vorn_soil_list* soils);

} // namespace ivorn
