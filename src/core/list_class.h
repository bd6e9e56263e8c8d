// The owning list that holds every kind of in-memory record, with its ordering and ownership
// rules: `add` places a member ahead of the first one that does not come before it, so plain
// records keep their order of arrival and ordered ones (field operations) keep date order.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace ivorn {

class list_member {
public:
    virtual ~list_member() = default;
    // True when this member stays ahead of `candidate`. The base always says yes, so a plain
    // add appends at the tail.
    virtual bool comes_before(const list_member& candidate) const;

    list_member* next() const { return next_; }

protected:
    // Members that override comes_before say so, which lets plain lists append without a walk
    // (a 100 000-entry list would otherwise cost a quadratic build).
    virtual bool is_ordered() const { return false; }

private:
    friend class list_class;
    list_member* next_ = nullptr;
};

class list_class {
public:
    list_class() = default;
    list_class(const list_class&) = delete;
    list_class& operator=(const list_class&) = delete;
    list_class(list_class&&) noexcept;
    list_class& operator=(list_class&&) noexcept;
    virtual ~list_class();

    // Takes ownership. Returns the member after which it was linked, or null when it became head.
    virtual list_member* add(std::unique_ptr<list_member> member);
    // Links directly behind `after`; with a null `after` it is an add. Returns the member.
    virtual list_member* insert_after(std::unique_ptr<list_member> member, list_member* after);
    virtual void delete_all();
    // Hands the very object back to the caller; null when it is not in this list.
    virtual std::unique_ptr<list_member> unlink(list_member* member);
    virtual list_member* at(size_t index) const;
    // Unlinks and destroys; false (and nothing destroyed) when the member is not in the list.
    virtual bool remove(list_member* member);

    list_member* first() const { return members_.empty() ? nullptr : members_.front().get(); }
    list_member* last() const { return members_.empty() ? nullptr : members_.back().get(); }
    size_t count() const { return members_.size(); }
    bool empty() const { return members_.empty(); }

private:
    // Places a member at `position` and links it between its neighbours.
    list_member* place(std::unique_ptr<list_member> member, size_t position);
    // Where the walk of `add` stops: the first member that does not come before `member`.
    size_t ordered_position(const list_member& member) const;
    std::vector<std::unique_ptr<list_member>> members_;
    // True while every member comes before each one behind it. Then the walk of `add` is a run of
    // yeses followed by noes, and a binary search finds where it stops: a schedule of 40 000
    // lines is read in linear time, not quadratic. Inserts behind a given member keep it up to
    // date; a member whose order key changes is taken out and added again (unlink, add) by
    // whoever changes it. Should the neighbours found disagree, `add` walks as before.
    bool sorted_ = true;
};

// A list of one member type, with typed access and iteration in list order.
template <class T>
class typed_list : public list_class {
public:
    T* add(std::unique_ptr<T> member) { return static_cast<T*>(list_class::add(std::move(member))); }
    T* at(size_t index) const { return static_cast<T*>(list_class::at(index)); }
    T* first() const { return static_cast<T*>(list_class::first()); }
    T* last() const { return static_cast<T*>(list_class::last()); }

    // First member from the head whose record number equals `number`, or null.
    T* find_by_number(std::int64_t number) const
    {
        for (T* member = first(); member; member = static_cast<T*>(member->next())) {
            if (member->number == number)
                return member;
        }
        return nullptr;
    }

    class iterator {
    public:
        explicit iterator(list_member* member) : member_(member) {}
        T* operator*() const { return static_cast<T*>(member_); }
        iterator& operator++() { member_ = member_->next(); return *this; }
        bool operator!=(const iterator& other) const { return member_ != other.member_; }
    private:
        list_member* member_;
    };
    iterator begin() const { return iterator(list_class::first()); }
    iterator end() const { return iterator(nullptr); }
};

// Common base of soils and weather stations: no data of its own.
class vorn_module : public list_member {};

} // namespace ivorn
