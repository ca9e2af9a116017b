// A set of distinct names for reading the player list: one flat hash table over one block
// of text, so that a file of a million lines costs about one probe a line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace varodex {

class NameSet {
public:
    NameSet();

    // Adds the name when it is not in the set yet; true when it was new.
    bool insert(std::string_view name);
    bool contains(std::string_view name) const {
        return slots_[find_slot(name, hash_of(name))].hash != 0;
    }
    std::size_t size() const { return size_; }

private:
    struct Slot {
        std::uint64_t hash = 0;  // 0 marks a free slot
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };

    // Eight bytes a step: names are short and come from our own file, not from an attacker.
    static std::uint64_t hash_of(std::string_view name) {
        std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ name.size();
        const char* p = name.data();
        std::size_t left = name.size();
        for (; left >= 8; p += 8, left -= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            h = (h ^ word) * 0xBF58476D1CE4E5B9ULL;
            h ^= h >> 31;
        }
        std::uint64_t tail = 0;
        std::memcpy(&tail, p, left);
        h = (h ^ tail) * 0x94D049BB133111EBULL;
        h ^= h >> 29;
        return h | 1;  // never 0, the mark of a free slot
    }

    std::size_t find_slot(std::string_view name, std::uint64_t hash) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = static_cast<std::size_t>(hash) & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.hash == 0) return i;
            if (slot.hash == hash && slot.length == name.size() &&
                std::string_view(text_.data() + slot.offset, slot.length) == name)
                return i;
        }
    }
    void grow();

    std::vector<Slot> slots_;
    std::string text_;  // every name, one after the other
    std::size_t size_ = 0;
};

}  // namespace varodex
