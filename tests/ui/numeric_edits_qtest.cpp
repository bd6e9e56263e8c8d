// The typed text fields: their display formats and their scans, case by case.
#include <QtTest>

#include "ui/widget_tests.h"
#include "widgets/numeric_edits.h"

namespace ivorn::testing {
namespace {

class numeric_edit_tests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void float_edit_shows_g_or_fixed_decimals()
    {
        float_edit edit;
        edit.set_value(0.1f, -1);
        QCOMPARE(edit.text(), QStringLiteral("0.1"));
        edit.set_value(0.1f, 3);
        QCOMPARE(edit.text(), QStringLiteral("0.100"));
        edit.set_value(1234567.0f, -1);
        QCOMPARE(edit.text(), QStringLiteral("1.23457e+06"));
        double_edit wide;
        wide.set_value(2.5, 2);
        QCOMPARE(wide.text(), QStringLiteral("2.50"));
        double_static label;
        label.set_value(0.000125);
        QCOMPARE(label.text(), QStringLiteral("0.000125"));
    }

    void scans_take_the_leading_number_of_the_first_24_characters()
    {
        struct scan_case {
            const char* name;
            const char* text;
            double expected_real;
            long expected_integer;
        };
        const scan_case cases[] = {
            {"empty", "", 0.0, 0},
            {"letters", "abc", 0.0, 0},
            {"number then letters", "12abc", 12.0, 12},
            {"blanks then sign", "  -7", -7.0, -7},
            {"decimal", "3.75", 3.75, 3},
            {"exponent", "1e3", 1000.0, 1},
            // 24 characters of zeros, then a 5 that is cut away.
            {"cut at 24", "0000000000000000000000005", 0.0, 0},
            {"30 characters", "123456789012345678901234567890", 123456789012345678901234.0, 0},
        };
        for (const scan_case& c : cases) {
            const QString text = QString::fromLatin1(c.text);
            QVERIFY2(scan_double(text) == c.expected_real, c.name);
            QVERIFY2(qFuzzyCompare(1.0f + scan_float(text), 1.0f + static_cast<float>(c.expected_real)), c.name);
            QVERIFY2(scan_long(text) == c.expected_integer, c.name);
        }
    }

    void integer_edits_read_back_what_they_show_and_zero_for_no_number()
    {
        integer_edit number;
        QCOMPARE(number.value(), 0);
        number.set_value(-42);
        QCOMPARE(number.text(), QStringLiteral("-42"));
        QCOMPARE(number.get_value(), -42);
        number.setText(QStringLiteral("x1"));
        QCOMPARE(number.get_value(), 0);
        // A number beyond 32 bits is no value for the field rather than another number.
        number.setText(QStringLiteral("4294967297"));
        QCOMPARE(number.get_value(), 0);
        long_integer_edit big;
        big.set_value(2147483647L);
        QCOMPARE(big.text(), QStringLiteral("2147483647"));
        QCOMPARE(big.get_value(), 2147483647L);
        float_edit real;
        real.setText(QStringLiteral("12abc"));
        QCOMPARE(real.get_value(), 12.0f);
    }
};

} // namespace

QObject* make_numeric_edit_tests() { return new numeric_edit_tests; }

} // namespace ivorn::testing

#include "numeric_edits_qtest.moc"
