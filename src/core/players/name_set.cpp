#include "players/name_set.h"

namespace varodex {

NameSet::NameSet() : slots_(1024), offsets_{0} {}

bool NameSet::insert(std::string_view name) {
    const std::uint64_t hash = hash_of(name);
    std::size_t i = find_slot(name, hash);
    if (slots_[i].entry != 0) return false;
    text_.append(name);
    offsets_.push_back(text_.size());
    ++size_;
    slots_[i] = {static_cast<std::uint32_t>(hash >> 32), static_cast<std::uint32_t>(size_)};
    // At most three slots in four taken, so that a probe ends soon.
    if (size_ * 4 > slots_.size() * 3) grow();
    return true;
}

void NameSet::grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.entry == 0) continue;
        std::size_t i = static_cast<std::size_t>(hash_of(name_at(slot.entry))) & mask;
        while (slots_[i].entry != 0) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

}  // namespace varodex
