// Shared arithmetic of the user-interface port.
#include "shell/user_interface.h"

namespace ivorn {

int progress_percentage(int lower, int upper, int position)
{
    if (position <= lower)
        return 0;
    if (position > upper || upper <= lower)
        return 100;
    const long long done = static_cast<long long>(position) - lower;
    return static_cast<int>(done * 100 / (static_cast<long long>(upper) - lower));
}

} // namespace ivorn
