#include "platform/dialogs.h"

namespace varodex {

MessageBoxRequest quit_question() {
    return {"Are You Sure You Want To Quit?", "Quit?", DialogIcon::question,
            DialogButtons::yes_no, DialogButton::no};
}

}  // namespace varodex
