#pragma once

#include <memory>
#include <stdexcept>
#include <vector>

// Ordered, indexable storage of owned elements shared by the model's containers. Every index
// outside the list and every null element raise std::invalid_argument.
template<typename T>
class OwnedList
{
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }

    T *At(int index) const
    {
        CheckIndex(index, Count());
        return m_items[static_cast<size_t>(index)].get();
    }

    // Appends and returns the index of the new element.
    int Append(std::unique_ptr<T> item)
    {
        CheckItem(item);
        if (m_items.capacity() == 0)
            m_items.reserve(InitialCapacity);
        m_items.push_back(std::move(item));
        return Count() - 1;
    }

    // Inserts before index (0..count) and returns the new count.
    int Insert(int index, std::unique_ptr<T> item)
    {
        CheckIndex(index, Count() + 1);
        CheckItem(item);
        m_items.insert(m_items.begin() + index, std::move(item));
        return Count();
    }

    std::unique_ptr<T> Take(int index)
    {
        CheckIndex(index, Count());
        std::unique_ptr<T> item = std::move(m_items[static_cast<size_t>(index)]);
        m_items.erase(m_items.begin() + index);
        return item;
    }

    // Puts item into the slot and hands back the element it held.
    std::unique_ptr<T> Replace(int index, std::unique_ptr<T> item)
    {
        CheckIndex(index, Count());
        CheckItem(item);
        std::swap(m_items[static_cast<size_t>(index)], item);
        return item;
    }

    void Clear() { m_items.clear(); }
    void Reserve(int count) { m_items.reserve(static_cast<size_t>(count)); }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    // Workouts and exercises come a few at a time; one allocation covers the usual day.
    static constexpr size_t InitialCapacity = 8;

    static void CheckIndex(int index, int limit)
    {
        if (index < 0 || index >= limit)
            throw std::invalid_argument("index out of range");
    }

    static void CheckItem(const std::unique_ptr<T> &item)
    {
        if (!item)
            throw std::invalid_argument("null element");
    }

    std::vector<std::unique_ptr<T>> m_items;
};
