// Painters of the camp's trading post and card table: the goods on the shop's display board,
// the list rows, the mode banner, the shop's message box and its buttons, the scroll bar
// parts, the rooms behind both screens and the dealer.
#pragma once

#include <string>

#include "content/painters/pages.h"

namespace painters {

using Shop_Painter = bool (*)(const std::string& root, const std::string& image, const Art_Args& args,
                              std::string& error);

// The painter of that name, or nullptr.
Shop_Painter Find_Shop_Painter(const std::string& name);
// Their names, for messages.
std::string Shop_Painter_Names();

// The display board's picture of each animation (the board's animation k shows GOODS[k]).
constexpr int GOODS_PICTURES = 30;
extern const char* const GOODS[GOODS_PICTURES];

} // namespace painters
