// The about box: the maker, the program and its version; a click on it closes it.
#pragma once

#include <string>

#include "platform/window_host.h"
#include "screen/control.h"

namespace varodex {

struct AboutScreen {
    std::string window_caption;  // seen only where the desktop lists windows
    Control maker_label;         // "Brindlemark's"
    Control title_label;         // "Varodex"
    Control version_label;       // "Version 4.0"
    Control company_label;       // "Brindlemark"
};

class AboutBox {
  public:
    // Opening changes no shared setting and opens no other window.
    explicit AboutBox(WindowHost& windows);

    const AboutScreen& screen() const { return screen_; }

    // The box has no close box: the background, the title and the maker's name close it.
    // The version lines do not react.
    void background_click() { close(); }
    void title_label_click() { close(); }
    void maker_label_click() { close(); }

  private:
    void close();

    WindowHost& windows_;
    AboutScreen screen_;
};

}  // namespace varodex
