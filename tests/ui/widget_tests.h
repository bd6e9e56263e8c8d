// The widget test classes, each made by its own file.
#pragma once

#include <QList>
#include <QObject>

namespace ivorn::testing {

QObject* make_numeric_edit_tests();
QObject* make_main_window_tests();
QObject* make_configuration_tests();
QObject* make_run_tests();
QObject* make_record_sheet_tests();
QObject* make_editing_dialog_tests();
QObject* make_output_view_tests();

inline QList<QObject*> ui_test_objects()
{
    return {make_numeric_edit_tests(), make_main_window_tests(), make_configuration_tests(), make_run_tests(),
            make_record_sheet_tests(), make_editing_dialog_tests(), make_output_view_tests()};
}

} // namespace ivorn::testing
