// The layout check: what a player sees of each scene in each of the three screen modes
// (1024 x 768, 1280 x 768, 1280 x 800), worked out from the compiled scene and what the
// painters noted of their pictures. A page's pictures must cover the whole view; no two
// painted words (titles, plates) nor words and buttons overlap; a button and the tooltip
// box its hover shows lie inside the view and do not cross the edge of the page's board,
// and a tooltip hides no other button; HUD items lie inside their frames; and no walk
// arrival point lies under a prop. The generator stops on a fault with the scene, the
// object and the reason, as it does on a broken contract.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "content/painters/picture_facts.h"
#include "content/writers/scene_kit.h"

namespace compiler {

// The screen modes: window size, half-width of the view and the view's height over width.
struct Screen_Mode {
    int width, height;
    float zoom, ratio;
    int mode; // screen_mode 0, 1 or 2
};
const std::vector<Screen_Mode>& Screen_Modes();

using Facts_Lookup = std::function<const painters::Picture_Facts*(const std::string& image)>;

struct Layout_Fault {
    int episode, scene;
    int object;        // the object at fault, -1 for the scene as a whole
    std::string what;  // the reason, naming the screen mode where it depends on one
    std::string Text() const;
};

// Every layout fault of one compiled scene.
std::vector<Layout_Fault> Layout_Faults(int episode, int scene, const writers::SceneFiles& s,
                                        const Facts_Lookup& facts);

// The faults of the walk HUD's layout (scene 0/3): its items outside their frames, a frame
// out of the view, in each screen mode as the scene loader moves them.
std::vector<Layout_Fault> Hud_Layout_Faults(const std::vector<writers::ObjectRec>& layout);

// Faults known and waiting for another change (the walk scenes and interiors and the HUD
// frames being redrawn): a fault of the scene whose reason contains `topic` does not stop
// the generator. An entry that no longer matches any fault is itself a fault, so the list
// shrinks as the scenes are mended.
struct Pending_Layout {
    int episode, scene;
    const char* topic;
};
const std::vector<Pending_Layout>& Pending_Layout_Faults();
bool Is_Pending(const Layout_Fault& f, const std::vector<Pending_Layout>& pending);

// Checks one scene: false with one line per fault that is not pending. Pending faults that
// were met are added to `met` (indices into `pending`).
bool Check_Layout(int episode, int scene, const writers::SceneFiles& s, const Facts_Lookup& facts,
                  const std::vector<Pending_Layout>& pending, std::vector<bool>& met, std::string& error);

} // namespace compiler
