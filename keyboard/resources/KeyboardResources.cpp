#include "keyboard/resources/KeyboardResources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE may not be used inside a namespace, and referring to the
// registration function keeps the pictures linked in from a static library.
static void registerKeyboardImages() {
    Q_INIT_RESOURCE(keyboard_images);
}

bool InitKeyboardResources() {
    static const bool registered = [] {
        registerKeyboardImages();
        return true;
    }();
    return registered;
}
