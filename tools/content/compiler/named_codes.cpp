#include "content/compiler/named_codes.h"

#include "common/codes.h"
#include "content/numbers.h"

namespace compiler {

namespace {

template <std::size_t N>
bool Find(const code_name (&table)[N], const std::string& name, int& out) {
    for (const code_name& c : table) {
        std::string n = c.name;
        for (char& ch : n)
            if (ch == ' ' || ch == '-') ch = '_';
        if (n == name || c.name == name) {
            out = c.value;
            return true;
        }
    }
    return false;
}

} // namespace

bool Code_Value(Code_Group group, const std::string& value, int& out) {
    if (numbers::Looks_Whole(value)) return numbers::Int(value, INT_MIN, INT_MAX, out).empty();
    switch (group) {
    case Code_Group::fe_type: return Find(fe_type::names, value, out);
    case Code_Group::obj_type: return Find(obj_type::names, value, out);
    case Code_Group::point_type: return Find(point_type::names, value, out);
    case Code_Group::music: return Find(music_code::names, value, out);
    case Code_Group::scene_type: return Find(scene_type::names, value, out);
    case Code_Group::game_mode: return Find(gmode::names, value, out);
    case Code_Group::unit_class: return Find(unit_class::names, value, out);
    case Code_Group::obj_kind: return Find(obj_kind::names, value, out);
    case Code_Group::level: return Find(level_code::names, value, out);
    case Code_Group::none: return false;
    }
    return false;
}

} // namespace compiler
