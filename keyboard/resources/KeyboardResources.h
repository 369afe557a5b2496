#pragma once

// Makes the keyboard configurator's embedded pictures (":/res/png/<id>.png",
// ":/res/bmp/<id>.bmp") available. Call it once before the first image load;
// calling it again does nothing.
bool InitKeyboardResources();
