#pragma once

#include <array>
#include <cstdint>

// Which parts of which profile still have to go to the keyboard: row 0 the
// lighting, row 1 the key map with the G-key functions, rows 2..7 the macros
// of G keys 1..6; one column per profile record.
class PendingWrites {
public:
    static constexpr int kRows = 8;
    static constexpr int kProfiles = 5;
    static constexpr int kLighting = 0;
    static constexpr int kKeyMap = 1;
    static constexpr int kFirstMacro = 2;

    // Rows and profiles outside the table are ignored.
    void Mark(int row, int profile);
    bool IsMarked(int row, int profile) const;
    // Clears the flag and tells whether it was set.
    bool Take(int row, int profile);
    void ClearAll();
    bool AnyMarked() const;

private:
    static bool Inside(int row, int profile);
    std::array<std::array<std::uint32_t, kProfiles>, kRows> flags_{};
};
