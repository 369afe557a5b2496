#include "keyboard/resources/KeyboardResources.h"

#include "platform/ui/EmbeddedPictures.h"

// Made by quelda_embed_pictures(keyboard_resources NAME keyboard_images ...).
extern "C" int quelda_pictures_keyboard_images();

bool InitKeyboardResources() {
    return ui::registerPictures(&quelda_pictures_keyboard_images);
}
