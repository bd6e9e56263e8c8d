// view_control_record: the current control record's identification fields, its weather station,
// its subareas and the buttons to its editing dialogs. Fills itself from the record and writes
// the edited fields back when the document asks, before any move, run or close.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ivorn {

class doc_i_vorn;
class integer_edit;
class long_integer_edit;

class view_control_record : public QWidget {
    Q_OBJECT
public:
    view_control_record(doc_i_vorn& doc, QWidget* parent = nullptr);

    // The current record's values into the fields ("No records in file" without one).
    void show_record_values();
    // The edited fields into the record; nothing when there is no current record or nothing
    // was edited since the record was shown.
    void store_form_values();
    bool edited() const { return edited_; }

    // The erosion equation choices in index order.
    static const char* const erosion_equations[6];

    long_integer_edit* id = nullptr;
    QLineEdit* description = nullptr;
    integer_edit* state_fips = nullptr;
    integer_edit* county_fips = nullptr;
    QLineEdit* mlra = nullptr;
    long_integer_edit* nri_pointer = nullptr;
    long_integer_edit* huc = nullptr;
    QLineEdit* psu = nullptr;
    integer_edit* point = nullptr;
    integer_edit* run_attribute[3] = {};
    QComboBox* erosion_equation = nullptr;
    QLineEdit* weather_station = nullptr;
    QListWidget* subareas = nullptr;
    QLabel* position = nullptr;
    QPushButton* select_button = nullptr;
    QPushButton* edit_button = nullptr;
    QPushButton* run_header_button = nullptr;
    QPushButton* parameters_button = nullptr;

Q_SIGNALS:
    // Select: the weather station choice, which the main window owns.
    void select_weather_station();
    // A field was changed by the user: the record is now modified.
    void record_modified();

private:
    void build_fields();
    void connect_edits();
    void mark_edited();
    void set_identification_enabled(bool enabled);

    doc_i_vorn& doc_;
    bool edited_ = false;
    // Set while the form fills itself, so that filling is never taken for an edit.
    bool filling_ = false;
    QList<QWidget*> identification_;
};

} // namespace ivorn
