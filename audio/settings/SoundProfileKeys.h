#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "audio/settings/AudioState.h"

// Names of a sound profile's sections and keys, shared by its writer and reader.

inline constexpr const char* kEqSection = "EQ";
inline constexpr const char* k3DSection = "3D";
inline constexpr const char* kEffectSection = "Effect";
inline constexpr const char* kVirtual7ch1Section = "Virtual7ch1";
inline constexpr const char* kLedSection = "LED";
inline constexpr const char* kEncSection = "ENC";
inline constexpr const char* kVoiceMagicSection = "VoiceMagic";

// Key of each speaker, indexed by Speaker.
inline constexpr std::array<const char*, kSpeakers> kSpeakerKeys{"L",  "R",  "C",  "SUB",
                                                                 "LS", "RS", "LB", "RB"};

// Every key of section LED with its field, in the order they are written:
// LEDON first, then the lighting keys.
std::vector<std::pair<std::string, int*>> LedFields(AudioState& state);
