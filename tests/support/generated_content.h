// The game's generated content, written once per test run into the build folder (CTest's
// content fixture or the test command run tools/generate_content.sh) and shared by every test
// that plays or loads real scenes.
#pragma once

#include <string>

// The folder of the generated tree: $VARNOTH_CONTENT_DIR, or <build>/game.
std::string Generated_Content_Dir();

// Lays the generated content out in the current folder as the game expects to find it beside
// itself: the images and sounds linked, the scene files and the save folder copied (the game
// writes its snapshots and saves there). Returns "" on success, else why it could not.
std::string Use_Generated_Content();
