// What a painted picture holds where, for the generator's layout check: the boxes of the
// words painted into it (a backdrop's title, a plate's text), the board a page's backdrop
// frames (its paper, slate or cloth inside a border), and whether the picture is a button.
// Painters note these as they paint; the layout check maps them onto the objects that show
// the picture.
#pragma once

#include <string>
#include <vector>

namespace painters {

// A rectangle in fractions of a picture (or of one cell of a sheet): x from the left edge,
// y from the top edge, 0 to 1.
struct Frac_Rect {
    double x0 = 0, y0 = 0, x1 = 1, y1 = 1;
};

struct Picture_Facts {
    struct Words {
        Frac_Rect box;
        std::string text; // as painted, for messages
    };
    std::vector<Words> words;
    bool has_board = false;
    Frac_Rect board;     // the board's inner face, inside its frame
    bool button = false; // a button's sheet: every cell is one look of the button
};

// Notes the facts of `image` (its path under the content root, without ending); a second
// note of one image replaces the first.
void Note_Picture(const std::string& image, const Picture_Facts& facts);
// The facts noted for `image`, or nullptr.
const Picture_Facts* Facts_Of(const std::string& image);
// Forgets every note (tests).
void Forget_Pictures();

} // namespace painters
