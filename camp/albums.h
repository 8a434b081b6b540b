// The card albums: three albums of twelve collectible cards, episode 1 scene 18.
#pragma once

// One frame of the album screen. f_rate is not used.
void Run_Cards(int f_rate);

// The pop-up queue of arriving cards: each entry is a card number and an amount. The album
// screen hands the entries to Set_Card one by one (the first 500 ms after entry, then one
// every 1500 ms), flashes the card when its album is shown, and after each entry awards the
// prize of every complete group of four cards whose prize is still open. The tent queues the
// cards it banks. Not saved: entries still waiting when the game ends are shown no more.
inline constexpr int CARD_QUEUE_MAX = 36;
inline int card_queue_count = 0;
inline int card_queue_index[CARD_QUEUE_MAX];
inline int card_queue_value[CARD_QUEUE_MAX];

// Queues card `index` (0 to 35) with `value` to add to its count. A card already waiting,
// a card number outside the albums or a full queue is not queued; the result says whether
// the entry was added.
bool Queue_Card(int index, int value);
// Adds value to the count of card `index` (0 to 35), holding the count at 10 at most, and,
// when the card belongs to the album shown, starts its picture (animation slot + 2, looping)
// on its slot sprite. Other card numbers are ignored.
void Set_Card(int index, int value);
