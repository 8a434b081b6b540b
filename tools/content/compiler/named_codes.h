// Values of a description by name: a field's value may be a number or a name from the
// game's code tables (common/codes.h), e.g. type=FE_START, c1=TITLE_PNT, music_loop=TITLE.
#pragma once

#include <string>

namespace compiler {

// The code tables a field's names are looked up in.
enum class Code_Group { none, fe_type, obj_type, point_type, music, scene_type, game_mode, unit_class, obj_kind, level };

// The number of `value` in `group`: a decimal integer in the range of an int, or a name of
// the group (a name with blanks is written with '_': NEW_GAME for "NEW GAME"). False when it
// is neither.
bool Code_Value(Code_Group group, const std::string& value, int& out);

} // namespace compiler
