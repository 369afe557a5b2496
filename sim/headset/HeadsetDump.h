#pragma once

#include <string>

#include "sim/headset/HeadsetChip.h"

namespace sim {

struct HeadsetModel;

// The headset's state as "name = value" lines: the named registers, the
// EEPROM bytes the panel reads, lines, effects, lighting and the driver side.
std::string describeHeadset(const HeadsetChip& chip, bool plugged, const HeadsetModel& model);

}  // namespace sim
