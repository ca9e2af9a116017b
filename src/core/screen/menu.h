// A window's menu bar as data: every entry with its name, caption, enabled state and check
// mark, in order. Entries of a menu array share a name and differ by index.
#pragma once

#include <string>
#include <vector>

namespace varodex {

struct MenuEntry {
    std::string name;
    int index = -1;  // position in its menu array, -1 for a single entry
    std::string caption;
    bool enabled = true;
    bool checked = false;
    std::vector<MenuEntry> children;  // a submenu when not empty

    friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};

// An enabled, unchecked entry; `index` -1 for a single entry, `children` for a submenu.
MenuEntry menu_entry(std::string name, std::string caption, int index = -1,
                     std::vector<MenuEntry> children = {});

// Finds an entry anywhere in the tree; null when there is none.
const MenuEntry* find_menu_entry(const std::vector<MenuEntry>& bar, const std::string& name,
                                 int index = -1);
MenuEntry* find_menu_entry(std::vector<MenuEntry>& bar, const std::string& name, int index = -1);

}  // namespace varodex
