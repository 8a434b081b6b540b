// Painters of the camp's people and the places they are met: conversation portraits (faces
// with headgear, hair, uniform and the marks that tell one character from another, the dog,
// the player seen over his shoulder) and the rooms behind them (the headquarters tent, the
// drill ground, the card tent, the store, the workshop, the kennels, the range, an office,
// the campaign map). Drawn with Cairo from fixed recipes, so every run paints the same.
#pragma once

#include <cairo.h>

#include <map>
#include <string>

#include "content/painters/kit.h"
#include "content/writers/art.h"

namespace painters {

using Art_Args = std::map<std::string, std::string>;

// A portrait sheet: four cells (rest, mouth open, mouth half open, blink); animation 0 is the
// silent face with a blink now and then, 1 talking, 2 and 3 single cells. With `room=` the
// cell is a whole view with the person standing in that room (for a page whose speaker is
// its backdrop). False with the reason in error for an unknown look.
bool Paint_Portrait(const std::string& root, const std::string& image, const Art_Args& args, std::string& error);

// A room or place behind a conversation: 1024 x 640, opaque, one cell.
bool Paint_Room(const std::string& root, const std::string& image, const Art_Args& args, std::string& error);

// A captured enemy banner on its crossbar: 256 x 320, keyed, one cell (`colour=` the cloth).
bool Paint_Banner(const std::string& root, const std::string& image, const Art_Args& args, std::string& error);

// One cell of a portrait (`frame` 0 rest, 1 mouth open, 2 half open, 3 blink) drawn into the
// box x, y, w, h of a picture being painted, for painters that set a person into their own
// pictures. False with the reason in error for an unknown look.
bool Draw_Portrait_Cell(cairo_t* cr, const Art_Args& args, int frame, double x, double y, double w, double h,
                        std::string& error);

} // namespace painters
