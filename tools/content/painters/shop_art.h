// Painters of the camp's trading post and card table: the goods on the shop's display board,
// the list rows, the mode banner, the shop's message box and its buttons, the scroll bar
// parts, the rooms behind both screens and the dealer.
#pragma once

#include <string>

#include "content/painters/pages.h"

namespace painters {

// The painters; the registry (registry.h) names them and says what each paints.
bool Shop_Goods(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Shop_Row(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Shop_Banner(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Shop_Message(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Shop_Part(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Shop_Room(const std::string& root, const std::string& image, const Arg_Reader& r);
bool Shop_Dealer(const std::string& root, const std::string& image, const Arg_Reader& r);
// The display board's picture of each animation (the board's animation k shows GOODS[k]).
constexpr int GOODS_PICTURES = 30;
extern const char* const GOODS[GOODS_PICTURES];

} // namespace painters
