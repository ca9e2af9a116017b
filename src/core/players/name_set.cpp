#include "players/name_set.h"

namespace varodex {

NameSet::NameSet() : slots_(1024) {}

bool NameSet::insert(std::string_view name) {
    const std::uint64_t hash = hash_of(name);
    std::size_t i = find_slot(name, hash);
    if (slots_[i].hash != 0) return false;
    if ((size_ + 1) * 2 > slots_.size()) {
        grow();
        i = find_slot(name, hash);
    }
    slots_[i] = {hash, static_cast<std::uint32_t>(text_.size()),
                 static_cast<std::uint32_t>(name.size())};
    text_.append(name);
    ++size_;
    return true;
}

void NameSet::grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.hash == 0) continue;
        std::size_t i = static_cast<std::size_t>(slot.hash) & mask;
        while (slots_[i].hash != 0) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

}  // namespace varodex
