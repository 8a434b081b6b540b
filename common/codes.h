// Named values of the shared integer codes: object and unit codes, front-end element
// types, game modes, scene types, music loops, levels, missions, message ids and the
// codes of scene points. Scene files store the numbers; code compares and sets them by
// these names. A value without a name stays a number.
//
// How the names are laid out:
//  - Every code is a group of its own: a namespace (obj_type::, fe_type::, unit_class::,
//    level_code::, msg_id::, ...) holding an int constant for each value, and a table
//    `names[]` of (value, printed name) pairs that keeps each name exactly as the game
//    prints it, blanks, hyphens and plus signs included ("NEW GAME", "DOUBLE-BACK",
//    "ANIM+1", "red key").
//  - Inside the namespace a name that is no identifier is spelled with '_' for a blank or a
//    hyphen and "_PLUS_" for a plus sign: fe_type::NEW_GAME, door_type::DOUBLE_BACK,
//    sleep_rule::ANIM_PLUS_1, pickup_kind::red_key.
//  - A name that is an identifier as it stands and belongs to one group only is also
//    brought to global scope, so code writes `PLY`, `UNIT_SHARK`, `OBJ_LIGHT1`, `FE_START`,
//    `LVL_SHOP`, `MSG_MEDAL`, `CAM_SPAWN` without a qualifier.
//  - A name that several groups use (NON, ON, OFF, NO, RESET, LEFT, RIGHT, NONE, SINGLE,
//    FLY, TUNNEL), the respelled names and FILE (the C library's FILE) stay qualified:
//    obj_type::NON, scene_type::FLY, unit_class::TUNNEL, msg_id::TUNNEL, door_type::SINGLE,
//    fe_type::SINGLE, dir_code::LEFT, alignment::LEFT, mover_death::ON, key_colour::NO,
//    fe_type::FILE.
//  - The game modes (norm, game, cine, walk, front, world) stay qualified as gmode::walk
//    and so on; MODE_NORM..MODE_WORLD in common/game_state.h are the same values.
//  - Code_Name(group::names, value) gives the printed name of a value, or nullptr.
#pragma once

#include <cstddef>

struct code_name {
    int value;
    const char* name;
};

// The printed name of `value` in a group's table, or nullptr when the value has no name.
template <std::size_t N>
constexpr const char* Code_Name(const code_name (&table)[N], int value) {
    for (std::size_t i = 0; i < N; ++i)
        if (table[i].value == value) return table[i].name;
    return nullptr;
}

// Object types: object::type in walk and world scenes (game_mode 3 and 5).
namespace obj_type {
inline constexpr int NON = 0;
inline constexpr int COL = 1;
inline constexpr int PLY = 2;
inline constexpr int OBJ = 3;
inline constexpr int DOR = 4;
inline constexpr int BOD = 5;
inline constexpr int SFE = 6;
inline constexpr int TRI = 7;
inline constexpr int BAR = 8;
inline constexpr int SWI = 9;
inline constexpr int PKU = 10;
inline constexpr int LAD = 11;
inline constexpr int BIN = 12;
inline constexpr int RCM = 13;
inline constexpr int LVL = 14;
inline constexpr int GFX = 15;
inline constexpr int ZAP = 16;
inline constexpr int LFT = 17;
inline constexpr int NDR = 18;
inline constexpr int GPU = 19;
inline constexpr int ALM = 20;
inline constexpr int CUT = 21;
inline constexpr int WIN = 22;
inline constexpr int QUE = 23;
inline constexpr int FLY = 24;
inline constexpr int WTR = 25;
inline constexpr int SAV = 26;
inline constexpr int TEL = 27;
inline constexpr int MOV = 28;
inline constexpr int SCR = 29;
inline constexpr int JBK = 30;
inline constexpr int PNO = 31;
inline constexpr int RCK = 32;
inline constexpr int PSE = 33;
inline constexpr int OVR = 34;
inline constexpr int BUD = 35;
inline constexpr int FLM = 36;
inline constexpr int STA = 37;
inline constexpr int RKT = 38;
inline constexpr int MNE = 39;
inline constexpr int HLP = 40;
inline constexpr int DWN = 41;
inline constexpr int JMP = 42;
inline constexpr int BAG = 43;
inline constexpr int BOX = 44;
inline constexpr int BUT = 45;
inline constexpr int UNT = 46;
inline constexpr code_name names[] = {
    {0, "NON"}, {1, "COL"}, {2, "PLY"}, {3, "OBJ"}, {4, "DOR"}, {5, "BOD"}, {6, "SFE"},
    {7, "TRI"}, {8, "BAR"}, {9, "SWI"}, {10, "PKU"}, {11, "LAD"}, {12, "BIN"}, {13, "RCM"},
    {14, "LVL"}, {15, "GFX"}, {16, "ZAP"}, {17, "LFT"}, {18, "NDR"}, {19, "GPU"}, {20, "ALM"},
    {21, "CUT"}, {22, "WIN"}, {23, "QUE"}, {24, "FLY"}, {25, "WTR"}, {26, "SAV"}, {27, "TEL"},
    {28, "MOV"}, {29, "SCR"}, {30, "JBK"}, {31, "PNO"}, {32, "RCK"}, {33, "PSE"}, {34, "OVR"},
    {35, "BUD"}, {36, "FLM"}, {37, "STA"}, {38, "RKT"}, {39, "MNE"}, {40, "HLP"}, {41, "DWN"},
    {42, "JMP"}, {43, "BAG"}, {44, "BOX"}, {45, "BUT"}, {46, "UNT"},
};
} // namespace obj_type
// unqualified
using obj_type::COL; using obj_type::PLY; using obj_type::OBJ; using obj_type::DOR;
using obj_type::BOD; using obj_type::SFE; using obj_type::TRI; using obj_type::BAR;
using obj_type::SWI; using obj_type::PKU; using obj_type::LAD; using obj_type::BIN;
using obj_type::RCM; using obj_type::LVL; using obj_type::GFX; using obj_type::ZAP;
using obj_type::LFT; using obj_type::NDR; using obj_type::GPU; using obj_type::ALM;
using obj_type::CUT; using obj_type::WIN; using obj_type::QUE; using obj_type::WTR;
using obj_type::SAV; using obj_type::TEL; using obj_type::MOV; using obj_type::SCR;
using obj_type::JBK; using obj_type::PNO; using obj_type::RCK; using obj_type::PSE;
using obj_type::OVR; using obj_type::BUD; using obj_type::FLM; using obj_type::STA;
using obj_type::RKT; using obj_type::MNE; using obj_type::HLP; using obj_type::DWN;
using obj_type::JMP; using obj_type::BAG; using obj_type::BOX; using obj_type::BUT;
using obj_type::UNT;

// Front-end element types: object::type in front-end scenes (game_mode 4).
namespace fe_type {
inline constexpr int NON = 0;
inline constexpr int NEW_GAME = 1;
inline constexpr int OPTIONS = 2;
inline constexpr int SECRET = 3;
inline constexpr int QUIT_GAME = 4;
inline constexpr int LOAD_GAME = 5;
inline constexpr int SCROLL = 6;
inline constexpr int FILE = 7;
inline constexpr int BACK1 = 8;
inline constexpr int SINGLE = 9;
inline constexpr int MULTI = 10;
inline constexpr int FE_MOVE = 11;
inline constexpr int FE_DELETE = 13;
inline constexpr int FE_OPTIONS = 14;
inline constexpr int FE_GFX = 15;
inline constexpr int FE_START = 16;
inline constexpr int FE_ACCEPT = 17;
inline constexpr int FE_DECLINE = 18;
inline constexpr int FE_RIFLE = 19;
inline constexpr int FE_FLAME = 20;
inline constexpr int FE_MGUN = 21;
inline constexpr int FE_TEXT = 22;
inline constexpr int FE_CREATE = 23;
inline constexpr int FE_FILE_CREATE = 24;
inline constexpr int FE_FILE_DELETE = 25;
inline constexpr int FE_BACK = 26;
inline constexpr int FE_DUCK = 27;
inline constexpr int FE_BULLETHOLE = 28;
inline constexpr int FE_LOGO = 29;
inline constexpr int FE_MUSIC = 30;
inline constexpr int FE_SFX = 31;
inline constexpr int FE_OPTION_CREATE = 32;
inline constexpr int FE_CARD = 33;
inline constexpr int FE_HIT = 34;
inline constexpr int FE_STICK = 35;
inline constexpr int FE_INCREASE = 36;
inline constexpr int FE_DECREASE = 37;
inline constexpr int FE_CREDITS = 38;
inline constexpr int FE_TARGET = 39;
inline constexpr int FE_SHOOTABLE = 40;
inline constexpr int FE_FLIP = 42;
inline constexpr int FE_SKIP = 43;
inline constexpr int FE_MKEYBOARD = 44;
inline constexpr int FE_MONLY = 45;
inline constexpr int FE_VERSION1 = 47;
inline constexpr code_name names[] = {
    {0, "NON"}, {1, "NEW GAME"}, {2, "OPTIONS"}, {3, "SECRET"}, {4, "QUIT GAME"},
    {5, "LOAD GAME"}, {6, "SCROLL"}, {7, "FILE"}, {8, "BACK1"}, {9, "SINGLE"}, {10, "MULTI"},
    {11, "FE_MOVE"}, {13, "FE_DELETE"}, {14, "FE_OPTIONS"}, {15, "FE_GFX"}, {16, "FE_START"},
    {17, "FE_ACCEPT"}, {18, "FE_DECLINE"}, {19, "FE_RIFLE"}, {20, "FE_FLAME"}, {21, "FE_MGUN"},
    {22, "FE_TEXT"}, {23, "FE_CREATE"}, {24, "FE_FILE_CREATE"}, {25, "FE_FILE_DELETE"},
    {26, "FE_BACK"}, {27, "FE_DUCK"}, {28, "FE_BULLETHOLE"}, {29, "FE_LOGO"}, {30, "FE_MUSIC"},
    {31, "FE_SFX"}, {32, "FE_OPTION_CREATE"}, {33, "FE_CARD"}, {34, "FE_HIT"}, {35, "FE_STICK"},
    {36, "FE_INCREASE"}, {37, "FE_DECREASE"}, {38, "FE_CREDITS"}, {39, "FE_TARGET"},
    {40, "FE_SHOOTABLE"}, {42, "FE_FLIP"}, {43, "FE_SKIP"}, {44, "FE_MKEYBOARD"},
    {45, "FE_MONLY"}, {47, "FE_VERSION1"},
};
} // namespace fe_type
// unqualified
using fe_type::OPTIONS; using fe_type::SECRET; using fe_type::SCROLL; using fe_type::BACK1;
using fe_type::MULTI; using fe_type::FE_MOVE; using fe_type::FE_DELETE;
using fe_type::FE_OPTIONS; using fe_type::FE_GFX; using fe_type::FE_START;
using fe_type::FE_ACCEPT; using fe_type::FE_DECLINE; using fe_type::FE_RIFLE;
using fe_type::FE_FLAME; using fe_type::FE_MGUN; using fe_type::FE_TEXT;
using fe_type::FE_CREATE; using fe_type::FE_FILE_CREATE; using fe_type::FE_FILE_DELETE;
using fe_type::FE_BACK; using fe_type::FE_DUCK; using fe_type::FE_BULLETHOLE;
using fe_type::FE_LOGO; using fe_type::FE_MUSIC; using fe_type::FE_SFX;
using fe_type::FE_OPTION_CREATE; using fe_type::FE_CARD; using fe_type::FE_HIT;
using fe_type::FE_STICK; using fe_type::FE_INCREASE; using fe_type::FE_DECREASE;
using fe_type::FE_CREDITS; using fe_type::FE_TARGET; using fe_type::FE_SHOOTABLE;
using fe_type::FE_FLIP; using fe_type::FE_SKIP; using fe_type::FE_MKEYBOARD;
using fe_type::FE_MONLY; using fe_type::FE_VERSION1;

// Unit classes: object::sector of UNT and BAG objects.
namespace unit_class {
inline constexpr int GUNNER = 0;
inline constexpr int BOMBER = 1;
inline constexpr int CHIEF = 2;
inline constexpr int MOUNTED = 3;
inline constexpr int UNIT_B_COMMAND = 4;
inline constexpr int UNIT_SHELL = 5;
inline constexpr int UNIT_RESCUE = 6;
inline constexpr int WORKER = 7;
inline constexpr int UNIT_B_BARRACKS = 8;
inline constexpr int UNIT_B_RANGE = 9;
inline constexpr int UNIT_B_TENT = 10;
inline constexpr int UNIT_B_POST = 11;
inline constexpr int UNIT_SNIPER = 12;
inline constexpr int UNIT_B_CAMP = 13;
inline constexpr int UNIT_MORTAR = 14;
inline constexpr int UNIT_TANK = 15;
inline constexpr int UNIT_B_FACTORY = 16;
inline constexpr int UNIT_PLANE = 17;
inline constexpr int UNIT_B_AIRFIELD = 18;
inline constexpr int UNIT_GENERAL = 19;
inline constexpr int UNIT_BIRD = 20;
inline constexpr int UNIT_SKELETON = 21;
inline constexpr int UNIT_DEAD_CHIEF = 22;
inline constexpr int UNIT_DUMMY = 23;
inline constexpr int UNIT_ARMOUR_HEAD = 24;
inline constexpr int UNIT_ARMOUR_FULL = 25;
inline constexpr int UNIT_VEHICLE = 26;
inline constexpr int DUCK = 27;
inline constexpr int UNIT_BARREL = 28;
inline constexpr int UNIT_SHARK = 29;
inline constexpr int SAILOR = 30;
inline constexpr int UNIT_ARMOUR_TURRET = 31;
inline constexpr int UNIT_ARMOUR_TANK = 32;
inline constexpr int SHIELD = 33;
inline constexpr int MONKEY = 34;
inline constexpr int SEAGULL = 35;
inline constexpr int SEAGULL2 = 36;
inline constexpr int SIGNPOST = 37;
inline constexpr int TUNNEL = 38;
inline constexpr int UNIT_SHOTGUN = 39;
inline constexpr int UNIT_BOSS = 40;
inline constexpr int DOG = 41;
inline constexpr int COW = 42;
inline constexpr int UNIT_MORTAR1 = 43;
inline constexpr int UNIT_UPG_SCOPE = 101;
inline constexpr int UNIT_SQUASHED = 102;
inline constexpr code_name names[] = {
    {0, "GUNNER"}, {1, "BOMBER"}, {2, "CHIEF"}, {3, "MOUNTED"}, {4, "UNIT_B_COMMAND"},
    {5, "UNIT_SHELL"}, {6, "UNIT_RESCUE"}, {7, "WORKER"}, {8, "UNIT_B_BARRACKS"},
    {9, "UNIT_B_RANGE"}, {10, "UNIT_B_TENT"}, {11, "UNIT_B_POST"}, {12, "UNIT_SNIPER"},
    {13, "UNIT_B_CAMP"}, {14, "UNIT_MORTAR"}, {15, "UNIT_TANK"}, {16, "UNIT_B_FACTORY"},
    {17, "UNIT_PLANE"}, {18, "UNIT_B_AIRFIELD"}, {19, "UNIT_GENERAL"}, {20, "UNIT_BIRD"},
    {21, "UNIT_SKELETON"}, {22, "UNIT_DEAD_CHIEF"}, {23, "UNIT_DUMMY"},
    {24, "UNIT_ARMOUR_HEAD"}, {25, "UNIT_ARMOUR_FULL"}, {26, "UNIT_VEHICLE"}, {27, "DUCK"},
    {28, "UNIT_BARREL"}, {29, "UNIT_SHARK"}, {30, "SAILOR"}, {31, "UNIT_ARMOUR_TURRET"},
    {32, "UNIT_ARMOUR_TANK"}, {33, "SHIELD"}, {34, "MONKEY"}, {35, "SEAGULL"}, {36, "SEAGULL2"},
    {37, "SIGNPOST"}, {38, "TUNNEL"}, {39, "UNIT_SHOTGUN"}, {40, "UNIT_BOSS"}, {41, "DOG"},
    {42, "COW"}, {43, "UNIT_MORTAR1"}, {101, "UNIT_UPG_SCOPE"}, {102, "UNIT_SQUASHED"},
};
} // namespace unit_class
// unqualified
using unit_class::GUNNER; using unit_class::BOMBER; using unit_class::CHIEF;
using unit_class::MOUNTED; using unit_class::UNIT_B_COMMAND; using unit_class::UNIT_SHELL;
using unit_class::UNIT_RESCUE; using unit_class::WORKER; using unit_class::UNIT_B_BARRACKS;
using unit_class::UNIT_B_RANGE; using unit_class::UNIT_B_TENT; using unit_class::UNIT_B_POST;
using unit_class::UNIT_SNIPER; using unit_class::UNIT_B_CAMP; using unit_class::UNIT_MORTAR;
using unit_class::UNIT_TANK; using unit_class::UNIT_B_FACTORY; using unit_class::UNIT_PLANE;
using unit_class::UNIT_B_AIRFIELD; using unit_class::UNIT_GENERAL; using unit_class::UNIT_BIRD;
using unit_class::UNIT_SKELETON; using unit_class::UNIT_DEAD_CHIEF;
using unit_class::UNIT_DUMMY; using unit_class::UNIT_ARMOUR_HEAD;
using unit_class::UNIT_ARMOUR_FULL; using unit_class::UNIT_VEHICLE; using unit_class::DUCK;
using unit_class::UNIT_BARREL; using unit_class::UNIT_SHARK; using unit_class::SAILOR;
using unit_class::UNIT_ARMOUR_TURRET; using unit_class::UNIT_ARMOUR_TANK;
using unit_class::SHIELD; using unit_class::MONKEY; using unit_class::SEAGULL;
using unit_class::SEAGULL2; using unit_class::SIGNPOST; using unit_class::UNIT_SHOTGUN;
using unit_class::UNIT_BOSS; using unit_class::DOG; using unit_class::COW;
using unit_class::UNIT_MORTAR1; using unit_class::UNIT_UPG_SCOPE;
using unit_class::UNIT_SQUASHED;

// AI types: object::sector_action of UNT objects.
namespace ai_type {
inline constexpr int AI_NONE = 0;
inline constexpr int AI_ATTACK = 1;
inline constexpr int AI_DEFEND = 2;
inline constexpr int AI_BUDDY = 3;
inline constexpr code_name names[] = {
    {0, "AI_NONE"}, {1, "AI_ATTACK"}, {2, "AI_DEFEND"}, {3, "AI_BUDDY"},
};
} // namespace ai_type
// unqualified
using ai_type::AI_NONE; using ai_type::AI_ATTACK; using ai_type::AI_DEFEND;
using ai_type::AI_BUDDY;

// Unit statuses: object::status of UNT objects, the AI state the unit AI moves a unit through
// as its deadlines pass (also held by BOD objects paired with a unit, and by the objects the
// scene gives a unit's role). The values 28, 32, 52, 63, 66 and 73 have animations but no
// name: nothing here sets them.
namespace unit_status {
inline constexpr int STATUS_RELEASED = 0;      // a BOD object let go by its partner
inline constexpr int STATUS_IDLE = 3;          // standing; ShotIdle sets it
inline constexpr int STATUS_HIT = 21;          // staggering from a hit
inline constexpr int STATUS_WALK = 27;         // walking the planned path to end_x, end_y
inline constexpr int STATUS_FIRING = 29;       // firing a shot
inline constexpr int STATUS_DYING = 30;        // dying: the death animation plays
inline constexpr int STATUS_BODY = 31;         // a dead body
inline constexpr int STATUS_POSE = 37;         // the special pose taken at scene load; never animated
inline constexpr int STATUS_BODY_FADING = 42;  // a body fading out (risers get up from it)
inline constexpr int STATUS_BODY_SUNK = 43;    // a body's last stage
inline constexpr int STATUS_DEAD = 44;         // dead and gone: the record is free for New_Sprite
inline constexpr int STATUS_SHOT_PAUSE = 51;   // the pause after a shot (units other than the player)
inline constexpr int STATUS_HIT_HARD = 53;     // hit in aim zone 2: a longer stagger
inline constexpr int STATUS_KNIFE = 54;        // a knife attack
inline constexpr int STATUS_PAIRED = 55;       // a unit at an enemy's body, and that body
inline constexpr int STATUS_DOWNED = 56;       // downed, begging for mercy
inline constexpr int STATUS_LAST_CHANCE = 57;  // downed: revives or dies when due
inline constexpr int STATUS_AT_OWN_BODY = 58;  // a unit at a body of its own side
inline constexpr int STATUS_FALLING = 59;      // falling into a hole or climbing a ladder
inline constexpr int STATUS_TO_COUNTER = 60;   // walking to the seller's counter
inline constexpr int STATUS_HELD_POSE = 61;    // one pose played through; the player lock ends with it
inline constexpr int STATUS_AS_OBJECT = 62;    // a unit the player reaches like an object
inline constexpr int STATUS_RISING = 64;       // rising from the ground
inline constexpr int STATUS_BOSS_BEATEN = 65;  // the boss's end pose; the mission outcome follows
inline constexpr int STATUS_THROWING = 67;     // throwing a grenade
inline constexpr int STATUS_CROUCHING = 68;    // lives only inside one Animation_System call
inline constexpr int STATUS_CHEER = 69;        // the player's mission-success pose
inline constexpr int STATUS_STARTLED = 70;     // a bird or critter disturbed
inline constexpr int STATUS_CAMP_POSE = 71;    // the player's pose at a camp trigger
inline constexpr int STATUS_CAUGHT = 72;       // caught by the alarm or knocked down: held until due
inline constexpr int STATUS_THROW_PAUSE = 74;  // the pause after a grenade (units other than the player)
inline constexpr code_name names[] = {
    {0, "STATUS_RELEASED"}, {3, "STATUS_IDLE"}, {21, "STATUS_HIT"}, {27, "STATUS_WALK"},
    {29, "STATUS_FIRING"}, {30, "STATUS_DYING"}, {31, "STATUS_BODY"}, {37, "STATUS_POSE"},
    {42, "STATUS_BODY_FADING"}, {43, "STATUS_BODY_SUNK"}, {44, "STATUS_DEAD"},
    {51, "STATUS_SHOT_PAUSE"}, {53, "STATUS_HIT_HARD"}, {54, "STATUS_KNIFE"},
    {55, "STATUS_PAIRED"}, {56, "STATUS_DOWNED"}, {57, "STATUS_LAST_CHANCE"},
    {58, "STATUS_AT_OWN_BODY"}, {59, "STATUS_FALLING"}, {60, "STATUS_TO_COUNTER"},
    {61, "STATUS_HELD_POSE"}, {62, "STATUS_AS_OBJECT"}, {64, "STATUS_RISING"},
    {65, "STATUS_BOSS_BEATEN"}, {67, "STATUS_THROWING"}, {68, "STATUS_CROUCHING"},
    {69, "STATUS_CHEER"}, {70, "STATUS_STARTLED"}, {71, "STATUS_CAMP_POSE"},
    {72, "STATUS_CAUGHT"}, {74, "STATUS_THROW_PAUSE"},
};
} // namespace unit_status
// unqualified
using unit_status::STATUS_RELEASED; using unit_status::STATUS_IDLE; using unit_status::STATUS_HIT;
using unit_status::STATUS_WALK; using unit_status::STATUS_FIRING; using unit_status::STATUS_DYING;
using unit_status::STATUS_BODY; using unit_status::STATUS_POSE; using unit_status::STATUS_BODY_FADING;
using unit_status::STATUS_BODY_SUNK; using unit_status::STATUS_DEAD;
using unit_status::STATUS_SHOT_PAUSE; using unit_status::STATUS_HIT_HARD;
using unit_status::STATUS_KNIFE; using unit_status::STATUS_PAIRED; using unit_status::STATUS_DOWNED;
using unit_status::STATUS_LAST_CHANCE; using unit_status::STATUS_AT_OWN_BODY;
using unit_status::STATUS_FALLING; using unit_status::STATUS_TO_COUNTER;
using unit_status::STATUS_HELD_POSE; using unit_status::STATUS_AS_OBJECT;
using unit_status::STATUS_RISING; using unit_status::STATUS_BOSS_BEATEN;
using unit_status::STATUS_THROWING; using unit_status::STATUS_CROUCHING;
using unit_status::STATUS_CHEER; using unit_status::STATUS_STARTLED;
using unit_status::STATUS_CAMP_POSE; using unit_status::STATUS_CAUGHT;
using unit_status::STATUS_THROW_PAUSE;

// Attack codes: the guy_status of Man_Shot. A shot passes its shooter's status (STATUS_FIRING,
// STATUS_KNIFE, STATUS_THROWING, or 63, which hits like the knife); the other codes are these.
namespace attack_code {
inline constexpr int ATTACK_NONE = -1;        // no shooter's status: a hazard, or a spread blast
inline constexpr int ATTACK_BOSS = 0;         // the boss fight's hit on the player
inline constexpr int ATTACK_LIGHT_BLAST = 1;  // a blast on bombers and mortar crews
inline constexpr int ATTACK_BLAST = 5;        // a blast
inline constexpr code_name names[] = {
    {-1, "ATTACK_NONE"}, {0, "ATTACK_BOSS"}, {1, "ATTACK_LIGHT_BLAST"}, {5, "ATTACK_BLAST"},
};
} // namespace attack_code
// unqualified
using attack_code::ATTACK_NONE; using attack_code::ATTACK_BOSS;
using attack_code::ATTACK_LIGHT_BLAST; using attack_code::ATTACK_BLAST;

// Shot kinds: the bullet_type of Man_Shot, how one hit does its damage.
namespace shot_kind {
inline constexpr int SHOT_ORDINARY = -1;      // a plain shot by the shooter's firepower
inline constexpr int SHOT_KILL = 5;           // kills outright
inline constexpr int SHOT_SPREAD_CLOSE = 6;   // shotgun spread at close range
inline constexpr int SHOT_SPREAD_FAR = 7;     // shotgun spread further out
inline constexpr int SHOT_GRENADE_BLAST = 8;  // a grenade's blast
inline constexpr int SHOT_THORNS = 9;         // a fixed hit of 40 back at a biting attacker
inline constexpr int SHOT_ROUND_BLAST = 10;   // a round's blast
inline constexpr int SHOT_BURNING = 11;       // burning (flames)
inline constexpr int SHOT_FIRE_ROUND = 12;    // a fire round's flames
inline constexpr int SHOT_GAS = 13;           // gas
inline constexpr code_name names[] = {
    {-1, "SHOT_ORDINARY"}, {5, "SHOT_KILL"}, {6, "SHOT_SPREAD_CLOSE"}, {7, "SHOT_SPREAD_FAR"},
    {8, "SHOT_GRENADE_BLAST"}, {9, "SHOT_THORNS"}, {10, "SHOT_ROUND_BLAST"}, {11, "SHOT_BURNING"},
    {12, "SHOT_FIRE_ROUND"}, {13, "SHOT_GAS"},
};
} // namespace shot_kind
// unqualified
using shot_kind::SHOT_ORDINARY; using shot_kind::SHOT_KILL; using shot_kind::SHOT_SPREAD_CLOSE;
using shot_kind::SHOT_SPREAD_FAR; using shot_kind::SHOT_GRENADE_BLAST; using shot_kind::SHOT_THORNS;
using shot_kind::SHOT_ROUND_BLAST; using shot_kind::SHOT_BURNING; using shot_kind::SHOT_FIRE_ROUND;
using shot_kind::SHOT_GAS;

// Object kinds: object::sector_action of OBJ objects.
namespace obj_kind {
inline constexpr int OBJ_NONE = 0;
inline constexpr int OBJ_BETSY = 1;
inline constexpr int OBJ_MEDIC = 2;
inline constexpr int OBJ_SHOP = 3;
inline constexpr int OBJ_TALK1 = 4;
inline constexpr int OBJ_TALK2 = 5;
inline constexpr int OBJ_SELL = 6;
inline constexpr int OBJ_LADDER = 7;
inline constexpr int OBJ_INFO = 8;
inline constexpr int OBJ_NOCOL = 10;
inline constexpr int OBJ_DRILL = 11;
inline constexpr int OBJ_HELMUTT = 12;
inline constexpr int OBJ_BABE = 13;
inline constexpr int OBJ_KING = 14;
inline constexpr int OBJ_WAGES = 15;
inline constexpr int OBJ_CASINO = 16;
inline constexpr int OBJ_STARTUP = 17;
inline constexpr int OBJ_VAN = 18;
inline constexpr int OBJ_VAN_SHADOW = 19;
inline constexpr int OBJ_LETTERS = 20;
inline constexpr int OBJ_LETTERS1 = 21;
inline constexpr int OBJ_NEWSHOP = 22;
inline constexpr int OBJ_SHOPMAIN = 23;
inline constexpr int OBJ_SEAGULL = 24;
inline constexpr int OBJ_SEAGULL2 = 25;
inline constexpr int OBJ_DANCER = 26;
inline constexpr int OBJ_DANCER1 = 27;
inline constexpr int OBJ_GALLERY = 28;
inline constexpr int OBJ_SCORING = 29;
inline constexpr int OBJ_GALLERY_START = 30;
inline constexpr int OBJ_CAMP_BUSTED = 31;
inline constexpr int OBJ_ARTY = 32;
inline constexpr int OBJ_FATMAN = 33;
inline constexpr int OBJ_GENERAL = 34;
inline constexpr int OBJ_BETSY_TIED = 35;
inline constexpr int OBJ_CARD_START = 36;
inline constexpr int OBJ_LIGHT = 37;
inline constexpr int OBJ_LIGHT1 = 38;
inline constexpr int OBJ_PATCHES = 40;
inline constexpr int OBJ_DOGMATE = 41;
inline constexpr int OBJ_EVENT = 42;
inline constexpr int OBJ_SCARE = 43;
inline constexpr int OBJ_MUSICBOX = 44;
inline constexpr int OBJ_MEDALBOX = 45;
inline constexpr int OBJ_DODGYDAN = 46;
inline constexpr int OBJ_SPY = 47;
inline constexpr int OBJ_UPGRADE = 48;
inline constexpr int OBJ_BOATGIRL = 49;
inline constexpr int OBJ_BATTLESHIP = 50;
inline constexpr int OBJ_SUB_INTRO = 51;
inline constexpr int OBJ_MAP = 52;
inline constexpr int OBJ_SPY_RESCUE = 53;
inline constexpr int OBJ_SPY_CAMP = 54;
inline constexpr int OBJ_MADMAN = 55;
inline constexpr int OBJ_SPLASH = 56;
inline constexpr int OBJ_ADMIRAL = 57;
inline constexpr int OBJ_ADMIRAL_D = 58;
inline constexpr int OBJ_ADMIRAL_SUB = 59;
inline constexpr int OBJ_DINGHY = 60;
inline constexpr int OBJ_TELESCOPE = 61;
inline constexpr int OBJ_SWITCH = 62;
inline constexpr int OBJ_MONK = 63;
inline constexpr int OBJ_MAUSER = 64;
inline constexpr int OBJ_ZARVOK = 65;
inline constexpr int OBJ_HQ_FATMAN = 66;
inline constexpr int OBJ_NUN = 67;
inline constexpr int OBJ_BOSS_M = 68;
inline constexpr int OBJ_BOSS_M1 = 69;
inline constexpr int OBJ_CHEF = 70;
inline constexpr int OBJ_PRISON = 71;
inline constexpr int OBJ_RESCUE = 72;
inline constexpr int OBJ_PROF_ZARVOK = 73;
inline constexpr int OBJ_HQ_BETSY = 74;
inline constexpr int OBJ_AIRPLANE = 75;
inline constexpr int OBJ_AIRPLANE1 = 76;
inline constexpr int OBJ_SCARECROW = 77;
inline constexpr int OBJ_NUN1 = 78;
inline constexpr int OBJ_COMMAND = 79;
inline constexpr int OBJ_SWITCH1 = 80;
inline constexpr int OBJ_MISSILEL = 81;
inline constexpr int OBJ_CLAY = 82;
inline constexpr int OBJ_BETSY4 = 83;
inline constexpr int OBJ_KNIFE = 84;
inline constexpr code_name names[] = {
    {0, "OBJ_NONE"}, {1, "OBJ_BETSY"}, {2, "OBJ_MEDIC"}, {3, "OBJ_SHOP"}, {4, "OBJ_TALK1"},
    {5, "OBJ_TALK2"}, {6, "OBJ_SELL"}, {7, "OBJ_LADDER"}, {8, "OBJ_INFO"}, {10, "OBJ_NOCOL"},
    {11, "OBJ_DRILL"}, {12, "OBJ_HELMUTT"}, {13, "OBJ_BABE"}, {14, "OBJ_KING"},
    {15, "OBJ_WAGES"}, {16, "OBJ_CASINO"}, {17, "OBJ_STARTUP"}, {18, "OBJ_VAN"},
    {19, "OBJ_VAN_SHADOW"}, {20, "OBJ_LETTERS"}, {21, "OBJ_LETTERS1"}, {22, "OBJ_NEWSHOP"},
    {23, "OBJ_SHOPMAIN"}, {24, "OBJ_SEAGULL"}, {25, "OBJ_SEAGULL2"}, {26, "OBJ_DANCER"},
    {27, "OBJ_DANCER1"}, {28, "OBJ_GALLERY"}, {29, "OBJ_SCORING"}, {30, "OBJ_GALLERY_START"},
    {31, "OBJ_CAMP_BUSTED"}, {32, "OBJ_ARTY"}, {33, "OBJ_FATMAN"}, {34, "OBJ_GENERAL"},
    {35, "OBJ_BETSY_TIED"}, {36, "OBJ_CARD_START"}, {37, "OBJ_LIGHT"}, {38, "OBJ_LIGHT1"},
    {40, "OBJ_PATCHES"}, {41, "OBJ_DOGMATE"}, {42, "OBJ_EVENT"}, {43, "OBJ_SCARE"},
    {44, "OBJ_MUSICBOX"}, {45, "OBJ_MEDALBOX"}, {46, "OBJ_DODGYDAN"}, {47, "OBJ_SPY"},
    {48, "OBJ_UPGRADE"}, {49, "OBJ_BOATGIRL"}, {50, "OBJ_BATTLESHIP"}, {51, "OBJ_SUB_INTRO"},
    {52, "OBJ_MAP"}, {53, "OBJ_SPY_RESCUE"}, {54, "OBJ_SPY_CAMP"}, {55, "OBJ_MADMAN"},
    {56, "OBJ_SPLASH"}, {57, "OBJ_ADMIRAL"}, {58, "OBJ_ADMIRAL_D"}, {59, "OBJ_ADMIRAL_SUB"},
    {60, "OBJ_DINGHY"}, {61, "OBJ_TELESCOPE"}, {62, "OBJ_SWITCH"}, {63, "OBJ_MONK"},
    {64, "OBJ_MAUSER"}, {65, "OBJ_ZARVOK"}, {66, "OBJ_HQ_FATMAN"}, {67, "OBJ_NUN"},
    {68, "OBJ_BOSS_M"}, {69, "OBJ_BOSS_M1"}, {70, "OBJ_CHEF"}, {71, "OBJ_PRISON"},
    {72, "OBJ_RESCUE"}, {73, "OBJ_PROF_ZARVOK"}, {74, "OBJ_HQ_BETSY"}, {75, "OBJ_AIRPLANE"},
    {76, "OBJ_AIRPLANE1"}, {77, "OBJ_SCARECROW"}, {78, "OBJ_NUN1"}, {79, "OBJ_COMMAND"},
    {80, "OBJ_SWITCH1"}, {81, "OBJ_MISSILEL"}, {82, "OBJ_CLAY"}, {83, "OBJ_BETSY4"},
    {84, "OBJ_KNIFE"},
};
} // namespace obj_kind
// unqualified
using obj_kind::OBJ_NONE; using obj_kind::OBJ_BETSY; using obj_kind::OBJ_MEDIC;
using obj_kind::OBJ_SHOP; using obj_kind::OBJ_TALK1; using obj_kind::OBJ_TALK2;
using obj_kind::OBJ_SELL; using obj_kind::OBJ_LADDER; using obj_kind::OBJ_INFO;
using obj_kind::OBJ_NOCOL; using obj_kind::OBJ_DRILL; using obj_kind::OBJ_HELMUTT;
using obj_kind::OBJ_BABE; using obj_kind::OBJ_KING; using obj_kind::OBJ_WAGES;
using obj_kind::OBJ_CASINO; using obj_kind::OBJ_STARTUP; using obj_kind::OBJ_VAN;
using obj_kind::OBJ_VAN_SHADOW; using obj_kind::OBJ_LETTERS; using obj_kind::OBJ_LETTERS1;
using obj_kind::OBJ_NEWSHOP; using obj_kind::OBJ_SHOPMAIN; using obj_kind::OBJ_SEAGULL;
using obj_kind::OBJ_SEAGULL2; using obj_kind::OBJ_DANCER; using obj_kind::OBJ_DANCER1;
using obj_kind::OBJ_GALLERY; using obj_kind::OBJ_SCORING; using obj_kind::OBJ_GALLERY_START;
using obj_kind::OBJ_CAMP_BUSTED; using obj_kind::OBJ_ARTY; using obj_kind::OBJ_FATMAN;
using obj_kind::OBJ_GENERAL; using obj_kind::OBJ_BETSY_TIED; using obj_kind::OBJ_CARD_START;
using obj_kind::OBJ_LIGHT; using obj_kind::OBJ_LIGHT1; using obj_kind::OBJ_PATCHES;
using obj_kind::OBJ_DOGMATE; using obj_kind::OBJ_EVENT; using obj_kind::OBJ_SCARE;
using obj_kind::OBJ_MUSICBOX; using obj_kind::OBJ_MEDALBOX; using obj_kind::OBJ_DODGYDAN;
using obj_kind::OBJ_SPY; using obj_kind::OBJ_UPGRADE; using obj_kind::OBJ_BOATGIRL;
using obj_kind::OBJ_BATTLESHIP; using obj_kind::OBJ_SUB_INTRO; using obj_kind::OBJ_MAP;
using obj_kind::OBJ_SPY_RESCUE; using obj_kind::OBJ_SPY_CAMP; using obj_kind::OBJ_MADMAN;
using obj_kind::OBJ_SPLASH; using obj_kind::OBJ_ADMIRAL; using obj_kind::OBJ_ADMIRAL_D;
using obj_kind::OBJ_ADMIRAL_SUB; using obj_kind::OBJ_DINGHY; using obj_kind::OBJ_TELESCOPE;
using obj_kind::OBJ_SWITCH; using obj_kind::OBJ_MONK; using obj_kind::OBJ_MAUSER;
using obj_kind::OBJ_ZARVOK; using obj_kind::OBJ_HQ_FATMAN; using obj_kind::OBJ_NUN;
using obj_kind::OBJ_BOSS_M; using obj_kind::OBJ_BOSS_M1; using obj_kind::OBJ_CHEF;
using obj_kind::OBJ_PRISON; using obj_kind::OBJ_RESCUE; using obj_kind::OBJ_PROF_ZARVOK;
using obj_kind::OBJ_HQ_BETSY; using obj_kind::OBJ_AIRPLANE; using obj_kind::OBJ_AIRPLANE1;
using obj_kind::OBJ_SCARECROW; using obj_kind::OBJ_NUN1; using obj_kind::OBJ_COMMAND;
using obj_kind::OBJ_SWITCH1; using obj_kind::OBJ_MISSILEL; using obj_kind::OBJ_CLAY;
using obj_kind::OBJ_BETSY4; using obj_kind::OBJ_KNIFE;

// Door types: object::sector_action of DOR objects.
namespace door_type {
inline constexpr int SINGLE = 0;
inline constexpr int DOUBLE = 1;
inline constexpr int DOUBLE_BACK = 2;
inline constexpr int BARREL = 3;
inline constexpr int CHEST = 4;
inline constexpr int DOCK = 5;
inline constexpr int HEALTH = 6;
inline constexpr int TYPE_AMMO = 7;
inline constexpr int TYPE_AMMO_RIFLE = 8;
inline constexpr int TYPE_SPARE_A = 9;
inline constexpr int TYPE_SPARE_B = 10;
inline constexpr int TYPE_SPARE_C = 11;
inline constexpr int TYPE_TREE = 12;
inline constexpr int TYPE_GOLDTREE = 13;
inline constexpr int TYPE_APPLE = 14;
inline constexpr int TYPE_GRENADE = 15;
inline constexpr int TYPE_SINGLE_DOOR = 16;
inline constexpr int TYPE_SUBMARINE = 17;
inline constexpr code_name names[] = {
    {0, "SINGLE"}, {1, "DOUBLE"}, {2, "DOUBLE-BACK"}, {3, "BARREL"}, {4, "CHEST"}, {5, "DOCK"},
    {6, "HEALTH"}, {7, "TYPE_AMMO"}, {8, "TYPE_AMMO_RIFLE"}, {9, "TYPE_SPARE_A"},
    {10, "TYPE_SPARE_B"}, {11, "TYPE_SPARE_C"}, {12, "TYPE_TREE"}, {13, "TYPE_GOLDTREE"},
    {14, "TYPE_APPLE"}, {15, "TYPE_GRENADE"}, {16, "TYPE_SINGLE_DOOR"}, {17, "TYPE_SUBMARINE"},
};
} // namespace door_type
// unqualified
using door_type::DOUBLE; using door_type::BARREL; using door_type::CHEST; using door_type::DOCK;
using door_type::HEALTH; using door_type::TYPE_AMMO; using door_type::TYPE_AMMO_RIFLE;
using door_type::TYPE_SPARE_A; using door_type::TYPE_SPARE_B; using door_type::TYPE_SPARE_C;
using door_type::TYPE_TREE; using door_type::TYPE_GOLDTREE; using door_type::TYPE_APPLE;
using door_type::TYPE_GRENADE; using door_type::TYPE_SINGLE_DOOR;
using door_type::TYPE_SUBMARINE;

// Pickup kinds: object::linked_sprite of PKU sprites placed in a scene (its own numbering,
// neither a dropped-item pickup code nor an inventory code).
namespace pickup_kind {
inline constexpr int Health = 0;
inline constexpr int Bannana = 1;
inline constexpr int Key = 2;
inline constexpr int Tube = 3;
inline constexpr int Tube_sml = 4;
inline constexpr int Tube_lrg = 5;
inline constexpr int Radio = 6;
inline constexpr int Spring = 7;
inline constexpr int Coat = 8;
inline constexpr int Laser = 9;
inline constexpr int Gear = 10;
inline constexpr int Tape = 11;
inline constexpr int Crowbar = 13;
inline constexpr int Hostage = 14;
inline constexpr int Shotgun = 20;
inline constexpr int Rocket = 21;
inline constexpr int Clip = 22;
inline constexpr int red_key = 23;
inline constexpr int blue_key = 24;
inline constexpr int yellow_key = 25;
inline constexpr int Flame = 26;
inline constexpr int Mine = 27;
inline constexpr int Pistol = 28;
inline constexpr code_name names[] = {
    {0, "Health"}, {1, "Bannana"}, {2, "Key"}, {3, "Tube"}, {4, "Tube_sml"}, {5, "Tube_lrg"},
    {6, "Radio"}, {7, "Spring"}, {8, "Coat"}, {9, "Laser"}, {10, "Gear"}, {11, "Tape"},
    {13, "Crowbar"}, {14, "Hostage"}, {20, "Shotgun"}, {21, "Rocket"}, {22, "Clip"},
    {23, "red key"}, {24, "blue key"}, {25, "yellow key"}, {26, "Flame"}, {27, "Mine"},
    {28, "Pistol"},
};
} // namespace pickup_kind
// unqualified
using pickup_kind::Health; using pickup_kind::Bannana; using pickup_kind::Key;
using pickup_kind::Tube; using pickup_kind::Tube_sml; using pickup_kind::Tube_lrg;
using pickup_kind::Radio; using pickup_kind::Spring; using pickup_kind::Coat;
using pickup_kind::Laser; using pickup_kind::Gear; using pickup_kind::Tape;
using pickup_kind::Crowbar; using pickup_kind::Hostage; using pickup_kind::Shotgun;
using pickup_kind::Rocket; using pickup_kind::Clip; using pickup_kind::Flame;
using pickup_kind::Mine; using pickup_kind::Pistol;

// Player health state: object::score of PLY.
namespace health_state {
inline constexpr int FULLHEALTH = 1;
inline constexpr int LOWHEALTH = 2;
inline constexpr code_name names[] = {
    {1, "FULLHEALTH"}, {2, "LOWHEALTH"},
};
} // namespace health_state
// unqualified
using health_state::FULLHEALTH; using health_state::LOWHEALTH;

// Bounce switch: object::score of JBK.
namespace bounce_switch {
inline constexpr int OFF = 0;
inline constexpr int ON = 1;
inline constexpr code_name names[] = {
    {0, "OFF"}, {1, "ON"},
};
} // namespace bounce_switch

// Mover death effect: object::score of MOV (0 is on, 1 is off).
namespace mover_death {
inline constexpr int ON = 0;
inline constexpr int OFF = 1;
inline constexpr int VEHICLE = 2;
inline constexpr int TYPE_EMY = 3;
inline constexpr int ELEVATOR = 4;
inline constexpr code_name names[] = {
    {0, "ON"}, {1, "OFF"}, {2, "VEHICLE"}, {3, "TYPE-EMY"}, {4, "ELEVATOR"},
};
} // namespace mover_death
// unqualified
using mover_death::VEHICLE; using mover_death::ELEVATOR;

// Linked companion: object::linked_sprite of OBJ.
namespace linked_comp {
inline constexpr int LINKED_NONE = 0;
inline constexpr int LINKED_SEAGULL = 1;
inline constexpr int LINKED_SEAGULL2 = 2;
inline constexpr int LINKED_DOG = 3;
inline constexpr int LINKED_BUOY = 4;
inline constexpr int LINKED_DRIP = 5;
inline constexpr int LINKED_SNIPER = 6;
inline constexpr code_name names[] = {
    {0, "LINKED_NONE"}, {1, "LINKED_SEAGULL"}, {2, "LINKED_SEAGULL2"}, {3, "LINKED_DOG"},
    {4, "LINKED_BUOY"}, {5, "LINKED_DRIP"}, {6, "LINKED_SNIPER"},
};
} // namespace linked_comp
// unqualified
using linked_comp::LINKED_NONE; using linked_comp::LINKED_SEAGULL;
using linked_comp::LINKED_SEAGULL2; using linked_comp::LINKED_DOG;
using linked_comp::LINKED_BUOY; using linked_comp::LINKED_DRIP;
using linked_comp::LINKED_SNIPER;

// Light switch state: object::linked_sprite of OBJ of kind OBJ_LIGHT or OBJ_LIGHT1.
namespace light_switch {
inline constexpr int LIGHT_OFF = 0;
inline constexpr int LIGHT_ON = 1;
inline constexpr code_name names[] = {
    {0, "LIGHT_OFF"}, {1, "LIGHT_ON"},
};
} // namespace light_switch
// unqualified
using light_switch::LIGHT_OFF; using light_switch::LIGHT_ON;

// Light kind: object::onCreate_action of OBJ of kind OBJ_LIGHT1.
namespace light_kind {
inline constexpr int LIGHT_TORCH = 0;
inline constexpr int LIGHT_ELECTRIC = 1;
inline constexpr code_name names[] = {
    {0, "LIGHT_TORCH"}, {1, "LIGHT_ELECTRIC"},
};
} // namespace light_kind
// unqualified
using light_kind::LIGHT_TORCH; using light_kind::LIGHT_ELECTRIC;

// Bin type: object::linked_sprite of BIN.
namespace bin_type {
inline constexpr int WASTEBIN = 0;
inline constexpr int DRAWER = 1;
inline constexpr code_name names[] = {
    {0, "WASTEBIN"}, {1, "DRAWER"},
};
} // namespace bin_type
// unqualified
using bin_type::WASTEBIN; using bin_type::DRAWER;

// Switch requirement: object::linked_sprite of SWI.
namespace switch_req {
inline constexpr int NON = -1;
inline constexpr int KEY = 0;
inline constexpr int BANNANA = 1;
inline constexpr int PASSWORD = 2;
inline constexpr int ORDER = 3;
inline constexpr int GEAR = 4;
inline constexpr int TAPE = 5;
inline constexpr int CROWBAR = 6;
inline constexpr code_name names[] = {
    {-1, "NON"}, {0, "KEY"}, {1, "BANNANA"}, {2, "PASSWORD"}, {3, "ORDER"}, {4, "GEAR"},
    {5, "TAPE"}, {6, "CROWBAR"},
};
} // namespace switch_req
// unqualified
using switch_req::KEY; using switch_req::BANNANA; using switch_req::PASSWORD;
using switch_req::ORDER; using switch_req::GEAR; using switch_req::TAPE;
using switch_req::CROWBAR;

// Box contents: object::linked_sprite of BOX.
namespace box_contents {
inline constexpr int BOX_AMMO = 0;
inline constexpr int BOX_NON = 1;
inline constexpr int BOX_HEALTH = 2;
inline constexpr int BOX_RND = 3;
inline constexpr code_name names[] = {
    {0, "BOX_AMMO"}, {1, "BOX_NON"}, {2, "BOX_HEALTH"}, {3, "BOX_RND"},
};
} // namespace box_contents
// unqualified
using box_contents::BOX_AMMO; using box_contents::BOX_NON; using box_contents::BOX_HEALTH;
using box_contents::BOX_RND;

// Side: object::linked_sprite of UNT and BAG, and of every front-end element (COMPUTER only
// there).
namespace side_code {
inline constexpr int SERVER = 0;
inline constexpr int CLIENT1 = 1;
inline constexpr int CLIENT2 = 2;
inline constexpr int CLIENT3 = 3;
inline constexpr int COMPUTER = 4;
inline constexpr code_name names[] = {
    {0, "SERVER"}, {1, "CLIENT1"}, {2, "CLIENT2"}, {3, "CLIENT3"}, {4, "COMPUTER"},
};
} // namespace side_code
// unqualified
using side_code::SERVER; using side_code::CLIENT1; using side_code::CLIENT2;
using side_code::CLIENT3; using side_code::COMPUTER;

// Portal flag: object::mouseover of TRI, LAD and SWI (false is the portal).
namespace portal_flag {
inline constexpr int IS_A_PORTAL = 0;
inline constexpr int NOT_A_PORTAL = 1;
inline constexpr code_name names[] = {
    {0, "IS_A_PORTAL"}, {1, "NOT_A_PORTAL"},
};
} // namespace portal_flag
// unqualified
using portal_flag::IS_A_PORTAL; using portal_flag::NOT_A_PORTAL;

// Button flag: object::mouseover of CUT and LVL.
namespace button_flag {
inline constexpr int BUTTON_OFF = 0;
inline constexpr int BUTTON_ON = 1;
inline constexpr code_name names[] = {
    {0, "BUTTON-OFF"}, {1, "BUTTON-ON"},
};
} // namespace button_flag

// Move flag: object::mouseover of ZAP.
namespace move_flag {
inline constexpr int MOVE_OFF = 0;
inline constexpr int MOVE_ON = 1;
inline constexpr code_name names[] = {
    {0, "MOVE-OFF"}, {1, "MOVE-ON"},
};
} // namespace move_flag

// Reset flag: object::mouseover of SWI.
namespace reset_flag {
inline constexpr int RESET_OFF = 0;
inline constexpr int RESET_ON = 1;
inline constexpr code_name names[] = {
    {0, "RESET-OFF"}, {1, "RESET-ON"},
};
} // namespace reset_flag

// Hit type: object::sector of SWI and DOR.
namespace hit_type {
inline constexpr int HIT_PLAYER = 0;
inline constexpr int HIT_VEHICLE = 1;
inline constexpr int HIT_BUDDY = 2;
inline constexpr code_name names[] = {
    {0, "HIT_PLAYER"}, {1, "HIT_VEHICLE"}, {2, "HIT_BUDDY"},
};
} // namespace hit_type
// unqualified
using hit_type::HIT_PLAYER; using hit_type::HIT_VEHICLE; using hit_type::HIT_BUDDY;

// Alignment: object::sector_action of TRI, LAD and SWI (0 is RIGHT, every other value LEFT; see
// Is_Left_Aligned).
namespace alignment {
inline constexpr int RIGHT = 0;
inline constexpr int LEFT = 1;
inline constexpr code_name names[] = {
    {0, "RIGHT"}, {1, "LEFT"},
};
} // namespace alignment

// Door spawn switch: object::rank of DOR.
namespace door_spawn {
inline constexpr int ON = 0;
inline constexpr int OFF = 1;
inline constexpr code_name names[] = {
    {0, "ON"}, {1, "OFF"},
};
} // namespace door_spawn

// Tall flag: object::rank of TRI.
namespace tall_flag {
inline constexpr int NO = 0;
inline constexpr int YES = 1;
inline constexpr code_name names[] = {
    {0, "NO"}, {1, "YES"},
};
} // namespace tall_flag
// unqualified
using tall_flag::YES;

// Ladder visibility: object::rank of LAD (other values have no name).
namespace ladder_vis {
inline constexpr int NO = -1;
inline constexpr code_name names[] = {
    {-1, "NO"},
};
} // namespace ladder_vis

// Sleep rule: object::rank of OBJ.
namespace sleep_rule {
inline constexpr int NO = 0;
inline constexpr int ANIM_PLUS_1 = 1;
inline constexpr int ANIM_PLUS_2 = 2;
inline constexpr int DAY_ONLY = 3;
inline constexpr int NIGHT_ONLY = 4;
inline constexpr code_name names[] = {
    {0, "NO"}, {1, "ANIM+1"}, {2, "ANIM+2"}, {3, "DAY_ONLY"}, {4, "NIGHT_ONLY"},
};
} // namespace sleep_rule
// unqualified
using sleep_rule::DAY_ONLY; using sleep_rule::NIGHT_ONLY;

// Movability: object::onDeath_action of units of class BOMBER and UNIT_MORTAR.
namespace movability {
inline constexpr int MOVABLE = 0;
inline constexpr int UNMOVABLE = 1;
inline constexpr int TURRET = 2;
inline constexpr int TANK_TOP = 3;
inline constexpr code_name names[] = {
    {0, "MOVABLE"}, {1, "UNMOVABLE"}, {2, "TURRET"}, {3, "TANK_TOP"},
};
} // namespace movability
// unqualified
using movability::MOVABLE; using movability::UNMOVABLE; using movability::TURRET;
using movability::TANK_TOP;

// Special animation: object::onDeath_action of units of every other class (negative is OFF, n >=
// 0 is PLAY_ANIMn; see Special_Anim_Name).
namespace special_anim {
inline constexpr int OFF = -1;
inline constexpr int PLAY_ANIM0 = 0;
inline constexpr int PLAY_ANIM1 = 1;
inline constexpr int PLAY_ANIM2 = 2;
inline constexpr int PLAY_ANIM3 = 3;
inline constexpr int PLAY_ANIM4 = 4;
inline constexpr int PLAY_ANIM5 = 5;
inline constexpr int PLAY_ANIM6 = 6;
inline constexpr int PLAY_ANIM7 = 7;
inline constexpr int PLAY_ANIM8 = 8;
inline constexpr int PLAY_ANIM9 = 9;
inline constexpr code_name names[] = {
    {-1, "OFF"}, {0, "PLAY_ANIM0"}, {1, "PLAY_ANIM1"}, {2, "PLAY_ANIM2"}, {3, "PLAY_ANIM3"},
    {4, "PLAY_ANIM4"}, {5, "PLAY_ANIM5"}, {6, "PLAY_ANIM6"}, {7, "PLAY_ANIM7"},
    {8, "PLAY_ANIM8"}, {9, "PLAY_ANIM9"},
};
} // namespace special_anim
// unqualified
using special_anim::PLAY_ANIM0; using special_anim::PLAY_ANIM1; using special_anim::PLAY_ANIM2;
using special_anim::PLAY_ANIM3; using special_anim::PLAY_ANIM4; using special_anim::PLAY_ANIM5;
using special_anim::PLAY_ANIM6; using special_anim::PLAY_ANIM7; using special_anim::PLAY_ANIM8;
using special_anim::PLAY_ANIM9;

// Shark speed: object::onCreate of units of class UNIT_SHARK (the heading in onDeath_action uses
// the directions).
namespace shark_speed {
inline constexpr int SHARK_FAST = 0;
inline constexpr int SHARK_MEDIUM = 1;
inline constexpr int SHARK_SLOW = 2;
inline constexpr int SHARK_BACK_FAST = 3;
inline constexpr int SHARK_BACK_MEDIUM = 4;
inline constexpr int SHARK_BACK_SLOW = 5;
inline constexpr code_name names[] = {
    {0, "SHARK_FAST"}, {1, "SHARK_MEDIUM"}, {2, "SHARK_SLOW"}, {3, "SHARK_BACK_FAST"},
    {4, "SHARK_BACK_MEDIUM"}, {5, "SHARK_BACK_SLOW"},
};
} // namespace shark_speed
// unqualified
using shark_speed::SHARK_FAST; using shark_speed::SHARK_MEDIUM; using shark_speed::SHARK_SLOW;
using shark_speed::SHARK_BACK_FAST; using shark_speed::SHARK_BACK_MEDIUM;
using shark_speed::SHARK_BACK_SLOW;

// Zap type: object::onDeath_action of ZAP in world scenes.
namespace zap_type {
inline constexpr int TYPE_ZAPPER = 0;
inline constexpr int TYPE_GRABBER = 1;
inline constexpr code_name names[] = {
    {0, "TYPE_ZAPPER"}, {1, "TYPE_GRABBER"},
};
} // namespace zap_type
// unqualified
using zap_type::TYPE_ZAPPER; using zap_type::TYPE_GRABBER;

// Start-button kind: object::onDeath_action of FE_START in front-end scenes.
namespace start_kind {
inline constexpr int TYPE_BACK = 0;
inline constexpr int TYPE_START = 1;
inline constexpr int TYPE_OPTIONS = 2;
inline constexpr int TYPE_CREDITS = 3;
inline constexpr code_name names[] = {
    {0, "TYPE_BACK"}, {1, "TYPE_START"}, {2, "TYPE_OPTIONS"}, {3, "TYPE_CREDITS"},
};
} // namespace start_kind
// unqualified
using start_kind::TYPE_BACK; using start_kind::TYPE_START; using start_kind::TYPE_OPTIONS;
using start_kind::TYPE_CREDITS;

// Cover kind: object::onCreate of OBJ, DOR and BAG (other values have no name).
namespace cover_kind {
inline constexpr int DUCKABLE = 1;
inline constexpr int SHOOTTHRU = 2;
inline constexpr code_name names[] = {
    {1, "DUCKABLE"}, {2, "SHOOTTHRU"},
};
} // namespace cover_kind
// unqualified
using cover_kind::DUCKABLE; using cover_kind::SHOOTTHRU;

// Start point: object::onCreate of LVL.
namespace start_point {
inline constexpr int DSPAWN_POINT_1 = 1;
inline constexpr int DSPAWN_POINT_2 = 2;
inline constexpr int DSPAWN_POINT_3 = 3;
inline constexpr int DSPAWN_POINT_4 = 4;
inline constexpr int DSPAWN_POINT_5 = 5;
inline constexpr int DSPAWN_POINT_6 = 6;
inline constexpr code_name names[] = {
    {1, "DSPAWN_POINT_1"}, {2, "DSPAWN_POINT_2"}, {3, "DSPAWN_POINT_3"}, {4, "DSPAWN_POINT_4"},
    {5, "DSPAWN_POINT_5"}, {6, "DSPAWN_POINT_6"},
};
} // namespace start_point
// unqualified
using start_point::DSPAWN_POINT_1; using start_point::DSPAWN_POINT_2;
using start_point::DSPAWN_POINT_3; using start_point::DSPAWN_POINT_4;
using start_point::DSPAWN_POINT_5; using start_point::DSPAWN_POINT_6;

// Sector command: object::onCreate_action of every type except TRI, LAD, ALM, CUT, TEL and BUT.
namespace sector_cmd {
inline constexpr int RESET = 0;
inline constexpr int SEC_PLAY_ANIM0 = 1;
inline constexpr int SEC_PLAY_ANIM1 = 2;
inline constexpr int SEC_PLAY_ANIM2 = 3;
inline constexpr int SEC_PLAY_ANIM3 = 4;
inline constexpr int SEC_AI_NONE = 5;
inline constexpr int SEC_AI_ATTACK = 6;
inline constexpr int SEC_AI_DEFEND = 7;
inline constexpr int SEC_COL = 8;
inline constexpr int SEC_NOCOL = 9;
inline constexpr code_name names[] = {
    {0, "RESET"}, {1, "SEC_PLAY_ANIM0"}, {2, "SEC_PLAY_ANIM1"}, {3, "SEC_PLAY_ANIM2"},
    {4, "SEC_PLAY_ANIM3"}, {5, "SEC_AI_NONE"}, {6, "SEC_AI_ATTACK"}, {7, "SEC_AI_DEFEND"},
    {8, "SEC_COL"}, {9, "SEC_NOCOL"},
};
} // namespace sector_cmd
// unqualified
using sector_cmd::SEC_PLAY_ANIM0; using sector_cmd::SEC_PLAY_ANIM1;
using sector_cmd::SEC_PLAY_ANIM2; using sector_cmd::SEC_PLAY_ANIM3;
using sector_cmd::SEC_AI_NONE; using sector_cmd::SEC_AI_ATTACK; using sector_cmd::SEC_AI_DEFEND;
using sector_cmd::SEC_COL; using sector_cmd::SEC_NOCOL;

// Key colour: object::onCreate_action of TRI, LAD, ALM, CUT, TEL and BUT.
namespace key_colour {
inline constexpr int NO = 0;
inline constexpr int RED = 1;
inline constexpr int BLUE = 2;
inline constexpr int YELLOW = 3;
inline constexpr code_name names[] = {
    {0, "NO"}, {1, "RED"}, {2, "BLUE"}, {3, "YELLOW"},
};
} // namespace key_colour
// unqualified
using key_colour::RED; using key_colour::BLUE; using key_colour::YELLOW;

// Hallway: object::onCreate_action of LVL (other values have no name).
namespace hallway_code {
inline constexpr int RESET = 0;
inline constexpr code_name names[] = {
    {0, "RESET"},
};
} // namespace hallway_code

// Global flag: object::global_flag of every object (other values are flag numbers).
namespace global_flag_code {
inline constexpr int NONE = 0;
inline constexpr code_name names[] = {
    {0, "NONE"},
};
} // namespace global_flag_code

// Game modes: game_mode (the same values as MODE_NORM..MODE_WORLD).
namespace gmode {
inline constexpr int norm = 0;
inline constexpr int game = 1;
inline constexpr int cine = 2;
inline constexpr int walk = 3;
inline constexpr int front = 4;
inline constexpr int world = 5;
inline constexpr code_name names[] = {
    {0, "norm"}, {1, "game"}, {2, "cine"}, {3, "walk"}, {4, "front"}, {5, "world"},
};
} // namespace gmode

// Scene types: g_type.
namespace scene_type {
inline constexpr int NON = 0;
inline constexpr int ACT = 1;
inline constexpr int FGT = 2;
inline constexpr int WLK = 3;
inline constexpr int BLK = 4;
inline constexpr int SHT = 5;
inline constexpr int SGN = 6;
inline constexpr int STS = 7;
inline constexpr int ZIN = 8;
inline constexpr int ZOT = 9;
inline constexpr int SLI = 10;
inline constexpr int FLL = 11;
inline constexpr int FLY = 12;
inline constexpr int OLD = 13;
inline constexpr code_name names[] = {
    {0, "NON"}, {1, "ACT"}, {2, "FGT"}, {3, "WLK"}, {4, "BLK"}, {5, "SHT"}, {6, "SGN"},
    {7, "STS"}, {8, "ZIN"}, {9, "ZOT"}, {10, "SLI"}, {11, "FLL"}, {12, "FLY"}, {13, "OLD"},
};
} // namespace scene_type
// unqualified
using scene_type::ACT; using scene_type::FGT; using scene_type::WLK; using scene_type::BLK;
using scene_type::SHT; using scene_type::SGN; using scene_type::STS; using scene_type::ZIN;
using scene_type::ZOT; using scene_type::SLI; using scene_type::FLL; using scene_type::OLD;

// Music loops: music_loop (NON is no music).
namespace music_code {
inline constexpr int NON = 0;
inline constexpr int TITLE = 1;
inline constexpr int DUNGEON = 2;
inline constexpr int BOOT = 3;
inline constexpr int FRONT = 4;
inline constexpr int BEACH = 5;
inline constexpr int BOSS = 6;
inline constexpr int CAMP = 7;
inline constexpr int SAD = 8;
inline constexpr int DGNB = 9;
inline constexpr int FINAL = 10;
inline constexpr int DANGERS = 11;
inline constexpr int INTRO = 12;
inline constexpr int FANFARE = 13;
inline constexpr int URGENCY = 14;
inline constexpr int GROOVE = 15;
inline constexpr int FANFARE2 = 16;
inline constexpr int DEATH = 17;
inline constexpr code_name names[] = {
    {0, "NON"}, {1, "TITLE"}, {2, "DUNGEON"}, {3, "BOOT"}, {4, "FRONT"}, {5, "BEACH"},
    {6, "BOSS"}, {7, "CAMP"}, {8, "SAD"}, {9, "DGNB"}, {10, "FINAL"}, {11, "DANGERS"},
    {12, "INTRO"}, {13, "FANFARE"}, {14, "URGENCY"}, {15, "GROOVE"}, {16, "FANFARE2"},
    {17, "DEATH"},
};
} // namespace music_code
// unqualified
using music_code::TITLE; using music_code::DUNGEON; using music_code::BOOT;
using music_code::FRONT; using music_code::BEACH; using music_code::BOSS;
using music_code::CAMP; using music_code::SAD; using music_code::DGNB; using music_code::FINAL;
using music_code::DANGERS; using music_code::INTRO; using music_code::FANFARE;
using music_code::URGENCY; using music_code::GROOVE; using music_code::FANFARE2;
using music_code::DEATH;

// Levels: Level, and object::sector of TRI and LAD (Level -1, set by the scene loader, has no
// name: LEVEL_UNNAMED).
namespace level_code {
inline constexpr int LVL_BASE = 0;
inline constexpr int LVL_HIGHWAY = 1;
inline constexpr int LVL_VILLAGE = 2;
inline constexpr int LVL_WINDMILL = 4;
inline constexpr int LVL_ESCAPE = 5;
inline constexpr int LVL_TRAINING = 6;
inline constexpr int LVL_CASINO = 7;
inline constexpr int LVL_CONVOY = 8;
inline constexpr int LVL_SUPPLIES = 9;
inline constexpr int LVL_BUNKER_A = 10;
inline constexpr int LVL_BUNKER_B = 11;
inline constexpr int LVL_BUNKER_C = 12;
inline constexpr int LVL_TEST = 13;
inline constexpr int LVL_CAVE = 15;
inline constexpr int LVL_GALLERY = 16;
inline constexpr int LVL_ROADWAY = 17;
inline constexpr int LVL_ACT2 = 18;
inline constexpr int LVL_BASEMENT_A = 19;
inline constexpr int LVL_BASEMENT_B = 20;
inline constexpr int LVL_BASEMENT_C = 21;
inline constexpr int LVL_ACT3 = 22;
inline constexpr int LVL_CELLAR = 23;
inline constexpr int LVL_CARDS = 24;
inline constexpr int LVL_PIRATE = 25;
inline constexpr int LVL_FILE_SELECT = 26;
inline constexpr int LVL_MENU = 27;
inline constexpr int LVL_TENT = 28;
inline constexpr int LVL_ORCHARD = 29;
inline constexpr int LVL_BAY = 30;
inline constexpr int LVL_TUNNEL = 31;
inline constexpr int LVL_BOATYARD = 32;
inline constexpr int LVL_BATTLESHIP = 33;
inline constexpr int LVL_SUB_PEN = 34;
inline constexpr int LVL_CLIFFS = 35;
inline constexpr int LVL_SECRET_LAB = 36;
inline constexpr int LVL_BOTTOM_LAB = 37;
inline constexpr int LVL_BOOT_ROAD = 38;
inline constexpr int LVL_BEACH_ROAD = 39;
inline constexpr int LVL_BETSY = 40;
inline constexpr int LVL_SARGE = 41;
inline constexpr int LVL_GLASSES = 42;
inline constexpr int LVL_TUNE = 43;
inline constexpr int LVL_JACK = 44;
inline constexpr int LVL_SHOP = 45;
inline constexpr int LVL_DOGMAN = 46;
inline constexpr int LVL_GLASSES_START = 47;
inline constexpr int LVL_PATCHES = 48;
inline constexpr int LVL_CLOSED = 49;
inline constexpr int LVL_TRANS_BEACH = 50;
inline constexpr int LVL_TRANS_CAMP = 51;
inline constexpr int LVL_TRANS_CAMP1 = 52;
inline constexpr int LVL_TRANS_BOOT = 53;
inline constexpr int LVL_TRANS_FRONT = 54;
inline constexpr int LVL_TRANS_CAMP2 = 55;
inline constexpr int LVL_TRENCH_A = 56;
inline constexpr int LVL_TRENCH_B = 57;
inline constexpr int LVL_SH00T_TRENCH = 58;
inline constexpr int LVL_FORTRESS = 59;
inline constexpr int LVL_CHEF = 60;
inline constexpr int LVL_LIBRARY = 61;
inline constexpr int LVL_VAULTS = 62;
inline constexpr int LVL_DUNGEON = 63;
inline constexpr int LVL_AIRFIELD = 64;
inline constexpr int LVL_FARMS = 65;
inline constexpr int LVL_FARMS1 = 66;
inline constexpr int LVL_TRANS_FORK = 67;
inline constexpr int LVL_TRANS_FORK1 = 68;
inline constexpr int LVL_TRANS_FORK2 = 69;
inline constexpr int LVL_TRANS_FORK3 = 70;
inline constexpr int LVL_TRANS_VILLAGE = 71;
inline constexpr int LVL_CONTROL = 72;
inline constexpr int LVL_CONTROLROOM = 73;
inline constexpr int LVL_SILO1 = 74;
inline constexpr int LVL_SILO2 = 75;
inline constexpr int LVL_SILO3 = 76;
inline constexpr int LVL_SILO4 = 77;
inline constexpr int LVL_SUPER = 78;
inline constexpr int LVL_SUPER1 = 79;
inline constexpr int LVL_MISSILEL = 80;
inline constexpr int LVL_TUNNELS = 81;
inline constexpr int LVL_BETSY4 = 82;
inline constexpr code_name names[] = {
    {0, "LVL_BASE"}, {1, "LVL_HIGHWAY"}, {2, "LVL_VILLAGE"}, {4, "LVL_WINDMILL"},
    {5, "LVL_ESCAPE"}, {6, "LVL_TRAINING"}, {7, "LVL_CASINO"}, {8, "LVL_CONVOY"},
    {9, "LVL_SUPPLIES"}, {10, "LVL_BUNKER_A"}, {11, "LVL_BUNKER_B"}, {12, "LVL_BUNKER_C"},
    {13, "LVL_TEST"}, {15, "LVL_CAVE"}, {16, "LVL_GALLERY"}, {17, "LVL_ROADWAY"},
    {18, "LVL_ACT2"}, {19, "LVL_BASEMENT_A"}, {20, "LVL_BASEMENT_B"}, {21, "LVL_BASEMENT_C"},
    {22, "LVL_ACT3"}, {23, "LVL_CELLAR"}, {24, "LVL_CARDS"}, {25, "LVL_PIRATE"},
    {26, "LVL_FILE_SELECT"}, {27, "LVL_MENU"}, {28, "LVL_TENT"}, {29, "LVL_ORCHARD"},
    {30, "LVL_BAY"}, {31, "LVL_TUNNEL"}, {32, "LVL_BOATYARD"}, {33, "LVL_BATTLESHIP"},
    {34, "LVL_SUB_PEN"}, {35, "LVL_CLIFFS"}, {36, "LVL_SECRET_LAB"}, {37, "LVL_BOTTOM_LAB"},
    {38, "LVL_BOOT_ROAD"}, {39, "LVL_BEACH_ROAD"}, {40, "LVL_BETSY"}, {41, "LVL_SARGE"},
    {42, "LVL_GLASSES"}, {43, "LVL_TUNE"}, {44, "LVL_JACK"}, {45, "LVL_SHOP"},
    {46, "LVL_DOGMAN"}, {47, "LVL_GLASSES_START"}, {48, "LVL_PATCHES"}, {49, "LVL_CLOSED"},
    {50, "LVL_TRANS_BEACH"}, {51, "LVL_TRANS_CAMP"}, {52, "LVL_TRANS_CAMP1"},
    {53, "LVL_TRANS_BOOT"}, {54, "LVL_TRANS_FRONT"}, {55, "LVL_TRANS_CAMP2"},
    {56, "LVL_TRENCH_A"}, {57, "LVL_TRENCH_B"}, {58, "LVL_SH00T_TRENCH"}, {59, "LVL_FORTRESS"},
    {60, "LVL_CHEF"}, {61, "LVL_LIBRARY"}, {62, "LVL_VAULTS"}, {63, "LVL_DUNGEON"},
    {64, "LVL_AIRFIELD"}, {65, "LVL_FARMS"}, {66, "LVL_FARMS1"}, {67, "LVL_TRANS_FORK"},
    {68, "LVL_TRANS_FORK1"}, {69, "LVL_TRANS_FORK2"}, {70, "LVL_TRANS_FORK3"},
    {71, "LVL_TRANS_VILLAGE"}, {72, "LVL_CONTROL"}, {73, "LVL_CONTROLROOM"}, {74, "LVL_SILO1"},
    {75, "LVL_SILO2"}, {76, "LVL_SILO3"}, {77, "LVL_SILO4"}, {78, "LVL_SUPER"},
    {79, "LVL_SUPER1"}, {80, "LVL_MISSILEL"}, {81, "LVL_TUNNELS"}, {82, "LVL_BETSY4"},
};
} // namespace level_code
// unqualified
using level_code::LVL_BASE; using level_code::LVL_HIGHWAY; using level_code::LVL_VILLAGE;
using level_code::LVL_WINDMILL; using level_code::LVL_ESCAPE; using level_code::LVL_TRAINING;
using level_code::LVL_CASINO; using level_code::LVL_CONVOY; using level_code::LVL_SUPPLIES;
using level_code::LVL_BUNKER_A; using level_code::LVL_BUNKER_B; using level_code::LVL_BUNKER_C;
using level_code::LVL_TEST; using level_code::LVL_CAVE; using level_code::LVL_GALLERY;
using level_code::LVL_ROADWAY; using level_code::LVL_ACT2; using level_code::LVL_BASEMENT_A;
using level_code::LVL_BASEMENT_B; using level_code::LVL_BASEMENT_C; using level_code::LVL_ACT3;
using level_code::LVL_CELLAR; using level_code::LVL_CARDS; using level_code::LVL_PIRATE;
using level_code::LVL_FILE_SELECT; using level_code::LVL_MENU; using level_code::LVL_TENT;
using level_code::LVL_ORCHARD; using level_code::LVL_BAY; using level_code::LVL_TUNNEL;
using level_code::LVL_BOATYARD; using level_code::LVL_BATTLESHIP; using level_code::LVL_SUB_PEN;
using level_code::LVL_CLIFFS; using level_code::LVL_SECRET_LAB;
using level_code::LVL_BOTTOM_LAB; using level_code::LVL_BOOT_ROAD;
using level_code::LVL_BEACH_ROAD; using level_code::LVL_BETSY; using level_code::LVL_SARGE;
using level_code::LVL_GLASSES; using level_code::LVL_TUNE; using level_code::LVL_JACK;
using level_code::LVL_SHOP; using level_code::LVL_DOGMAN; using level_code::LVL_GLASSES_START;
using level_code::LVL_PATCHES; using level_code::LVL_CLOSED; using level_code::LVL_TRANS_BEACH;
using level_code::LVL_TRANS_CAMP; using level_code::LVL_TRANS_CAMP1;
using level_code::LVL_TRANS_BOOT; using level_code::LVL_TRANS_FRONT;
using level_code::LVL_TRANS_CAMP2; using level_code::LVL_TRENCH_A;
using level_code::LVL_TRENCH_B; using level_code::LVL_SH00T_TRENCH;
using level_code::LVL_FORTRESS; using level_code::LVL_CHEF; using level_code::LVL_LIBRARY;
using level_code::LVL_VAULTS; using level_code::LVL_DUNGEON; using level_code::LVL_AIRFIELD;
using level_code::LVL_FARMS; using level_code::LVL_FARMS1; using level_code::LVL_TRANS_FORK;
using level_code::LVL_TRANS_FORK1; using level_code::LVL_TRANS_FORK2;
using level_code::LVL_TRANS_FORK3; using level_code::LVL_TRANS_VILLAGE;
using level_code::LVL_CONTROL; using level_code::LVL_CONTROLROOM; using level_code::LVL_SILO1;
using level_code::LVL_SILO2; using level_code::LVL_SILO3; using level_code::LVL_SILO4;
using level_code::LVL_SUPER; using level_code::LVL_SUPER1; using level_code::LVL_MISSILEL;
using level_code::LVL_TUNNELS; using level_code::LVL_BETSY4;

// Mission codes: object::sector of OBJ; linked_sprite of TRI, LAD and SWI; score of FE_ACCEPT. A
// code >= 0 indexes main_mission (values 2 and 4 have no name).
namespace mission_code {
inline constexpr int MISSION_T_START = -3;
inline constexpr int MISSION_T_COMPLETE = -2;
inline constexpr int MISSION_GIVER = -1;
inline constexpr int MISSION_NONE = 0;
inline constexpr int MISSION_TRAINING = 1;
inline constexpr int MISSION_SUPPLIES = 3;
inline constexpr int MISSION_HIGHLANDERS = 5;
inline constexpr int MISSION_CONVOY = 6;
inline constexpr int MISSION_NUN = 7;
inline constexpr int MISSION_REVENGE = 8;
inline constexpr int MISSION_TRENCH = 9;
inline constexpr int MISSION_FORTRESS = 10;
inline constexpr int MISSION_WINDMILL = 11;
inline constexpr int MISSION_RADAR = 12;
inline constexpr int MISSION_SILO = 13;
inline constexpr code_name names[] = {
    {-3, "MISSION_T_START"}, {-2, "MISSION_T_COMPLETE"}, {-1, "MISSION_GIVER"},
    {0, "MISSION_NONE"}, {1, "MISSION_TRAINING"}, {3, "MISSION_SUPPLIES"},
    {5, "MISSION_HIGHLANDERS"}, {6, "MISSION_CONVOY"}, {7, "MISSION_NUN"},
    {8, "MISSION_REVENGE"}, {9, "MISSION_TRENCH"}, {10, "MISSION_FORTRESS"},
    {11, "MISSION_WINDMILL"}, {12, "MISSION_RADAR"}, {13, "MISSION_SILO"},
};
} // namespace mission_code
// unqualified
using mission_code::MISSION_T_START; using mission_code::MISSION_T_COMPLETE;
using mission_code::MISSION_GIVER; using mission_code::MISSION_NONE;
using mission_code::MISSION_TRAINING; using mission_code::MISSION_SUPPLIES;
using mission_code::MISSION_HIGHLANDERS; using mission_code::MISSION_CONVOY;
using mission_code::MISSION_NUN; using mission_code::MISSION_REVENGE;
using mission_code::MISSION_TRENCH; using mission_code::MISSION_FORTRESS;
using mission_code::MISSION_WINDMILL; using mission_code::MISSION_RADAR;
using mission_code::MISSION_SILO;

// Message ids of the speech bubbles: object::score of OBJ (except OBJ_NONE and OBJ_LIGHT1); 34
// has two names.
namespace msg_id {
inline constexpr int BUY = 1;
inline constexpr int SELL = 2;
inline constexpr int TUNNEL = 3;
inline constexpr int RELOAD = 4;
inline constexpr int ATTACK = 5;
inline constexpr int COLLECT = 6;
inline constexpr int EQUIP = 7;
inline constexpr int HELLO = 8;
inline constexpr int BETSY1 = 9;
inline constexpr int WOUND = 10;
inline constexpr int BASE = 11;
inline constexpr int HELPER = 12;
inline constexpr int STATUE = 13;
inline constexpr int MEDIC = 14;
inline constexpr int DANGER = 15;
inline constexpr int PURCHASE = 16;
inline constexpr int NEED = 17;
inline constexpr int TOILET = 18;
inline constexpr int RANK = 19;
inline constexpr int SIGHT = 20;
inline constexpr int GENERAL = 21;
inline constexpr int RETURN = 22;
inline constexpr int GENERAL2 = 23;
inline constexpr int INVFULL = 24;
inline constexpr int START = 25;
inline constexpr int MERCY = 26;
inline constexpr int LEVEL = 27;
inline constexpr int BATH = 28;
inline constexpr int MERCY_BIRD = 29;
inline constexpr int DAYTIME = 30;
inline constexpr int NIGHTTIME = 31;
inline constexpr int RESCUE = 32;
inline constexpr int TOOMANY = 33;
inline constexpr int HATCH = 34;
inline constexpr int ONMISSION1 = 34;
inline constexpr int MSG_MISSIONR = 36;
inline constexpr int FAILED = 37;
inline constexpr int SUCCESS = 38;
inline constexpr int LEAD = 39;
inline constexpr int TARGETS = 42;
inline constexpr int TARGETS_HEAD = 43;
inline constexpr int TARGETS_FULL = 44;
inline constexpr int HEADSHOT = 45;
inline constexpr int KNIFE = 46;
inline constexpr int FOOTSHOT = 47;
inline constexpr int MSG_VANMAN = 48;
inline constexpr int MSG_OUTAMMO = 49;
inline constexpr int MSG_BUNKER = 50;
inline constexpr int MSG_CAPTURED = 51;
inline constexpr int MSG_GRENADE = 52;
inline constexpr int MSG_SWIM = 53;
inline constexpr int MSG_NOUSE = 54;
inline constexpr int MSG_PISTOL = 55;
inline constexpr int MSG_LETTERS = 56;
inline constexpr int MSG_DELIVER = 57;
inline constexpr int MSG_LEVELUP = 58;
inline constexpr int MSG_TRAINTIRED = 59;
inline constexpr int MSG_DANCER = 60;
inline constexpr int MSG_DANCER1 = 61;
inline constexpr int MSG_DOG = 62;
inline constexpr int MSG_GONE = 63;
inline constexpr int MSG_ACCOMPLISHED = 64;
inline constexpr int MSG_INJURY1 = 65;
inline constexpr int MSG_INJURY2 = 66;
inline constexpr int MSG_INJURY3 = 67;
inline constexpr int MSG_INJURY4 = 68;
inline constexpr int MSG_ARTY1 = 69;
inline constexpr int MSG_ARTY2 = 70;
inline constexpr int MSG_BUDDY = 71;
inline constexpr int MSG_TANK = 72;
inline constexpr int MSG_TANK_INFO = 73;
inline constexpr int MSG_SHITTER = 74;
inline constexpr int MSG_MEDAL = 75;
inline constexpr int MSG_GOLDAPPLE = 76;
inline constexpr int MSG_SLEEP = 77;
inline constexpr int MSG_SCRAP = 78;
inline constexpr int MSG_NOPISTOL = 79;
inline constexpr int MSG_NOSHOTGUN = 80;
inline constexpr int MSG_NOMACHINE = 81;
inline constexpr int MSG_NORIFLE = 82;
inline constexpr int MSG_NOGRENADE = 83;
inline constexpr int MSG_SWITCH = 84;
inline constexpr int MSG_SCOTS = 85;
inline constexpr int MSG_GUARD = 86;
inline constexpr int MSG_DUDE = 87;
inline constexpr int MSG_GATEGUY = 88;
inline constexpr int MSG_GUY1 = 89;
inline constexpr int MSG_GUY2 = 90;
inline constexpr int MSG_OLDDEAD = 91;
inline constexpr int MSG_ROCKS = 92;
inline constexpr int MSG_INCOMING = 93;
inline constexpr int MSG_SHITTER1 = 94;
inline constexpr int MSG_TUNNEL1 = 95;
inline constexpr int MSG_ARMOUR = 96;
inline constexpr int MSG_TARGETTING = 101;
inline constexpr int MSG_HEALING = 102;
inline constexpr int MSG_LOST = 103;
inline constexpr int MSG_COVER = 104;
inline constexpr int MSG_ANTENNA = 105;
inline constexpr int MSG_MERCY_MONKEY = 106;
inline constexpr int MSG_HUMAN = 107;
inline constexpr int MSG_HUMAN1 = 108;
inline constexpr int MSG_SLEEP1 = 109;
inline constexpr int MSG_PARTY = 110;
inline constexpr int MSG_BOOBY = 111;
inline constexpr int MSG_TRIGGER = 112;
inline constexpr int MSG_SHUTTER = 113;
inline constexpr int MSG_FRONT1 = 114;
inline constexpr int MSG_FRONT2 = 115;
inline constexpr int MSG_FRONT3 = 116;
inline constexpr int MSG_FRONT4 = 117;
inline constexpr int MSG_D_FOOD = 118;
inline constexpr int MSG_D_AMMO = 119;
inline constexpr int MSG_TRENCHWAR = 120;
inline constexpr int MSG_EXPLODE = 121;
inline constexpr int MSG_ALARM = 122;
inline constexpr int MSG_PRISON = 123;
inline constexpr int MSG_HELPME = 124;
inline constexpr int MSG_MISSILE = 125;
inline constexpr int MSG_BROKEN = 126;
inline constexpr int MSG_WELCOME = 127;
inline constexpr int MSG_CELLAR = 128;
inline constexpr int MSG_CELLAR1 = 129;
inline constexpr int MSG_MORTARS = 130;
inline constexpr int MSG_HOTDATE = 131;
inline constexpr int MSG_HOTDATE1 = 132;
inline constexpr int MSG_FIXED1 = 134;
inline constexpr int MSG_FIXED2 = 135;
inline constexpr int MSG_FIXED3 = 136;
inline constexpr int MSG_FIXED4 = 137;
inline constexpr int MSG_FIXED5 = 138;
inline constexpr int MSG_FIXED6 = 139;
inline constexpr int MSG_FIXED7 = 140;
inline constexpr int MSG_EMBARASS = 141;
inline constexpr code_name names[] = {
    {1, "BUY"}, {2, "SELL"}, {3, "TUNNEL"}, {4, "RELOAD"}, {5, "ATTACK"}, {6, "COLLECT"},
    {7, "EQUIP"}, {8, "HELLO"}, {9, "BETSY1"}, {10, "WOUND"}, {11, "BASE"}, {12, "HELPER"},
    {13, "STATUE"}, {14, "MEDIC"}, {15, "DANGER"}, {16, "PURCHASE"}, {17, "NEED"},
    {18, "TOILET"}, {19, "RANK"}, {20, "SIGHT"}, {21, "GENERAL"}, {22, "RETURN"},
    {23, "GENERAL2"}, {24, "INVFULL"}, {25, "START"}, {26, "MERCY"}, {27, "LEVEL"},
    {28, "BATH"}, {29, "MERCY_BIRD"}, {30, "DAYTIME"}, {31, "NIGHTTIME"}, {32, "RESCUE"},
    {33, "TOOMANY"}, {34, "HATCH"}, {34, "ONMISSION1"}, {36, "MSG_MISSIONR"}, {37, "FAILED"},
    {38, "SUCCESS"}, {39, "LEAD"}, {42, "TARGETS"}, {43, "TARGETS_HEAD"}, {44, "TARGETS_FULL"},
    {45, "HEADSHOT"}, {46, "KNIFE"}, {47, "FOOTSHOT"}, {48, "MSG_VANMAN"}, {49, "MSG_OUTAMMO"},
    {50, "MSG_BUNKER"}, {51, "MSG_CAPTURED"}, {52, "MSG_GRENADE"}, {53, "MSG_SWIM"},
    {54, "MSG_NOUSE"}, {55, "MSG_PISTOL"}, {56, "MSG_LETTERS"}, {57, "MSG_DELIVER"},
    {58, "MSG_LEVELUP"}, {59, "MSG_TRAINTIRED"}, {60, "MSG_DANCER"}, {61, "MSG_DANCER1"},
    {62, "MSG_DOG"}, {63, "MSG_GONE"}, {64, "MSG_ACCOMPLISHED"}, {65, "MSG_INJURY1"},
    {66, "MSG_INJURY2"}, {67, "MSG_INJURY3"}, {68, "MSG_INJURY4"}, {69, "MSG_ARTY1"},
    {70, "MSG_ARTY2"}, {71, "MSG_BUDDY"}, {72, "MSG_TANK"}, {73, "MSG_TANK_INFO"},
    {74, "MSG_SHITTER"}, {75, "MSG_MEDAL"}, {76, "MSG_GOLDAPPLE"}, {77, "MSG_SLEEP"},
    {78, "MSG_SCRAP"}, {79, "MSG_NOPISTOL"}, {80, "MSG_NOSHOTGUN"}, {81, "MSG_NOMACHINE"},
    {82, "MSG_NORIFLE"}, {83, "MSG_NOGRENADE"}, {84, "MSG_SWITCH"}, {85, "MSG_SCOTS"},
    {86, "MSG_GUARD"}, {87, "MSG_DUDE"}, {88, "MSG_GATEGUY"}, {89, "MSG_GUY1"},
    {90, "MSG_GUY2"}, {91, "MSG_OLDDEAD"}, {92, "MSG_ROCKS"}, {93, "MSG_INCOMING"},
    {94, "MSG_SHITTER1"}, {95, "MSG_TUNNEL1"}, {96, "MSG_ARMOUR"}, {101, "MSG_TARGETTING"},
    {102, "MSG_HEALING"}, {103, "MSG_LOST"}, {104, "MSG_COVER"}, {105, "MSG_ANTENNA"},
    {106, "MSG_MERCY_MONKEY"}, {107, "MSG_HUMAN"}, {108, "MSG_HUMAN1"}, {109, "MSG_SLEEP1"},
    {110, "MSG_PARTY"}, {111, "MSG_BOOBY"}, {112, "MSG_TRIGGER"}, {113, "MSG_SHUTTER"},
    {114, "MSG_FRONT1"}, {115, "MSG_FRONT2"}, {116, "MSG_FRONT3"}, {117, "MSG_FRONT4"},
    {118, "MSG_D_FOOD"}, {119, "MSG_D_AMMO"}, {120, "MSG_TRENCHWAR"}, {121, "MSG_EXPLODE"},
    {122, "MSG_ALARM"}, {123, "MSG_PRISON"}, {124, "MSG_HELPME"}, {125, "MSG_MISSILE"},
    {126, "MSG_BROKEN"}, {127, "MSG_WELCOME"}, {128, "MSG_CELLAR"}, {129, "MSG_CELLAR1"},
    {130, "MSG_MORTARS"}, {131, "MSG_HOTDATE"}, {132, "MSG_HOTDATE1"}, {134, "MSG_FIXED1"},
    {135, "MSG_FIXED2"}, {136, "MSG_FIXED3"}, {137, "MSG_FIXED4"}, {138, "MSG_FIXED5"},
    {139, "MSG_FIXED6"}, {140, "MSG_FIXED7"}, {141, "MSG_EMBARASS"},
};
} // namespace msg_id
// unqualified
using msg_id::BUY; using msg_id::SELL; using msg_id::RELOAD; using msg_id::ATTACK;
using msg_id::COLLECT; using msg_id::EQUIP; using msg_id::HELLO; using msg_id::BETSY1;
using msg_id::WOUND; using msg_id::BASE; using msg_id::HELPER; using msg_id::STATUE;
using msg_id::MEDIC; using msg_id::DANGER; using msg_id::PURCHASE; using msg_id::NEED;
using msg_id::TOILET; using msg_id::RANK; using msg_id::SIGHT; using msg_id::GENERAL;
using msg_id::RETURN; using msg_id::GENERAL2; using msg_id::INVFULL; using msg_id::START;
using msg_id::MERCY; using msg_id::LEVEL; using msg_id::BATH; using msg_id::MERCY_BIRD;
using msg_id::DAYTIME; using msg_id::NIGHTTIME; using msg_id::RESCUE; using msg_id::TOOMANY;
using msg_id::HATCH; using msg_id::ONMISSION1; using msg_id::MSG_MISSIONR; using msg_id::FAILED;
using msg_id::SUCCESS; using msg_id::LEAD; using msg_id::TARGETS; using msg_id::TARGETS_HEAD;
using msg_id::TARGETS_FULL; using msg_id::HEADSHOT; using msg_id::KNIFE; using msg_id::FOOTSHOT;
using msg_id::MSG_VANMAN; using msg_id::MSG_OUTAMMO; using msg_id::MSG_BUNKER;
using msg_id::MSG_CAPTURED; using msg_id::MSG_GRENADE; using msg_id::MSG_SWIM;
using msg_id::MSG_NOUSE; using msg_id::MSG_PISTOL; using msg_id::MSG_LETTERS;
using msg_id::MSG_DELIVER; using msg_id::MSG_LEVELUP; using msg_id::MSG_TRAINTIRED;
using msg_id::MSG_DANCER; using msg_id::MSG_DANCER1; using msg_id::MSG_DOG;
using msg_id::MSG_GONE; using msg_id::MSG_ACCOMPLISHED; using msg_id::MSG_INJURY1;
using msg_id::MSG_INJURY2; using msg_id::MSG_INJURY3; using msg_id::MSG_INJURY4;
using msg_id::MSG_ARTY1; using msg_id::MSG_ARTY2; using msg_id::MSG_BUDDY;
using msg_id::MSG_TANK; using msg_id::MSG_TANK_INFO; using msg_id::MSG_SHITTER;
using msg_id::MSG_MEDAL; using msg_id::MSG_GOLDAPPLE; using msg_id::MSG_SLEEP;
using msg_id::MSG_SCRAP; using msg_id::MSG_NOPISTOL; using msg_id::MSG_NOSHOTGUN;
using msg_id::MSG_NOMACHINE; using msg_id::MSG_NORIFLE; using msg_id::MSG_NOGRENADE;
using msg_id::MSG_SWITCH; using msg_id::MSG_SCOTS; using msg_id::MSG_GUARD;
using msg_id::MSG_DUDE; using msg_id::MSG_GATEGUY; using msg_id::MSG_GUY1;
using msg_id::MSG_GUY2; using msg_id::MSG_OLDDEAD; using msg_id::MSG_ROCKS;
using msg_id::MSG_INCOMING; using msg_id::MSG_SHITTER1; using msg_id::MSG_TUNNEL1;
using msg_id::MSG_ARMOUR; using msg_id::MSG_TARGETTING; using msg_id::MSG_HEALING;
using msg_id::MSG_LOST; using msg_id::MSG_COVER; using msg_id::MSG_ANTENNA;
using msg_id::MSG_MERCY_MONKEY; using msg_id::MSG_HUMAN; using msg_id::MSG_HUMAN1;
using msg_id::MSG_SLEEP1; using msg_id::MSG_PARTY; using msg_id::MSG_BOOBY;
using msg_id::MSG_TRIGGER; using msg_id::MSG_SHUTTER; using msg_id::MSG_FRONT1;
using msg_id::MSG_FRONT2; using msg_id::MSG_FRONT3; using msg_id::MSG_FRONT4;
using msg_id::MSG_D_FOOD; using msg_id::MSG_D_AMMO; using msg_id::MSG_TRENCHWAR;
using msg_id::MSG_EXPLODE; using msg_id::MSG_ALARM; using msg_id::MSG_PRISON;
using msg_id::MSG_HELPME; using msg_id::MSG_MISSILE; using msg_id::MSG_BROKEN;
using msg_id::MSG_WELCOME; using msg_id::MSG_CELLAR; using msg_id::MSG_CELLAR1;
using msg_id::MSG_MORTARS; using msg_id::MSG_HOTDATE; using msg_id::MSG_HOTDATE1;
using msg_id::MSG_FIXED1; using msg_id::MSG_FIXED2; using msg_id::MSG_FIXED3;
using msg_id::MSG_FIXED4; using msg_id::MSG_FIXED5; using msg_id::MSG_FIXED6;
using msg_id::MSG_FIXED7; using msg_id::MSG_EMBARASS;

// Point types: a_point::c1 of a scene point.
namespace point_type {
inline constexpr int NON = 0;
inline constexpr int CAM_P1 = 1;
inline constexpr int CAM_SPAWN = 2;
inline constexpr int CAM_P3 = 3;
inline constexpr int CAM_P4 = 4;
inline constexpr int DEFEND_PNT = 5;
inline constexpr int PICKUP_PNT = 6;
inline constexpr int ROOM_PNT = 7;
inline constexpr int PATROL_PNT = 8;
inline constexpr int NPC_PNT = 9;
inline constexpr int WOOD_PNT = 10;
inline constexpr int GONE_PNT = 11;
inline constexpr int RALLY_PNT = 12;
inline constexpr int LAUNCH_PNT = 13;
inline constexpr int ATTACK_PNT = 14;
inline constexpr int GENERAL_PNT = 15;
inline constexpr int ROOM1_PNT = 16;
inline constexpr int BARREL_PNT = 17;
inline constexpr int MAP_HQ_PNT = 18;
inline constexpr int MAP_M1_PNT = 19;
inline constexpr int MAP_M2_PNT = 20;
inline constexpr int MAP_M3_PNT = 21;
inline constexpr int MAP_M4_PNT = 22;
inline constexpr int MAP_M5_PNT = 23;
inline constexpr int MAP_M6_PNT = 24;
inline constexpr int MAP_M7_PNT = 25;
inline constexpr int MAP_M8_PNT = 26;
inline constexpr int MAP_M9_PNT = 27;
inline constexpr int MAP_M10_PNT = 28;
inline constexpr int TITLE_PNT = 29;
inline constexpr int GLOBAL_BASE_PNT = 30;
inline constexpr int GLOBAL_MAP_PNT = 31;
inline constexpr int GLOBAL_SIDE_PNT = 32;
inline constexpr int DEAD_PNT = 33;
inline constexpr int LIGHT_PNT = 34;
inline constexpr int SPECIAL_PNT = 35;
inline constexpr code_name names[] = {
    {0, "NON"}, {1, "CAM_P1"}, {2, "CAM_SPAWN"}, {3, "CAM_P3"}, {4, "CAM_P4"},
    {5, "DEFEND_PNT"}, {6, "PICKUP_PNT"}, {7, "ROOM_PNT"}, {8, "PATROL_PNT"}, {9, "NPC_PNT"},
    {10, "WOOD_PNT"}, {11, "GONE_PNT"}, {12, "RALLY_PNT"}, {13, "LAUNCH_PNT"},
    {14, "ATTACK_PNT"}, {15, "GENERAL_PNT"}, {16, "ROOM1_PNT"}, {17, "BARREL_PNT"},
    {18, "MAP_HQ_PNT"}, {19, "MAP_M1_PNT"}, {20, "MAP_M2_PNT"}, {21, "MAP_M3_PNT"},
    {22, "MAP_M4_PNT"}, {23, "MAP_M5_PNT"}, {24, "MAP_M6_PNT"}, {25, "MAP_M7_PNT"},
    {26, "MAP_M8_PNT"}, {27, "MAP_M9_PNT"}, {28, "MAP_M10_PNT"}, {29, "TITLE_PNT"},
    {30, "GLOBAL_BASE_PNT"}, {31, "GLOBAL_MAP_PNT"}, {32, "GLOBAL_SIDE_PNT"}, {33, "DEAD_PNT"},
    {34, "LIGHT_PNT"}, {35, "SPECIAL_PNT"},
};
} // namespace point_type
// unqualified
using point_type::CAM_P1; using point_type::CAM_SPAWN; using point_type::CAM_P3;
using point_type::CAM_P4; using point_type::DEFEND_PNT; using point_type::PICKUP_PNT;
using point_type::ROOM_PNT; using point_type::PATROL_PNT; using point_type::NPC_PNT;
using point_type::WOOD_PNT; using point_type::GONE_PNT; using point_type::RALLY_PNT;
using point_type::LAUNCH_PNT; using point_type::ATTACK_PNT; using point_type::GENERAL_PNT;
using point_type::ROOM1_PNT; using point_type::BARREL_PNT; using point_type::MAP_HQ_PNT;
using point_type::MAP_M1_PNT; using point_type::MAP_M2_PNT; using point_type::MAP_M3_PNT;
using point_type::MAP_M4_PNT; using point_type::MAP_M5_PNT; using point_type::MAP_M6_PNT;
using point_type::MAP_M7_PNT; using point_type::MAP_M8_PNT; using point_type::MAP_M9_PNT;
using point_type::MAP_M10_PNT; using point_type::TITLE_PNT; using point_type::GLOBAL_BASE_PNT;
using point_type::GLOBAL_MAP_PNT; using point_type::GLOBAL_SIDE_PNT; using point_type::DEAD_PNT;
using point_type::LIGHT_PNT; using point_type::SPECIAL_PNT;

// Directions: a_point::c2 of most point types; object::onDeath_action of a shark unit.
namespace dir_code {
inline constexpr int RESET = 0;
inline constexpr int UP = 1;
inline constexpr int DOWN = 2;
inline constexpr int LEFT = 3;
inline constexpr int RIGHT = 4;
inline constexpr int UP_RIGHT = 5;
inline constexpr int UP_LEFT = 6;
inline constexpr int DOWN_RIGHT = 7;
inline constexpr int DOWN_LEFT = 8;
inline constexpr code_name names[] = {
    {0, "RESET"}, {1, "UP"}, {2, "DOWN"}, {3, "LEFT"}, {4, "RIGHT"}, {5, "UP_RIGHT"},
    {6, "UP_LEFT"}, {7, "DOWN_RIGHT"}, {8, "DOWN_LEFT"},
};
} // namespace dir_code
// unqualified
using dir_code::UP; using dir_code::DOWN; using dir_code::UP_RIGHT; using dir_code::UP_LEFT;
using dir_code::DOWN_RIGHT; using dir_code::DOWN_LEFT;

// Sale types: a_point::c2 of a PICKUP_PNT (any value outside 0..7 is NONE).
namespace sale_type {
inline constexpr int NONE = -1;
inline constexpr int SALE_CLOTHES = 0;
inline constexpr int SALE_WEAPON = 1;
inline constexpr int SALE_SPECIAL = 2;
inline constexpr int SALE_BASIC = 3;
inline constexpr int SALE_MANUAL = 4;
inline constexpr int SALE_SUPERMANUAL = 5;
inline constexpr int SALE_HEALTH = 6;
inline constexpr int SALE_BOOTS = 7;
inline constexpr code_name names[] = {
    {-1, "NONE"}, {0, "SALE_CLOTHES"}, {1, "SALE_WEAPON"}, {2, "SALE_SPECIAL"},
    {3, "SALE_BASIC"}, {4, "SALE_MANUAL"}, {5, "SALE_SUPERMANUAL"}, {6, "SALE_HEALTH"},
    {7, "SALE_BOOTS"},
};
} // namespace sale_type
// unqualified
using sale_type::SALE_CLOTHES; using sale_type::SALE_WEAPON; using sale_type::SALE_SPECIAL;
using sale_type::SALE_BASIC; using sale_type::SALE_MANUAL; using sale_type::SALE_SUPERMANUAL;
using sale_type::SALE_HEALTH; using sale_type::SALE_BOOTS;

// Map marker colours: a_point::c3 of the map points (types 18..24, 31, 32).
namespace marker_colour {
inline constexpr int COLOR_GREY = 0;
inline constexpr int COLOR_RED = 1;
inline constexpr int COLOR_YELLOW = 2;
inline constexpr int COLOR_GREEN = 3;
inline constexpr code_name names[] = {
    {0, "COLOR_GREY"}, {1, "COLOR_RED"}, {2, "COLOR_YELLOW"}, {3, "COLOR_GREEN"},
};
} // namespace marker_colour
// unqualified
using marker_colour::COLOR_GREY; using marker_colour::COLOR_RED;
using marker_colour::COLOR_YELLOW; using marker_colour::COLOR_GREEN;

// Names for values the data may hold that have no name of their own.
constexpr int LEVEL_UNNAMED = -1;        // Level of a scene the loader gives no level

// Alignment: 0 is RIGHT, every other value (negative ones too) is LEFT.
constexpr bool Is_Left_Aligned(int sector_action) { return sector_action != alignment::RIGHT; }
// Special animation: every negative value is OFF; n >= 0 plays animation n (PLAY_ANIMn).
constexpr bool Special_Anim_Off(int onDeath_action) { return onDeath_action < 0; }
// Sale type: a value outside 0..7 counts as NONE.
constexpr bool Sale_Type_None(int c2) { return c2 < sale_type::SALE_CLOTHES || c2 > sale_type::SALE_BOOTS; }
// Point types whose c2 is a global number and c3 a map marker colour.
constexpr bool Is_Map_Marker_Point(int c1) {
    return (c1 >= point_type::MAP_HQ_PNT && c1 <= point_type::MAP_M6_PNT) ||
           c1 == point_type::GLOBAL_MAP_PNT || c1 == point_type::GLOBAL_SIDE_PNT;
}
