// Save slots: the player's progress in data/save/savefile<N>.sav.
//
// A slot is a text file of 931 lines, one value per line, in 16 blocks each closed by a
// check line computed from the block's values, plus one master check line over the block
// checks. The layout and the check formulas are fixed: files written by earlier runs must
// stay readable.
//
// Reading is all or nothing: the whole file is parsed and checked before any value reaches
// the game state. A file that is truncated, too long, holds a line that is not a number, a
// value outside what its field can hold, a name longer than its field or a check line that
// does not match is refused with a message box and changes nothing. Writing goes to a
// temporary file beside the slot that is renamed over the old one once it is complete, so a
// failed write leaves the previous save as it was.
#pragma once

#include "common/records.h"

constexpr int SAVE_SLOTS = 12;        // slot numbers 0 to 11
constexpr int SAVE_FILE_LINES = 931;  // lines of a save file
constexpr int PLAYER_NAME_SIZE = 12;  // bytes of player_name, the terminating zero included

// File-select entry filled by a peek: the entry's sprite and its slot number.
inline int file_check_id = 0;
inline int hud_name_id = 0;
// The names shown on the file-select entries, one per slot.
inline char file_names[SAVE_SLOTS][12];

// "data/save/savefile<slot>", the path of a slot without its ending.
sString Save_Slot_Path(int slot);

// Writes sfilename + ".sav" from the current game state, replacing any old file. False (with
// a message box) when the file cannot be written; the old file is then left untouched.
bool SaveLevel(sString sfilename);

// Reads sfilename + ".sav" into the game state. startup true is the peek of the file-select
// screen (fills the entry file_check_id / hud_name_id with the slot's rank and name); false
// is the full load that starts the saved game. True only when the file opened and every
// value and check line was sound; otherwise nothing is changed. A missing file is silent in
// a peek (an empty slot) and reported with a message box in a full load.
bool LoadLevel(sString sfilename, bool startup);
