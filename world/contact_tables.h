// The scenes that contacts lead to, as data: the scene an object's kind opens when the player
// reaches the object, and the fixed destination of a trigger's level exit (its `sector`).
// The contact tests act on them; the content generator reads them too, to know which
// arrival point of which scene an exit asks for.
#pragma once

#include "common/codes.h"

namespace contact_tables {

// Objects whose contact sends the player to a scene of their own.
struct object_scene {
    int kind;
    int episode;
    int scene;
};
constexpr object_scene object_scenes[] = {
    {OBJ_RESCUE, 1, 78},      {OBJ_BETSY, 1, 0},        {OBJ_BETSY4, 1, 122},
    {OBJ_SCARECROW, 1, 86},   {OBJ_COMMAND, 1, 92},     {OBJ_AIRPLANE, 1, 90},
    {OBJ_CLAY, 1, 110},       {OBJ_KNIFE, 1, 138},      {OBJ_AIRPLANE1, 3, 29},
    {OBJ_SUB_INTRO, 1, 34},   {OBJ_NUN, 1, 68},         {OBJ_NUN1, 1, 91},
    {OBJ_CHEF, 1, 76},        {OBJ_SPY_CAMP, 1, 37},    {OBJ_MADMAN, 1, 38},
    {OBJ_TELESCOPE, 1, 45},   {OBJ_MAP, 1, 62},         {OBJ_DODGYDAN, 1, 27},
    {OBJ_BOATGIRL, 1, 32},    {OBJ_BATTLESHIP, 1, 33},  {OBJ_UPGRADE, 1, 29},
    {OBJ_MEDALBOX, 1, 24},    {OBJ_PATCHES, 1, 19},     {OBJ_DOGMATE, 1, 20},
    {OBJ_BETSY_TIED, 1, 16},  {OBJ_CARD_START, 1, 17},  {OBJ_ARTY, 1, 13},
    {OBJ_FATMAN, 1, 14},      {OBJ_GENERAL, 1, 15},     {OBJ_CAMP_BUSTED, 1, 11},
    {OBJ_DRILL, 1, 1},        {OBJ_SPY, 1, 28},         {OBJ_WAGES, 1, 2},
    {OBJ_STARTUP, 1, 5},      {OBJ_CASINO, 1, 3},       {OBJ_GALLERY, 1, 8},
    {OBJ_GALLERY_START, 1, 10},
};

// Fixed destinations of a trigger's level exit (sector).
struct exit_row {
    int sector;
    int episode;
    int scene;
};
constexpr exit_row exit_rows[] = {
    {1, 2, 1},    {2, 2, 2},    {4, 3, 0},    {6, 3, 1},    {7, 3, 2},    {8, 3, 4},
    {10, 3, 5},   {11, 3, 6},   {12, 3, 7},   {15, 3, 9},   {16, 1, 8},   {17, 2, 4},
    {18, 0, 11},  {19, 3, 10},  {20, 3, 11},  {21, 3, 12},  {22, 0, 12},  {23, 3, 13},
    {25, 3, 14},  {28, 1, 25},  {29, 3, 15},  {30, 3, 16},  {32, 3, 18},  {33, 1, 110},
    {34, 1, 43},  {35, 3, 21},  {36, 3, 22},  {37, 3, 23},  {38, 2, 6},   {39, 2, 7},
    {41, 1, 1},   {42, 1, 17},  {43, 1, 29},  {44, 1, 3},   {45, 1, 27},  {46, 1, 3},
    {50, 1, 55},  {52, 1, 58},  {53, 1, 59},  {54, 1, 66},  {55, 1, 67},  {56, 3, 24},
    {57, 3, 25},  {59, 2, 8},   {60, 3, 2},   {61, 3, 26},  {62, 3, 27},  {63, 1, 77},
    {64, 3, 29},  {65, 2, 9},   {66, 2, 4},   {67, 1, 84},  {68, 1, 85},  {69, 1, 87},
    {70, 1, 88},  {71, 1, 89},  {72, 3, 30},  {73, 3, 31},  {74, 3, 32},  {75, 3, 33},
    {76, 3, 34},  {77, 3, 35},  {78, 3, 36},  {79, 3, 37},  {80, 1, 93},  {82, 1, 122},
};

} // namespace contact_tables
