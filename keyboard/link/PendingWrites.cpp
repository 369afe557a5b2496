#include "keyboard/link/PendingWrites.h"

bool PendingWrites::Inside(int row, int profile) {
    return row >= 0 && row < kRows && profile >= 0 && profile < kProfiles;
}

void PendingWrites::Mark(int row, int profile) {
    if (Inside(row, profile)) {
        flags_[row][profile] = 1;
    }
}

bool PendingWrites::IsMarked(int row, int profile) const {
    return Inside(row, profile) && flags_[row][profile] != 0;
}

bool PendingWrites::Take(int row, int profile) {
    if (!IsMarked(row, profile)) {
        return false;
    }
    flags_[row][profile] = 0;
    return true;
}

void PendingWrites::ClearAll() {
    flags_ = {};
}

bool PendingWrites::AnyMarked() const {
    for (const auto& row : flags_) {
        for (std::uint32_t flag : row) {
            if (flag != 0) {
                return true;
            }
        }
    }
    return false;
}
