// The painters a scene description's `art` lines can name: one entry each, with its name,
// the function that paints it and one line on what it paints and the arguments it takes.
// The painter list of tools/content/scenes/FORMAT.md is printed from here
// (`varnoth_content --painters`), and a test keeps the two in step.
#pragma once

#include <string>
#include <vector>

#include "content/painters/pages.h"

namespace painters {

using Painter_Fn = bool (*)(const std::string& root, const std::string& image, const Arg_Reader& r);

struct Painter_Entry {
    const char* name;
    Painter_Fn paint;
    const char* description; // Markdown: what it paints, its arguments and animations
};

// Every painter, in the order the list shows them.
const std::vector<Painter_Entry>& Painter_Registry();

// The painter of that name, or nullptr.
const Painter_Entry* Find_Painter(const std::string& name);

// The painters' names, for messages.
std::string Painter_Names();

// The list as FORMAT.md shows it: one line per painter.
std::string Painter_List_Text();

// Paints one picture named `image` (path under root without ending) with the painter named
// by args["painter"] and the painter's own arguments. False with a reason in error for an
// unknown painter or argument, or a file that could not be written.
bool Paint_Art(const std::string& root, const std::string& image, const Art_Args& args, std::string& error);

} // namespace painters
