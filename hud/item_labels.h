// The label texts of items, one table per kind of item. '\xNN' bytes are icon glyphs of
// the font.
#pragma once

// A label chosen by an item's value; box is the tooltip's box code (0 one line, 1 two lines).
struct item_label {
    const char* text;
    int box;
};

inline constexpr item_label rifle_labels[] = {
    {"ENFIELD^RIFLE", 1}, {"HUNTER^RIFLE", 1}, {"MAUSER^RIFLE", 1}, {"MAUSER-K^RIFLE", 1}};
inline constexpr item_label pistol_labels[] = {
    {"WESTON^PISTOL", 1}, {"LUGER^PISTOL", 1}, {"COLT^PISTOL", 1}, {"COLT-K^PISTOL", 1}, {"COLT^PISTOL", 1}};
inline constexpr item_label helmet_labels[] = {
    {"FIRE_VEST", 0}, {"TIN_HAT(G)", 0}, {"TRENCH_CAP", 0}, {"TIN_HAT(L)", 0}, {"TIN_HAT(D)", 0}, {"TIN_HELMET", 0}};
inline constexpr item_label boxers_labels[] = {
    {"BOXERS(F)", 0}, {"BOXERS(G)", 0}, {"BOXERS(B)", 0}, {"BOXERS(L)", 0}, {"BOXERS(D)", 0}, {"BOOTS", 0}};
inline constexpr item_label watch_labels[] = {{"BRASS^WATCH", 1}, {"SILVER^WATCH", 1}, {"GOLD^WATCH", 1}};
inline constexpr item_label shotgun_labels[] = {{"FARMERS^SHOTGUN", 1}, {"COMBAT^SHOTGUN", 1}};
inline constexpr item_label machinegun_labels[] = {{"THOMPSOM^MACHINE", 1}};

// Medals by value1, each formatted with value.
inline constexpr const char* medal_labels[] = {
    "MEDAL^\xCD\xF3+%i", "MEDAL^\xE1\xC9+%i", "MEDAL^\xDA\xD3+%i", "MEDAL^\xBA\xD1+%i", "MEDAL^\xC8\xD6+%i",
    "MEDAL^\xEE\xE7+%i", "MEDAL^\xF4\xE2+%i\xC1", "MEDAL^/\xC7+%i", "MEDAL^\xF9\xA1+%i", "MEDAL^$\x8E+%i\xC1"};

// Books by value1; the first is formatted with value.
inline constexpr const char* book_labels[] = {
    "BOOK^$\x8E+%i", "GRENADE^MANUAL", "SWIMMING^MANUAL", "PISTOL^MANUAL"};

// Valuables by value.
inline constexpr item_label valuable_labels[] = {
    {"SPARE^PARTS_A", 1}, {"SPARE^PARTS_B", 1}, {"SPARE^PARTS_C", 1}, {"GOLD^CROWN", 1},
    {"DIRTY^MAGAZINES", 1}, {"EMERALD", 0}, {"RUBY", 0}, {"DIAMOND", 0}, {"SMELLY^SOCK", 1},
    {"LANTERN", 0}, {"VODOO^DOLL", 1}, {"CHILDREN^BOOKS", 1}, {"ASHTRAY", 0}, {"RUG", 0},
    {"CHAIR", 0}, {"DIARY", 0}, {"GOLF^CLUBS", 1}, {"PAINTING", 0}, {"PIGGY^BANK", 1},
    {"BIBLE", 0}, {"FLAG", 0}, {"BEDPAN", 0}, {"BOG^ROLL", 1}, {"PLATE", 0}, {"TEA^CUP", 1},
    {"HAMLET", 0}, {"SNUFF^BOX", 1}, {"TOY^PLANE", 1}, {"POSTER", 0}, {"FIRE_VEST", 0}};

// Cards by value: "CARD^" and the name.
inline constexpr const char* card_names[] = {
    "LUCILLE", "MONA",   "AUDRIE",  "BETSY",  "AMANDA", "KELLY", "LINDA",   "LISA",    "HILDA",
    "CHLOE",   "TALVERN", "FIONA",  "CELINE", "CARLA",  "HITOMI", "HELENA", "CLAUDIA", "LUCY",
    "AMY",     "GLENDA", "LAURA",   "MANDY",  "ISABELLE", "LILLY", "EMMA",  "ALLISON", "SCARLET",
    "FAITH",   "PENNY",  "HAILEY",  "LAYLA",  "JASMINE", "STELLA", "BELLA", "BROOKE",  "SARAH"};

// Labels formatted with the item's value, by code.
struct value_label {
    int code;
    const char* format;
};
inline constexpr value_label ground_value_labels[] = {
    {1, "GOLD^\xF4\xE2:%iG"},          {2, "RIFLE_AMMO^\xE8\xE0:%i"}, {3, "CAN-O-BEANS^\xE9\xFB+%i"},
    {4, "CAN-O-BEANS^\xE9\xFB+%i"},    {13, "PISTOL_AMMO^\xE8\xE0:%i"}, {23, "APPLE^\xE9\xFB+%i"},
    {36, "SHELLS^\xE8\xE0:%i"},        {41, "BULLETS^\xE8\xE0:%i"},     {43, "GOLD_APPLE^\xF9\xA1+%i"},
    {44, "GUN_PARTS^\xF4\xE2:%iGP"},   {45, "BREAD^\xE9\xFB+%i"}};
// In a slot these differ from the ground or exist only there.
inline constexpr value_label slot_value_labels[] = {
    {26, "FISH^\xE9\xFB+%i"}, {43, "GOLD_APPLE^\xE9\xFB+%i"}, {29, "GRENADE^\xE8\xE0:%i"}, {30, "GRENADE^\xE8\xE0:%i"}};

// Worn headwear (15, 16) and boxers (18, 19) in a slot, by value: models 1 to 4 show the
// defence bonus and value2, model 5 value1 and value2.
inline constexpr const char* worn_helmet_labels[] = {
    "FIRE_VEST", "TIN_HAT(G)^\xCD\xF3+%0.1f^\xDA\xD3:%i", "TRENCH_CAP^\xCD\xF3+%0.1f^\xDA\xD3:%i",
    "TIN_HAT(L)^\xCD\xF3+%0.1f^\xDA\xD3:%i", "TIN_HAT(D)^\xCD\xF3+%0.1f^\xDA\xD3:%i", "TIN_HELMET^\xCD\xF3+%i^\xDA\xD3:%i"};
inline constexpr const char* worn_boxers_labels[] = {
    "BOXERS(F)^\xE1\xC9+%0.1f^\xDA\xD3:%i", "BOXERS(G)^\xE1\xC9+%0.1f^\xDA\xD3:%i",
    "BOXERS(B)^\xE1\xC9+%0.1f^\xDA\xD3:%i", "BOXERS(L)^\xE1\xC9+%0.1f^\xDA\xD3:%i",
    "BOXERS(D)^\xE1\xC9+%0.1f^\xDA\xD3:%i", "BOXERS^\xE1\xC9+%i^\xDA\xD3:%i"};
