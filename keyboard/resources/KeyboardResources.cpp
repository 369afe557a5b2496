#include "keyboard/resources/KeyboardResources.h"

// Registration function of the generated resource file. Calling it keeps the
// pictures linked in from the static library, where nothing else refers to them.
int qInitResources_keyboard_images();

bool InitKeyboardResources() {
    static const bool registered = qInitResources_keyboard_images() != 0;
    return registered;
}
