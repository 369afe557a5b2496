#include "platform/ui/EmbeddedPictures.h"

#include <mutex>
#include <set>

namespace ui {

bool registerPictures(PictureRegistration registration) {
    static std::mutex mutex;
    static std::set<PictureRegistration> registered;
    if (registration == nullptr) {
        return false;
    }
    std::lock_guard lock(mutex);
    if (registered.insert(registration).second) {
        registration();
    }
    return true;
}

}  // namespace ui
