#include "shell/about_box.h"

#include "shell/branding.h"

namespace varodex {

namespace {

Control white_text(std::string caption, int left, int top, int width, int height) {
    return placed(std::move(caption), left, top, width, height, white);
}

}  // namespace

AboutBox::AboutBox(WindowHost& windows) : windows_(windows) {
    // The same places as on the splash, whose picture is the background here too.
    screen_.window_caption = std::string(" About ") + product_name;
    screen_.maker_label = white_text(maker_title, 64, 40, 449, 33);
    screen_.title_label = white_text(product_name, 24, 65, 489, 65);
    screen_.version_label = white_text(version_line, 24, 152, 489, 24);
    screen_.company_label = white_text(maker_name, 24, 178, 489, 24);
}

void AboutBox::close() {
    windows_.close_window(WindowKind::about);
}

}  // namespace varodex
