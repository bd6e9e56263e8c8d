// dialog_soil ("Soil"): one soil's values and its layer list, with Insert, Delete and Edit of
// layers ("Soil Layer" sheet). The dialog works on a copy, so Cancel leaves the soil untouched,
// its layers included; OK copies everything back.
#pragma once

#include <QDialog>

#include "site/vorn_soil.h"
#include "store/field_binding.h"

class QListWidget;

namespace ivorn {

class edit_help_text;
class list_field_help;
class record_page;

class dialog_soil : public QDialog {
    Q_OBJECT
public:
    dialog_soil(QWidget* parent, vorn_soil& soil, const list_field_help& help);

    // Before the selected line (after the last when none is); false, with "Number of layers is
    // already at maximum" shown, when the soil has ten.
    bool insert_layer();
    // The selected layer; false, with "Unable to delete layer." shown, when there is none.
    bool delete_layer();
    bool edit_layer();
    void accept() override;

    QListWidget* layers() const { return layers_; }
    record_page* page() const { return page_; }
    edit_help_text* help_box() const { return help_box_; }
    const vorn_soil& working_copy() const { return working_; }

private:
    void fill_layers(int select);

    vorn_soil& soil_;
    vorn_soil working_;
    binding_list bindings_;
    const list_field_help& help_;
    record_page* page_ = nullptr;
    QListWidget* layers_ = nullptr;
    edit_help_text* help_box_ = nullptr;
};

} // namespace ivorn
