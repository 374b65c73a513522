#pragma once

// The stored layout names the faces of the system it was designed on ("宋体",
// "Tahoma", "MS Sans Serif"). This maps each to faces that look alike and are
// found on this desktop, so no text falls back to a face without Chinese.
void InstallSkinFonts();
