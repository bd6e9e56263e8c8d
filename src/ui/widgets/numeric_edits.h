// The typed text fields of the form view and of every editing dialog: a line edit (or, for
// display only, a label) that converts between its text and a number only when asked. Typing is
// never filtered; a text that does not scan reads as 0.
#pragma once

#include <QLabel>
#include <QLineEdit>

namespace ivorn {

// What the edits share: the text to scan is cut to its first 24 characters.
constexpr int numeric_edit_scan_width = 24;

class integer_edit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    void set_value(int value);
    int get_value();
    int value() const { return value_; }

private:
    int value_ = 0;
};

class long_integer_edit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    void set_value(long value);
    long get_value();
    long value() const { return value_; }

private:
    long value_ = 0;
};

class float_edit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    // Decimals -1 shows the value as "%g".
    void set_value(float value, int decimals = -1);
    float get_value();
    float value() const { return value_; }

private:
    float value_ = 0.0f;
};

class double_edit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    virtual void set_value(double value, int decimals = -1);
    virtual double get_value();
    double value() const { return value_; }

private:
    double value_ = 0.0;
};

class double_static : public QLabel {
public:
    using QLabel::QLabel;
    void set_value(double value);
};

// The conversions behind the edits, usable without a widget.
QString format_integer(long value);
QString format_real(double value, int decimals);
// The scans: the text's first 24 characters; 0 when they do not start with a number. A number
// beyond the type's range does not scan either, rather than wrapping into another value.
int scan_integer(const QString& text);
long scan_long(const QString& text);
float scan_float(const QString& text);
double scan_double(const QString& text);

} // namespace ivorn
