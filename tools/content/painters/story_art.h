// Pictures of the story pages: the wide panorama the act-four start pans across, the credits
// cards, the alarm light of the alarm briefing, the padlock of the act-three briefing and the
// sinking warships of the act end.
#pragma once

#include <string>

#include "content/painters/pages.h"

namespace painters {

// A panorama of the front at dawn, `w` pixels wide (512 to 4096) and 320 high: the road
// through shelled farmland towards the enemy's coast, burnt-out tanks, a church tower, the
// sea at the far right. `time=dusk` paints it under a red evening sky with the guns flashing
// along the horizon; `night=1` darkens it.
bool Story_Panorama(const std::string& root, const std::string& image, const Arg_Reader& r);
// A credits card filling the view: a film-strip frame on dark velvet, the `title=` in gold
// and the `text=` lines ('^' a new line, '_' a blank) in paper white; a line "Role:Name"
// is set as a role in small gold letters over the name.
bool Story_Credits(const std::string& root, const std::string& image, const Arg_Reader& r);
// A rotating alarm light on its bracket: animation 0 dark, 1 flashing red (four frames
// turning), 2 glowing steadily after the siren stops.
bool Story_Alarm(const std::string& root, const std::string& image, const Arg_Reader& r);
// A padlock on a chained gate: animation 0 locked, 1 the bolt-cutter biting (two frames),
// 2 the shackle sprung open.
bool Story_Lock(const std::string& root, const std::string& image, const Arg_Reader& r);
// A warship of the enemy's fleet burning and sinking by the stern, `tilt` degrees (-30 to
// 30) down by the bow or stern, the sea over its waterline; `fire=0` under way instead, grey
// smoke trailing from its funnels.
bool Story_Warship(const std::string& root, const std::string& image, const Arg_Reader& r);

} // namespace painters
