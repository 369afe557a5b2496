#include "sim/headset/Machine.h"

namespace sim {

Machine::Machine() {
    hid::installBus(&bus);
    driver::installDirectory(&drivers);
    audio::installSystem(&audio);
}

Machine::~Machine() {
    audio::installSystem(nullptr);
    driver::installDirectory(nullptr);
    hid::installBus(nullptr);
}

}  // namespace sim
