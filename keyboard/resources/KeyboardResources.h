#pragma once

// Makes the keyboard configurator's embedded pictures (":/res/png/<id>.png",
// ":/res/bmp/<id>.bmp") available. Safe to call more than once; the toolkit
// calls it before its first image load, so programs need not.
bool InitKeyboardResources();
