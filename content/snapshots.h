// Snapshots of visited scenes: scene/episode<E>/scene<S>.tmp. A walk scene of episodes 2
// and 3 is written when the player leaves it and laid over the freshly loaded scene when
// the player comes back, so the dead stay dead, doors keep their state and dropped items
// stay where they fell. Snapshots live for one run of the game.
#pragma once

#include <cstdint>

// The time stamp of the snapshot last written or read.
inline long global_time = 0;

// A fingerprint of the running scene's object file as it was read (object count, types,
// texture slots, positions, kinds). A snapshot carries the fingerprint of the scene it was
// taken from, and is refused over a scene whose object file differs.
inline uint32_t scene_file_signature = 0;
// Computes the fingerprint of sprite[0 .. count-1] as they stand (call right after reading).
uint32_t Scene_File_Signature(int count);

// Writes the running scene to filename (written aside and renamed, so a failed write leaves
// the previous snapshot whole). False when the file cannot be written.
bool DumpTemp(char* filename);
// Lays the snapshot at filename over the freshly loaded scene and rebuilds the lists. False,
// with nothing changed, when the file cannot be opened, is damaged or does not belong to the
// scene's object file.
bool LoadTemp(char* filename);
// Whether filename can be opened for reading.
bool HasTemp(char* filename);
// Whether the snapshot at filename can be read whole and belongs to the running scene.
bool Temp_Matches(char* filename);
// Deletes snapshot files: 0 all 50; 2 only episode 3 scene 20; any other value all but that.
void Remove_Temps(int type);
