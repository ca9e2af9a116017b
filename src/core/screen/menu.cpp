#include "screen/menu.h"

namespace varodex {

namespace {

template <typename Entries>
auto find_in(Entries& entries, const std::string& name, int index) -> decltype(&entries[0]) {
    for (auto& entry : entries) {
        if (entry.name == name && entry.index == index) return &entry;
        if (auto* found = find_in(entry.children, name, index)) return found;
    }
    return nullptr;
}

}  // namespace

MenuEntry menu_entry(std::string name, std::string caption, int index,
                     std::vector<MenuEntry> children) {
    MenuEntry e;
    e.name = std::move(name);
    e.index = index;
    e.caption = std::move(caption);
    e.children = std::move(children);
    return e;
}

const MenuEntry* find_menu_entry(const std::vector<MenuEntry>& bar, const std::string& name,
                                 int index) {
    return find_in(bar, name, index);
}

MenuEntry* find_menu_entry(std::vector<MenuEntry>& bar, const std::string& name, int index) {
    return find_in(bar, name, index);
}

}  // namespace varodex
