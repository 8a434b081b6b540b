// The camp screens' pictures: the tent's room and furniture, the medal sheet, the album card
// sheets and the single collectible cards.
#pragma once

#include <string>

namespace painters {

// The card names by card number 0 to 35, in capitals as the albums caption them.
extern const char* const CARD_NAMES[36];

// A piece of tent furniture or one of the tent's page objects (`piece`: sock, lantern,
// doll, books, magazines, ashtray, rug, chair, diary, golf, painting, piggy, bible, flag,
// bedpan, bogroll, plate, teacup, hamlet, snuff, plane, poster, medal_box, cot, clipboard,
// album, hatch, drip) in a square cell of `size` pixels; animation 1 is its lit or second look. Several
// pieces separated by commas make a sheet of still pieces, animation k showing piece k.
bool Paint_Camp_Piece(const std::string& root, const std::string& image, const std::string& piece, int size,
                      std::string& error);
// The tent seen from inside: animation 0 by day, 1 by night.
bool Paint_Tent_Room(const std::string& root, const std::string& image);
// A tunnel network's map (`network` 1 beach, 2 village, 3 farmland): the tunnels from the
// camp's way back (view place -0.55, -0.42) to the destinations of sprites 5 to 8 (0.55,
// 0.42; 0.05, 0.5; -0.55, 0.36; 0.62, -0.24), each named.
bool Paint_Tunnel_Map(const std::string& root, const std::string& image, int network);
// The medal box's sheet: animations 2 to 5, 8 to 11 and 14 to 17 the won medals of slots 0
// to 11; the others an empty place.
bool Paint_Medal_Sheet(const std::string& root, const std::string& image);
// Album `album` (1 to 3): animation 0 a dark panel (the tooltip's backing on the album page,
// where the sheet takes the HUD panels' slot), 1 an empty place, 2 to 13 its twelve cards.
bool Paint_Album_Sheet(const std::string& root, const std::string& image, int album);
// Card `card` (0 to 35) alone, as the single-card page shows it.
bool Paint_Collect_Card(const std::string& root, const std::string& image, int card);

} // namespace painters
