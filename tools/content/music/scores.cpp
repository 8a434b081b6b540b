// The game's music, one score per stream (the language is described in score.h). Minor
// pieces are written in C minor and major ones in C major; `key` moves them.
#include "content/music/score.h"

namespace music {

namespace {

// Title and front end: a heroic march.
constexpr const char* kTitle = R"(
tempo 100
meter 4
key d
loop on
track brass 61 96
track horn 60 78
track strings 48 72
track bass 43 82
track timp 47 84
track drums drums 70
pattern A
brass   g4:1 c5:1.5 d5:0.5 e5:1 | e5:1 a4:1.5 c5:0.5 e5:1 | f5:2 e5:1 d5:1 | d5:3 r:1
horn    e4:4 | e4:4 | f4:4 | d4:4
strings c4+e4+g4:4 | a3+c4+e4:4 | f3+a3+c4:4 | g3+b3+d4:4
bass    c2:2 c2 | a1:2 a1 | f1:2 f1 | g1:2 g1
timp    c2:1 r g1 r
drums   k:1 s:1/2 s k:1 s:1
pattern B
brass   a4:1 c5 f5:2 | g5:1.5 f5:0.5 e5:1 d5:1 | e5:1 g5:1 c6:2 | b5:2 d5:2
horn    c4:4 | d4:4 | e4:4 | d4:4
strings f3+a3+c4:4 | g3+b3+d4:4 | e3+g3+c4:4 | g3+b3+d4:4
bass    f1:2 f1 | g1:2 g1 | c2:2 c2 | g1:2 g1
timp    c2:1 r g1 r
drums   k:1 s:1/2 s k:1 s:1/2 s:1/4 s
song A B
)";

// The dungeon: dark, slow, plucked.
constexpr const char* kDungeon = R"(
tempo 72
meter 4
key a
loop on
track pad 49 66
track cello 42 78
track pizz 45 72
track celesta 8 52
track timp 47 64
pattern A
pad     c4+eb4+g4:4 | ab3+c4+eb4:4 | c4+eb4+g4:4 | b3+d4+g4:4
cello   c3:2 g2:2 | ab2:2 eb3:2 | c3:2 g2:2 | g2:4
pizz    c4:1/2 g4 eb4 g4 c4 g4 eb4 g4 | ab3 eb4 c4 eb4 ab3 eb4 c4 eb4 | c4 g4 eb4 g4 c4 g4 eb4 g4 | b3 g4 d4 g4 b3 g4 d4 g4
timp    c2:4 | r:4 | c2:4 | g1:2 g1:2
pattern B
pad     c4+eb4+g4:4 | ab3+c4+eb4:4 | c4+eb4+g4:4 | b3+d4+g4:4
cello   c3:2 g2:2 | ab2:2 eb3:2 | c3:2 g2:2 | g2:4
pizz    c4:1/2 g4 eb4 g4 c4 g4 eb4 g4 | ab3 eb4 c4 eb4 ab3 eb4 c4 eb4 | c4 g4 eb4 g4 c4 g4 eb4 g4 | b3 g4 d4 g4 b3 g4 d4 g4
celesta g5:3 f5:1 | eb5:4 | d5:2 eb5:2 | d5:4
timp    c2:4 | r:4 | c2:4 | g1:2 g1:2
song A B
)";

// Boot camp: piccolo and snare drum, brisk.
constexpr const char* kBoot = R"(
tempo 116
meter 4
key g
loop on
track piccolo 72 80
track brass 61 76
track tuba 58 86
track drums drums 78
pattern A
piccolo g5:1/2 e5 g5 c6 e6:1 c6:1 | a5:1/2 f5 a5 c6 f6:1 c6:1 | b5:1/2 g5 b5 d6 g6:1 f6:1 | e6:2 c6:2
brass   c4+e4+g4:1 r c4+e4+g4 r | f3+a3+c4:1 r f3+a3+c4 r | g3+b3+d4:1 r g3+b3+d4 r | c4+e4+g4:2 r:2
tuba    c2:1 g2 c2 g2 | f2 c3 f2 c3 | g2 d3 g2 d3 | c2 g2 c2:2
drums   k:1/2 s s:1/4 s s:1/2 k s s:1/4 s s:1/2
song A A
)";

// The front: strings driving on, a horn call over them.
constexpr const char* kFront = R"(
tempo 96
meter 4
key e
loop on
track strings 48 78
track horn 60 86
track brass 61 74
track bass 43 80
track drums drums 66
pattern A
strings c4:1/2 c4 g4 c4 eb4 c4 g4 c4 | bb3 bb3 f4 bb3 d4 bb3 f4 bb3 | ab3 ab3 eb4 ab3 c4 ab3 eb4 ab3 | g3 g3 d4 g3 b3 g3 d4 g3
horn    g4:2 eb4:1 c4:1 | d4:3 bb3:1 | c4:2 eb4:1 f4:1 | g4:4
bass    c2:4 | bb1:4 | ab1:4 | g1:4
drums   k+s:1/2 s:1/4 s s:1 s:1/2 s:1/4 s s:1
pattern B
strings c4:1/2 c4 g4 c4 eb4 c4 g4 c4 | bb3 bb3 f4 bb3 d4 bb3 f4 bb3 | ab3 ab3 eb4 ab3 c4 ab3 eb4 ab3 | g3 g3 d4 g3 b3 g3 d4 g3
horn    c5:2 bb4:1 ab4:1 | g4:3 f4:1 | eb4:2 f4:1 d4:1 | b3:2 d4:2
brass   c4+eb4+g4:4 | bb3+d4+f4:4 | ab3+c4+eb4:4 | g3+b3+d4:4
bass    c2:4 | bb1:4 | ab1:4 | g1:4
drums   k+s:1/2 s:1/4 s s:1 s:1/2 s:1/4 s s:1/2 s
song A B
)";

// The beach: steel drums and marimba in the sun.
constexpr const char* kBeach = R"(
tempo 104
meter 4
key f
loop on
track steel 114 84
track marimba 12 70
track bass 33 84
track drums drums 64
pattern A
steel   e5:1/2 g5 c6:1 g5:1/2 e5 d5:1 | c5:1/2 f5 a5:1 c6:1/2 a5 f5:1 | b4:1/2 d5 g5:1 f5:1/2 d5 b4:1 | c5:3 r:1
marimba r:1/2 c4+e4+g4 r c4+e4+g4 r c4+e4+g4 r c4+e4+g4 | r f3+a3+c4 r f3+a3+c4 r f3+a3+c4 r f3+a3+c4 | r g3+b3+d4 r g3+b3+d4 r g3+b3+d4 r g3+b3+d4 | r c4+e4+g4 r c4+e4+g4 r c4+e4+g4 r c4+e4+g4
bass    c2:1 r:1/2 c2 g2:1 e2:1 | f2:1 r:1/2 f2 c3:1 a2:1 | g2:1 r:1/2 g2 d3:1 b2:1 | c2:1 r:1/2 c2 g2:1 c2:1
drums   k:1/2 sh sh cb k sh sh sh
pattern B
steel   a4:1/2 c5 e5:1 c5:1/2 e5 a5:1 | f5:1/2 e5 c5:1 a4:2 | g4:1/2 b4 d5:1 g5:1/2 f5 d5:1 | e5:1 d5:1 b4:2
marimba r:1/2 a3+c4+e4 r a3+c4+e4 r a3+c4+e4 r a3+c4+e4 | r f3+a3+c4 r f3+a3+c4 r f3+a3+c4 r f3+a3+c4 | r g3+b3+d4 r g3+b3+d4 r g3+b3+d4 r g3+b3+d4 | r g3+b3+f4 r g3+b3+f4 r g3+b3+f4 r g3+b3+f4
bass    a1:1 r:1/2 a1 e2:1 c2:1 | f2:1 r:1/2 f2 c3:1 a2:1 | g2:1 r:1/2 g2 d3:1 b2:1 | g2:1 r:1/2 g2 d3:1 b2:1
drums   k:1/2 sh sh cb k sh sh sh
song A B
)";

// The boss: fast, hammering, with a choir over it.
constexpr const char* kBoss = R"(
tempo 152
meter 4
key c
loop on
track strings 48 92
track guitar 30 70
track brass 61 100
track choir 52 66
track timp 47 96
track drums drums 96
pattern A
strings c4:1/2 c4 c4 c4 eb4 eb4 d4 d4 | c4 c4 c4 c4 g4 g4 f4 f4 | ab3 ab3 ab3 ab3 c4 c4 eb4 eb4 | bb3 bb3 bb3 bb3 d4 d4 f4 f4
guitar  c3+g3:1/2 c3+g3 r c3+g3 r c3+g3 eb3+bb3:1 | c3+g3:1/2 c3+g3 r c3+g3 r c3+g3 f3+c4:1 | ab2+eb3:1/2 ab2+eb3 r ab2+eb3 r ab2+eb3 ab2+eb3:1 | bb2+f3:1/2 bb2+f3 r bb2+f3 r bb2+f3 bb2+f3:1
brass   c5:1! r:1 r:1/2 eb5 d5:1 | c5:1 r:2 g4:1 | ab4:2 c5:1 eb5:1 | d5:2 bb4:2
timp    c2:1 r c2:1/2 c2 g1:1
drums   k:1/2 h s h k k s h
pattern B
strings c4:1/2 c4 c4 c4 eb4 eb4 d4 d4 | c4 c4 c4 c4 g4 g4 f4 f4 | ab3 ab3 ab3 ab3 c4 c4 eb4 eb4 | bb3 bb3 bb3 bb3 d4 d4 f4 f4
guitar  c3+g3:1/2 c3+g3 r c3+g3 r c3+g3 eb3+bb3:1 | c3+g3:1/2 c3+g3 r c3+g3 r c3+g3 f3+c4:1 | ab2+eb3:1/2 ab2+eb3 r ab2+eb3 r ab2+eb3 ab2+eb3:1 | bb2+f3:1/2 bb2+f3 r bb2+f3 r bb2+f3 bb2+f3:1
choir   c5:4 | eb5:4 | c5:4 | d5:4
brass   g5:2 f5:1 eb5:1 | g5:3 c5:1 | ab5:2 g5:1 f5:1 | d5:2 f5:2
timp    c2:1 r c2:1/2 c2 g1:1
drums   c+k:1/2 h s h k k s h | k h s h k k s h
song A A B B
)";

// The summer camp: a guitar and a flute, easy-going.
constexpr const char* kCamp = R"(
tempo 96
meter 4
key f
loop on
track guitar 25 76
track flute 73 80
track bass 32 78
track drums drums 50
pattern A
guitar  c4:1/2 e4 g4 c5 g4 e4 g4 e4 | a3 c4 e4 a4 e4 c4 e4 c4 | f3 a3 c4 f4 c4 a3 c4 a3 | g3 b3 d4 g4 d4 b3 d4 b3
flute   e5:1.5 d5:0.5 c5:1 e5:1 | c5:2 a4:2 | a4:1 c5:1 f5:1 e5:1 | d5:4
bass    c2:2 g2:2 | a1:2 e2:2 | f1:2 c2:2 | g1:2 d2:2
drums   k:1 h k h
pattern B
guitar  c4:1/2 e4 g4 c5 g4 e4 g4 e4 | a3 c4 e4 a4 e4 c4 e4 c4 | f3 a3 c4 f4 c4 a3 c4 a3 | g3 b3 d4 g4 d4 b3 d4 b3
flute   g5:1.5 f5:0.5 e5:1 g5:1 | e5:2 c5:2 | c5:1 d5:1 e5:1 f5:1 | g5:2 d5:2
bass    c2:2 g2:2 | a1:2 e2:2 | f1:2 c2:2 | g1:2 d2:2
drums   k:1 h k h
song A B
)";

// The camp after the attack: slow and sad.
constexpr const char* kCampDestroyed = R"(
tempo 66
meter 4
key d
loop on
track piano 0 64
track oboe 68 80
track strings 49 62
track cello 42 66
pattern A
piano   c3:1 g3 eb4 g3 | ab2 eb3 c4 eb3 | eb3 bb3 g4 bb3 | g2 d3 b3 d3
oboe    g4:2 ab4:1 g4:1 | eb4:3 c4:1 | g4:1.5 f4:0.5 eb4:1 bb4:1 | d4:3 r:1
strings c4+eb4+g4:4 | c4+eb4+ab4:4 | bb3+eb4+g4:4 | b3+d4+g4:4
cello   c3:4 | ab2:4 | eb3:4 | g2:4
pattern B
piano   f2:1 c3 ab3 c3 | c3 g3 eb4 g3 | ab2 eb3 c4 eb3 | g2 d3 b3 d3
oboe    c5:2 bb4:1 ab4:1 | g4:3 eb4:1 | c4:1 eb4:1 ab4:1 g4:1 | g4:4
strings f3+ab3+c4:4 | c4+eb4+g4:4 | c4+eb4+ab4:4 | b3+d4+g4:4
cello   f2:4 | c3:4 | ab2:4 | g2:4
song A B
)";

// The deeper dungeon: organ and choir, very slow.
constexpr const char* kDungeonB = R"(
tempo 60
meter 4
key bb
loop on
track organ 19 62
track choir 52 70
track bells 14 56
track bass 43 74
pattern A
organ   c3+g3:4 | db3+ab3:4 | c3+g3:4 | b2+g3:4
choir   eb4+g4:4 | f4+ab4:4 | eb4+g4:4 | d4+g4:4
bass    c2:4 | db2:4 | c2:4 | g1:4
pattern B
organ   c3+g3:4 | db3+ab3:4 | c3+g3:4 | b2+g3:4
choir   eb4+g4:4 | f4+ab4:4 | eb4+g4:4 | d4+g4:4
bells   c5:2 r:2 | r:4 | g4:2 r:2 | r:4
bass    c2:4 | db2:4 | c2:4 | g1:4
song A B
)";

// The final mission: the whole orchestra, driving.
constexpr const char* kFinal = R"(
tempo 132
meter 4
key e
loop on
track strings 48 90
track brass 61 100
track horn 60 84
track choir 52 66
track bass 43 86
track timp 47 92
track drums drums 88
pattern A
strings c4:1/2 eb4 g4 eb4 c4 eb4 g4 eb4 | c4 eb4 ab4 eb4 c4 eb4 ab4 eb4 | bb3 eb4 g4 eb4 bb3 eb4 g4 eb4 | bb3 d4 f4 d4 bb3 d4 f4 d4
brass   g4:3 g4:1/2 ab4 | ab4:3 c5:1 | bb4:2 g4:2 | f4:4
horn    eb4:4 | eb4:4 | eb4:4 | d4:4
bass    c2:4 | ab1:4 | eb2:4 | bb1:4
timp    c2:1 r:1/2 c2 c2:1 g1:1
drums   k:1/2 k s:1 k:1/2 k s s
pattern B
strings c4:1/2 eb4 g4 eb4 c4 eb4 g4 eb4 | c4 eb4 ab4 eb4 c4 eb4 ab4 eb4 | bb3 d4 f4 d4 bb3 d4 f4 d4 | b3 d4 g4 d4 b3 d4 g4 d4
brass   c5:3 d5:1/2 eb5 | c5:3 ab4:1 | bb4:2 d5:2 | b4:4
horn    eb4:4 | eb4:4 | d4:4 | d4:4
choir   g4+c5:4 | ab4+c5:4 | f4+bb4:4 | g4+b4:4
bass    c2:4 | ab1:4 | bb1:4 | g1:4
timp    c2:1 r:1/2 c2 c2:1 g1:1
drums   c+k:1/2 k s:1 k:1/2 k s s | k:1/2 k s:1 k:1/2 k s s
song A B
)";

// Danger in the dungeon: tremolo strings and a half step that will not resolve.
constexpr const char* kDungeonDanger = R"(
tempo 140
meter 4
key c#
loop on
track trem 44 84
track cello 42 86
track trombone 57 84
track timp 47 84
track drums drums 78
pattern A
cello   c3:1/2 c3 g3 c3 ab3 c3 g3 c3 | c3 c3 g3 c3 ab3 c3 g3 c3 | db3 db3 ab3 db3 f3 db3 ab3 db3 | c3 c3 g3 c3 eb3 c3 d3 c3
trem    c4+eb4+g4:4 | c4+eb4+ab4:4 | db4+f4+ab4:4 | c4+eb4+g4:4
trombone c3:2 r:2 | r:4 | db3:2 r:2 | r:2 b2:2
timp    c2:1 r:3
drums   tl:1/2 r tl tl tm r tl tm
pattern B
cello   c3:1/2 c3 g3 c3 ab3 c3 g3 c3 | gb2 gb2 db3 gb2 bb2 gb2 db3 gb2 | ab2 ab2 eb3 ab2 c3 ab2 eb3 ab2 | g2 g2 d3 g2 b2 g2 d3 g2
trem    c4+eb4+g4:4 | db4+gb4+bb4:4 | c4+eb4+ab4:4 | b3+d4+g4:4
trombone c3:4 | gb2:4 | ab2:4 | g2:4
timp    c2:1 r:3
drums   k+tl:1/2 r tl tl tm r tl tm
song A B
)";

// The intro: a wide, rising opening.
constexpr const char* kIntro = R"(
tempo 84
meter 4
key bb
loop on
track strings 49 72
track horn 60 84
track harp 46 70
track flute 73 72
track bass 43 70
track timp 47 62
pattern A
harp    c4:1/2 g4 c5 e5 g5 e5 c5 g4 | e4 b4 e5 g5 b5 g5 e5 b4 | f4 c5 f5 a5 c6 a5 f5 c5 | g4 d5 g5 b5 d6 b5 g5 d5
horn    c4:2 e4:1 g4:1 | g4:3 b3:1 | c4:2 f4:1 a4:1 | g4:4
strings c4+e4+g4:4 | b3+e4+g4:4 | a3+c4+f4:4 | b3+d4+g4:4
bass    c2:4 | e2:4 | f2:4 | g2:4
pattern B
harp    f4:1/2 c5 f5 a5 c6 a5 f5 c5 | e4 c5 e5 g5 c6 g5 e5 c5 | d4 a4 d5 f5 a5 f5 d5 a4 | g4 d5 f5 b5 d6 b5 f5 d5
flute   a5:2 g5:1 f5:1 | e5:2 g5:2 | f5:1 e5:1 d5:1 f5:1 | g5:4
strings a3+c4+f4:4 | g3+c4+e4:4 | a3+d4+f4:4 | b3+d4+f4:4
bass    f2:4 | e2:4 | d2:4 | g2:4
timp    g1:1 r:3 | r:4 | r:4 | g1:1/4 g1 g1 g1 g1 g1 g1 g1 g1:2
song A B
)";

// A fanfare for a mission done: once through.
constexpr const char* kFanfare = R"(
tempo 120
meter 4
key c
loop off
track trumpet 56 110
track brass 61 98
track timp 47 100
track drums drums 90
pattern A
trumpet g4:1/3 g4 g4 c5:1 e5:1/3 e5 e5 g5:1 | c6:3 r:1
brass   r:2 c4+e4+g4:1 c4+e4+g4:1 | c4+e4+g4+c5:3 r:1
timp    g1:1/3 g1 g1 c2:1 g1:1/3 g1 g1 c2:1 | c2:1/4 c2 c2 c2 c2 c2 c2 c2 c2:1 r:1
drums   r:3 s:1 | c:3 r:1
song A
)";

// The urgent countdown: ticking hats and a pulsing ostinato.
constexpr const char* kUrgency = R"(
tempo 160
meter 4
key f#
loop on
track pizz 45 82
track strings 50 80
track lead 81 64
track bass 38 80
track drums drums 86
pattern A
pizz    c4:1/2 c5 c4 c5 c4 c5 c4 c5 | c4 c5 c4 c5 c4 c5 c4 c5 | ab3 ab4 ab3 ab4 ab3 ab4 ab3 ab4 | g3 g4 g3 g4 g3 g4 g3 g4
strings c4+eb4+g4:1/2 r:1 c4+eb4+g4:1/2 r:1 c4+eb4+g4:1/2 r:1/2 | c4+eb4+g4:1/2 r:1 c4+eb4+g4:1/2 r:1 c4+eb4+g4:1/2 r:1/2 | c4+eb4+ab4:1/2 r:1 c4+eb4+ab4:1/2 r:1 c4+eb4+ab4:1/2 r:1/2 | b3+d4+g4:1/2 r:1 b3+d4+g4:1/2 r:1 b3+d4+g4:1/2 r:1/2
bass    c2:1/2 c2 c2 c2 c2 c2 c2 c2 | c2 c2 c2 c2 c2 c2 c2 c2 | ab1 ab1 ab1 ab1 ab1 ab1 ab1 ab1 | g1 g1 g1 g1 g1 g1 g1 g1
drums   k:1/2 h h h s h h h
pattern B
pizz    c4:1/2 c5 c4 c5 c4 c5 c4 c5 | c4 c5 c4 c5 c4 c5 c4 c5 | ab3 ab4 ab3 ab4 ab3 ab4 ab3 ab4 | g3 g4 g3 g4 g3 g4 g3 g4
lead    g5:1 f5 eb5 d5 | c5:2 g4:2 | ab4:1 c5 eb5 f5 | d5:2 b4:2
bass    c2:1/2 c2 c2 c2 c2 c2 c2 c2 | c2 c2 c2 c2 c2 c2 c2 c2 | ab1 ab1 ab1 ab1 ab1 ab1 ab1 ab1 | g1 g1 g1 g1 g1 g1 g1 g1
drums   k:1/2 h s h k h s h
song A B
)";

// A groove: bass, electric piano and a dry kit, laid back.
constexpr const char* kGroove = R"(
tempo 100
meter 4
key a
loop on
track bass 33 96
track epiano 4 72
track vibes 11 72
track drums drums 84
pattern A
bass    c2:3/4 c2:1/4 r:1/2 c3 bb2 g2 f2 eb2 | f2:3/4 f2:1/4 r:1/2 f3 eb3 c3 a2 c3
epiano  r:1/2 c4+eb4+g4+bb4:1/2 r:1 r:1/2 c4+eb4+g4+bb4:1 r:1/2 | r:1/2 eb4+f4+a4+c5:1/2 r:1 r:1/2 eb4+f4+a4+c5:1 r:1/2
drums   k:1/2 h s h k k s h
pattern B
bass    c2:3/4 c2:1/4 r:1/2 c3 bb2 g2 f2 eb2 | f2:3/4 f2:1/4 r:1/2 f3 eb3 c3 a2 c3
epiano  r:1/2 c4+eb4+g4+bb4:1/2 r:1 r:1/2 c4+eb4+g4+bb4:1 r:1/2 | r:1/2 eb4+f4+a4+c5:1/2 r:1 r:1/2 eb4+f4+a4+c5:1 r:1/2
vibes   g4:1/2 bb4 c5:1 eb5:1/2 c5 bb4:1 | a4:1 c5:1/2 a4 g4:2
drums   k:1/2 h s h k k s o
song A A B B
)";

// The second fanfare: a short "ta-da", once through.
constexpr const char* kFanfare2 = R"(
tempo 112
meter 4
key f
loop off
track trumpet 56 108
track brass 61 96
track timp 47 96
track drums drums 86
pattern A
trumpet c5:1/2 c5 e5 g5 c6:2 | b5:1/2 c6 d6:1 e6:2!
brass   c4+e4+g4:2 c4+f4+a4:2 | g3+b3+d4:2 c4+e4+g4+c5:2
timp    c2:2 f1:2 | g1:2 c2:1/4 c2 c2 c2 c2 c2 c2 c2
drums   c:4 | r:2 c:2
song A
)";

// The death screen: a slow lament.
constexpr const char* kDeath = R"(
tempo 58
meter 4
key g
loop on
track choir 52 72
track strings 49 64
track cello 42 68
track piano 0 60
pattern A
choir   c4+eb4+g4:4 | c4+f4+ab4:4 | c4+eb4+g4:4 | b3+d4+g4:4
strings c5:4 | ab4:4 | g4:4 | g4:4
cello   c3:4 | f2:4 | g2:4 | g2:4
piano   g4:2 eb4:2 | ab4:2 f4:2 | eb4:1 d4:1 c4:2 | d4:4
song A
)";

constexpr Score_Text kScores[] = {
    {"song1.ogg", kTitle},         {"dungeon.ogg", kDungeon},
    {"boot.ogg", kBoot},           {"front.ogg", kFront},
    {"beach.ogg", kBeach},         {"boss.ogg", kBoss},
    {"camp.ogg", kCamp},           {"camp_destroyed.ogg", kCampDestroyed},
    {"intro.ogg", kIntro},         {"groove.ogg", kGroove},
    {"death.ogg", kDeath},         {"urgency.ogg", kUrgency},
    {"fanfare.ogg", kFanfare},     {"fanfare2.ogg", kFanfare2},
    {"dungeonb.ogg", kDungeonB},   {"final_mission.ogg", kFinal},
    {"dungeon_danger.ogg", kDungeonDanger},
};

} // namespace

std::span<const Score_Text> Scores() { return kScores; }

} // namespace music
