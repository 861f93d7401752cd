#pragma once
#include <QHash>
#include <QList>
#include <QString>

#include "platform/PlatformError.h"

// An ordered list of values, each added under a text key: reachable by 1-based position in the
// order of adding, or by key (keys compare without case). Adding a key that is already there fails.
template <class T>
class KeyedCollection {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool isEmpty() const { return items_.isEmpty(); }

    // Appends `value` under `key`; a key that is already there raises an error and adds nothing.
    void Add(const T& value, const QString& key)
    {
        const QString k = key.toCaseFolded();
        if (index_.contains(k))
            throw platform::Error(457, QStringLiteral("This key is already associated with an element of this collection"));
        index_.insert(k, static_cast<int>(items_.size()));
        items_.append({key, value});
    }

    // The value at 1-based position `position`; nullptr when there is none.
    const T* Item(int position) const
    {
        return position >= 1 && position <= Count() ? &items_[position - 1].value : nullptr;
    }
    // The value added under `key`; nullptr when there is none.
    const T* Item(const QString& key) const
    {
        const auto it = index_.constFind(key.toCaseFolded());
        return it == index_.cend() ? nullptr : &items_[*it].value;
    }
    // The key of the value at 1-based position `position`; empty when there is none.
    QString Key(int position) const
    {
        return position >= 1 && position <= Count() ? items_[position - 1].key : QString();
    }

    void Clear()
    {
        items_.clear();
        index_.clear();
    }

    // Values in order, for range-for.
    auto begin() const { return ValueIterator(items_.cbegin()); }
    auto end() const { return ValueIterator(items_.cend()); }

private:
    struct Entry {
        QString key;
        T value;
    };
    class ValueIterator {
    public:
        using Inner = typename QList<Entry>::const_iterator;
        explicit ValueIterator(Inner it) : it_(it) {}
        const T& operator*() const { return it_->value; }
        const T* operator->() const { return &it_->value; }
        ValueIterator& operator++()
        {
            ++it_;
            return *this;
        }
        bool operator!=(const ValueIterator& other) const { return it_ != other.it_; }
        bool operator==(const ValueIterator& other) const { return it_ == other.it_; }

    private:
        Inner it_;
    };

    QList<Entry> items_;
    QHash<QString, int> index_;
};
