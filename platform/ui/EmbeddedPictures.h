#pragma once

namespace ui {

// The function quelda_embed_pictures(<target> NAME <name> ...) generated:
// extern "C" int quelda_pictures_<name>();
using PictureRegistration = int (*)();

// Makes pictures embedded with quelda_embed_pictures available to the image
// loading. Call it before the first image of the set is loaded; calling it
// again for the same set does nothing more.
bool registerPictures(PictureRegistration registration);

}  // namespace ui
