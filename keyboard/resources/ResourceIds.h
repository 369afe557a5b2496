#pragma once

#include <vector>

// Every picture the keyboard configurator embeds, by numeric id. PNG strips are
// horizontal rows of `frames` equally wide frames of width x height each;
// bitmaps are one picture of width x height (frames counts the state frames of
// the region-button bitmaps, whose frame size the dialogs give).
//
// The build reads the rows of kFixedImages below to know which files the
// generator writes: keep one entry per line, in this exact shape.
namespace resources {

enum class ImageKind { png, bitmap };

struct ImageSpec {
    ImageKind kind;
    unsigned id;
    int width;  // of one frame
    int height;
    int frames;
    const char* what;
};

// clang-format off
inline constexpr ImageSpec kFixedImages[] = {
    // Main window.
    {ImageKind::bitmap, 129, 805, 588, 1, "main window background and shape"},
    {ImageKind::bitmap, 398, 805, 303, 1, "KEY MAP page picture"},
    {ImageKind::bitmap, 261, 805, 303, 1, "RECORD page picture"},
    {ImageKind::bitmap, 259, 805, 303, 1, "MACRO page picture"},
    {ImageKind::bitmap, 399, 805, 303, 1, "LIGHT page picture"},
    {ImageKind::png, 135, 24, 24, 3, "close"},
    {ImageKind::png, 136, 24, 24, 3, "minimise"},
    {ImageKind::png, 137, 130, 40, 3, "page tab KEY MAP"},
    {ImageKind::png, 262, 130, 40, 3, "page tab RECORD"},
    {ImageKind::png, 263, 130, 40, 3, "page tab MACRO"},
    {ImageKind::png, 264, 130, 40, 3, "page tab LIGHT"},
    {ImageKind::png, 171, 110, 30, 3, "profile tab PROFILE 1"},
    {ImageKind::png, 170, 110, 30, 3, "profile tab PROFILE 2"},
    {ImageKind::png, 169, 110, 30, 3, "profile tab PROFILE 3"},
    {ImageKind::png, 166, 100, 34, 3, "OK"},
    {ImageKind::png, 167, 100, 34, 3, "APPLY"},
    {ImageKind::png, 168, 100, 34, 3, "HIDE"},
    {ImageKind::png, 164, 130, 30, 3, "RESET CURRENT"},
    {ImageKind::png, 257, 102, 30, 3, "RESET ALL"},
    {ImageKind::png, 389, 27, 27, 3, "G1 small tab on the keyboard picture"},
    {ImageKind::png, 390, 27, 27, 3, "G2 small tab"},
    {ImageKind::png, 391, 27, 27, 3, "G3 small tab"},
    {ImageKind::png, 392, 27, 27, 3, "G4 small tab"},
    {ImageKind::png, 393, 27, 27, 3, "G5 small tab"},
    {ImageKind::png, 267, 195, 30, 3, "NEW"},
    {ImageKind::png, 268, 195, 30, 3, "DELETE"},
    {ImageKind::png, 269, 195, 30, 3, "IMPORT"},
    {ImageKind::png, 270, 195, 30, 3, "EXPORT"},
    {ImageKind::png, 156, 16, 16, 7, "check box"},
    {ImageKind::png, 189, 195, 30, 7, "START RECORD / STOP RECORD"},
    {ImageKind::png, 266, 200, 26, 5, "combo button"},
    {ImageKind::png, 188, 16, 16, 3, "scroll bar up arrow"},
    {ImageKind::png, 187, 16, 16, 3, "scroll bar down arrow"},
    {ImageKind::png, 191, 12, 14, 1, "action icon: release"},
    {ImageKind::png, 192, 12, 14, 1, "action icon: press"},
    {ImageKind::png, 193, 12, 14, 1, "action icon: delay"},
    {ImageKind::png, 381, 64, 64, 1, "application and tray icon"},
    // Key-map setting dialog.
    {ImageKind::bitmap, 272, 496, 247, 1, "key-map setting dialog background"},
    {ImageKind::png, 276, 98, 25, 3, "DEFAULT"},
    {ImageKind::png, 400, 15, 15, 3, "radio button"},
    // 496 x 247 dialogs: key-map setting, firmware reset, attention.
    {ImageKind::bitmap, 154, 15, 16, 3, "dialog close"},
    {ImageKind::bitmap, 162, 98, 33, 3, "dialog OK"},
    {ImageKind::bitmap, 163, 98, 33, 3, "dialog CANCEL"},
    {ImageKind::bitmap, 165, 496, 247, 1, "reset current profile confirmation"},
    {ImageKind::bitmap, 258, 496, 247, 1, "reset all confirmation"},
    {ImageKind::bitmap, 380, 496, 247, 1, "attention dialog background"},
    // Shortcut capture dialog.
    {ImageKind::bitmap, 153, 420, 206, 1, "shortcut dialog background and shape"},
    {ImageKind::bitmap, 387, 23, 21, 3, "shortcut dialog close"},
    {ImageKind::bitmap, 384, 73, 29, 3, "shortcut dialog OK"},
    {ImageKind::bitmap, 385, 66, 29, 3, "shortcut dialog CANCEL"},
    {ImageKind::png, 386, 12, 12, 7, "small check box"},
    // Quick launch dialog.
    {ImageKind::bitmap, 176, 305, 245, 1, "quick launch background and shape"},
    {ImageKind::bitmap, 394, 23, 21, 3, "quick launch close"},
    {ImageKind::bitmap, 396, 52, 21, 3, "quick launch OK"},
    {ImageKind::bitmap, 397, 91, 21, 3, "quick launch CANCEL"},
    {ImageKind::png, 177, 22, 18, 3, "browse"},
};
// clang-format on

// Colour that shaped windows leave out of their bitmap, and the colour that the
// region buttons' bitmaps carry at their key points (every pixel of their left
// column) to be left out by the colour-key blit.
inline constexpr unsigned kShapeKeyRgb = 0xFFFF00u;
inline constexpr unsigned kRegionKeyRgb = 0xFF00FFu;

// The fixed table followed by one 3-frame strip per key of the keyboard
// picture (ids from layout::kFirstKeyImageId, sized to the key's place).
std::vector<ImageSpec> allImages();

}  // namespace resources
