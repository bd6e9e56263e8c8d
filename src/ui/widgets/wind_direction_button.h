// button_wind_direction: a button naming one wind direction by its index, 0 "Average" and 1 to
// 16 the directions from "North" clockwise. On the wind page it heads its direction's row of
// months; pressing it puts the focus on that row's first month.
#pragma once

#include <QPushButton>

#include <string>

namespace ivorn {

constexpr int wind_direction_count = 17;

// "Average", "North", ..., "North North-West"; empty outside 0 to 16.
std::string wind_direction_label(int index);

class button_wind_direction : public QPushButton {
public:
    button_wind_direction(int index, QWidget* parent = nullptr);
    int index() const { return index_; }

private:
    int index_;
};

} // namespace ivorn
