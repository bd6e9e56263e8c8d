// The wind direction labels and their button.
#include "widgets/wind_direction_button.h"

namespace ivorn {

std::string wind_direction_label(int index)
{
    static const char* const labels[wind_direction_count] = {
        "Average",    "North",          "North North-East", "North-East", "East North-East", "East",
        "East South-East", "South-East", "South South-East", "South",     "South South-West", "South-West",
        "West South-West", "West",       "West North-West", "North-West", "North North-West"};
    return index >= 0 && index < wind_direction_count ? labels[index] : std::string();
}

button_wind_direction::button_wind_direction(int index, QWidget* parent)
    : QPushButton(QString::fromStdString(wind_direction_label(index)), parent), index_(index)
{
    setObjectName(QStringLiteral("wind_direction_%1").arg(index));
    // The row's editors follow the button in the focus chain, so the next widget is its first month.
    connect(this, &QPushButton::clicked, this, [this] {
        if (QWidget* next = nextInFocusChain())
            next->setFocus(Qt::TabFocusReason);
    });
}

} // namespace ivorn
