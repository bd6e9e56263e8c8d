// The owning list. A vector inside keeps `at` and appends cheap; the links between members are
// kept in step so a walk by next() sees the same order.
#include "core/list_class.h"

#include <algorithm>

namespace ivorn {

bool list_member::comes_before(const list_member&) const { return true; }

list_class::list_class(list_class&& other) noexcept : members_(std::move(other.members_)), sorted_(other.sorted_) {}

list_class& list_class::operator=(list_class&& other) noexcept
{
    members_ = std::move(other.members_);
    sorted_ = other.sorted_;
    return *this;
}

list_class::~list_class() = default;

list_member* list_class::place(std::unique_ptr<list_member> member, size_t position)
{
    list_member* raw = member.get();
    list_member* previous = position == 0 ? nullptr : members_[position - 1].get();
    list_member* following = position < members_.size() ? members_[position].get() : nullptr;
    members_.insert(members_.begin() + static_cast<std::ptrdiff_t>(position), std::move(member));
    raw->next_ = following;
    if (previous)
        previous->next_ = raw;
    sorted_ = sorted_ && (!previous || previous->comes_before(*raw)) && (!following || raw->comes_before(*following));
    return previous;
}

size_t list_class::ordered_position(const list_member& member) const
{
    if (sorted_) {
        const auto stop = std::partition_point(members_.begin(), members_.end(),
                                               [&member](const auto& m) { return m->comes_before(member); });
        const size_t position = static_cast<size_t>(stop - members_.begin());
        const bool agrees = (position == 0 || members_[position - 1]->comes_before(member))
                            && (position == members_.size() || !members_[position]->comes_before(member));
        if (agrees)
            return position;
    }
    size_t position = 0;
    while (position < members_.size() && members_[position]->comes_before(member))
        ++position;
    return position;
}

list_member* list_class::add(std::unique_ptr<list_member> member)
{
    if (!member)
        return nullptr;
    const size_t position = member->is_ordered() ? ordered_position(*member) : members_.size();
    return place(std::move(member), position);
}

list_member* list_class::insert_after(std::unique_ptr<list_member> member, list_member* after)
{
    list_member* raw = member.get();
    if (!after) {
        add(std::move(member));
        return raw;
    }
    // A fill links each member behind the tail: look there first.
    size_t position = members_.size();
    if (members_.empty() || members_.back().get() != after) {
        auto found = std::find_if(members_.begin(), members_.end(), [after](const auto& m) { return m.get() == after; });
        if (found != members_.end())
            position = static_cast<size_t>(found - members_.begin()) + 1;
    }
    place(std::move(member), position);
    return raw;
}

void list_class::delete_all()
{
    members_.clear();
    sorted_ = true;
}

std::unique_ptr<list_member> list_class::unlink(list_member* member)
{
    auto found = std::find_if(members_.begin(), members_.end(), [member](const auto& m) { return m.get() == member; });
    if (!member || found == members_.end())
        return nullptr;
    const size_t position = static_cast<size_t>(found - members_.begin());
    std::unique_ptr<list_member> owned = std::move(*found);
    members_.erase(found);
    owned->next_ = nullptr;
    if (position > 0)
        members_[position - 1]->next_ = position < members_.size() ? members_[position].get() : nullptr;
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
