// Small scenes some suites load (episode 11), written beside the generated content of a test's
// own folder: scene 0 a walk scene with a tile map, points, nodes and objects; scene 1 a front
// page; scene 2 a cut-scene with dialogue lines. They are the tests' own and never shipped.
#pragma once

#include <string>

namespace test_fixtures {

constexpr int FIXTURE_EPISODE = 11;
// Writes the three scenes and their pictures (Data/fixture/) under `root`; the HUD's pictures
// and layout they use come from writers::Write_Core_Content.
bool Write_Fixture_Scenes(const std::string& root);

} // namespace test_fixtures
