// The scene's texture list (.txd) and the animation definitions of its images (.dat):
// every slot's image is loaded, renamed first by the game state where a variant exists,
// uploaded as an OpenGL texture, and animated slots get an animation sheet.
#pragma once

#include <string>

#include "common/records.h"

// Reads sfilename + ".txd" and loads every slot. False when the list or an image failed.
bool LoadGLTextures(sString sfilename, bool delete_textures);
// Reads sfilename + ".dat" into sheet the_tex_id (-1: the next free sheet) owned by slot
// texture_id. Returns the sheet, or -1 when no sheet was free or the slot is out of range.
int LoadAnim(sString sfilename, int texture_id, int the_tex_id);
// Replaces the image (and animation definition) of slot `loop` by the image at sfilename.
bool Change_Texture(sString sfilename, int loop);

// The variant of an image name chosen by the game state (the list's name substitutions).
std::string Swap_Texture_Name(const std::string& name);

// Kinds of slot: which are animated, which load colour-keyed.
inline bool Kind_Is_Animated(int kind) { return kind == 2 || kind == 3 || kind == 4; }
inline bool Kind_Is_Keyed(int kind) { return kind == 1 || kind == 3 || kind == 4 || kind == 5; }

// Makes an sString from a C string, cut to 255 characters.
sString Make_sString(const char* s);
