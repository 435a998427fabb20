#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// The fields of a record that a definition's KEY=value lines fill, by key.
/// Keys are matched without regard to case, and only in the block the generator
/// writes them in: before the creation block or within it. A key added more
/// than once is a group: its lines fill the boxes in the order they were added.
class FieldTargets {
public:
    enum class Fill {
        Filled,
        Taken,   // the key's field, or every box of its group, already holds a line
        Unknown, // no field has this key
    };

    /// @param key a key caption such as "NAME=", the "=" included or not
    void add(std::string_view key, std::string* field, bool inCreateBlock);

    /// A range field: its value is split into the low and the high box.
    void addRange(std::string_view key, std::string* low, std::string* high, bool inCreateBlock);

    Fill fill(std::string_view key, std::string_view value, bool inCreateBlock);

private:
    struct Target {
        std::string_view key;
        std::string* field;
        std::string* high; // set for a range
        bool inCreateBlock;
        bool taken = false;
    };

    std::vector<Target> targets_;
};

} // namespace defwright
