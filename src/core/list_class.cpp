// The owning list. A vector inside keeps `at` and appends cheap; the links between members are
// kept in step so a walk by next() sees the same order.
#include "core/list_class.h"

#include <algorithm>

namespace ivorn {

bool list_member::comes_before(const list_member&) const { return true; }

list_class::list_class(list_class&& other) noexcept : members_(std::move(other.members_)) {}

list_class& list_class::operator=(list_class&& other) noexcept
{
    members_ = std::move(other.members_);
    return *this;
}

list_class::~list_class() = default;

void list_class::relink(size_t from)
{
    const size_t begin = from == 0 ? 0 : from - 1;
    for (size_t i = begin; i < members_.size(); ++i)
        members_[i]->next_ = i + 1 < members_.size() ? members_[i + 1].get() : nullptr;
}

list_member* list_class::add(std::unique_ptr<list_member> member)
{
    if (!member)
        return nullptr;
    size_t position = members_.size();
    if (member->is_ordered()) {
        position = 0;
        while (position < members_.size() && members_[position]->comes_before(*member))
            ++position;
    }
    list_member* previous = position == 0 ? nullptr : members_[position - 1].get();
    member->next_ = nullptr;
    members_.insert(members_.begin() + static_cast<std::ptrdiff_t>(position), std::move(member));
    relink(position);
    return previous;
}

list_member* list_class::insert_after(std::unique_ptr<list_member> member, list_member* after)
{
    list_member* raw = member.get();
    if (!after) {
        add(std::move(member));
        return raw;
    }
    auto found = std::find_if(members_.begin(), members_.end(), [after](const auto& m) { return m.get() == after; });
    const size_t position = found == members_.end() ? members_.size() : static_cast<size_t>(found - members_.begin()) + 1;
    members_.insert(members_.begin() + static_cast<std::ptrdiff_t>(position), std::move(member));
    relink(position);
    return raw;
}

void list_class::delete_all() { members_.clear(); }

std::unique_ptr<list_member> list_class::unlink(list_member* member)
{
    auto found = std::find_if(members_.begin(), members_.end(), [member](const auto& m) { return m.get() == member; });
    if (!member || found == members_.end())
        return nullptr;
    const size_t position = static_cast<size_t>(found - members_.begin());
    std::unique_ptr<list_member> owned = std::move(*found);
    members_.erase(found);
    owned->next_ = nullptr;
    relink(position);
    return owned;
}

list_member* list_class::at(size_t index) const
{
    return index < members_.size() ? members_[index].get() : nullptr;
}

bool list_class::remove(list_member* member)
{
    return unlink(member) != nullptr;
}

} // namespace ivorn
