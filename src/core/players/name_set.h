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
    bool contains(std::string_view name) const { return contains(name, hash_of(name)); }
    // With the name's hash_of already known: a reader hashes a whole run of lines first, so
    // that the lookups that follow do not wait for one another.
    bool contains(std::string_view name, std::uint64_t hash) const {
        return slots_[find_slot(name, hash)].entry != 0;
    }
    std::size_t size() const { return size_; }

    // Eight bytes a slot keep the table small enough to stay in the cache.
    struct Slot {
        std::uint32_t tag = 0;    // high half of the hash
        std::uint32_t entry = 0;  // the name's number + 1; 0 marks a free slot
    };

    // Eight bytes a step, with reads of fixed size only, so that hashing a name makes no
    // library call. Names come from our own file, not from an attacker.
    static std::uint64_t hash_of(std::string_view name) {
        const char* p = name.data();
        const std::size_t n = name.size();
        std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ n;
        const auto mix = [&h](std::uint64_t word) {
            h = (h ^ word) * 0xBF58476D1CE4E5B9ULL;
            h ^= h >> 31;
        };
        if (n >= 8) {
            for (std::size_t i = 0; i + 8 < n; i += 8) mix(word_at(p + i));
            mix(word_at(p + n - 8));  // the last eight bytes, overlapping the word before
        } else {
            std::uint64_t tail = 0;
            for (std::size_t i = 0; i < n; ++i)
                tail |= std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
            mix(tail);
        }
        h *= 0x94D049BB133111EBULL;
        return h ^ (h >> 29);
    }

  private:
    static std::uint64_t word_at(const char* p) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        return word;
    }

    static bool same(std::string_view a, std::string_view b) {
        const std::size_t n = a.size();
        if (n != b.size()) return false;
        if (n < 8) return a == b;
        for (std::size_t i = 0; i + 8 < n; i += 8) {
            if (word_at(a.data() + i) != word_at(b.data() + i)) return false;
        }
        return word_at(a.data() + n - 8) == word_at(b.data() + n - 8);
    }

    std::string_view name_at(std::uint32_t entry) const {
        return std::string_view(text_.data() + offsets_[entry - 1],
                                offsets_[entry] - offsets_[entry - 1]);
    }

    std::size_t find_slot(std::string_view name, std::uint64_t hash) const {
        const std::size_t mask = slots_.size() - 1;
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        for (std::size_t i = static_cast<std::size_t>(hash) & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.entry == 0 || (slot.tag == tag && same(name_at(slot.entry), name))) return i;
        }
    }

    void grow();

    std::vector<Slot> slots_;
    std::string text_;                  // every name, one after the other
    std::vector<std::size_t> offsets_;  // where each name starts, and where the last ends
    std::size_t size_ = 0;
};

}  // namespace varodex
