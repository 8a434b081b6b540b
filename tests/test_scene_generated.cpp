// Every scene the content generator writes loads without a single warning, and the boot
// scene comes up with its loading indicator.
#include "test_scene_fixture.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "combat/combat.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "tools/content/compiler/contracts.h"
#include "tools/content/compiler/scene_build.h"
#include "tools/content/compiler/scene_compiler.h"
#include "tools/content/compiler/scene_desc.h"
#include "tools/content/compiler/walk_grid.h"

namespace {

class Generated : public GeneratedSceneTest {};

} // namespace

TEST_F(Generated, BootSceneShowsItsLoadingIndicator) {
    ASSERT_TRUE(gl_);
    episode = 10;
    scene = 0;
    ASSERT_TRUE(LoadScene(10, 0, false)) << Box_Texts();
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    EXPECT_EQ(Level, -1);
    ASSERT_GE(no_sprites, 3);
    EXPECT_GT(sprite[2].alpha, 0.0f);
    EXPECT_GE(sprite[2].fx_id, 0);
    EXPECT_GT(numsubmtls, 0);
}

TEST_F(Generated, EveryGeneratedSceneLoadsWithoutWarning) {
    ASSERT_TRUE(gl_);
    std::vector<std::pair<int, int>> scenes;
    for (const auto& f : std::filesystem::recursive_directory_iterator("scene")) {
        // scene/episode<E>/scene<S>.dat
        const std::string p = f.path().string();
        int e = 0, s = 0, used = 0;
        if (std::sscanf(p.c_str(), "scene/episode%d/scene%d.dat%n", &e, &s, &used) != 2 ||
            used != (int)p.size())
            continue;
        if (e == 0 && s == 3) continue; // the HUD layout
        scenes.push_back({e, s});
    }
    ASSERT_FALSE(scenes.empty());
    std::sort(scenes.begin(), scenes.end());
    bool first = true;
    for (auto [e, s] : scenes) {
        SCOPED_TRACE(testing::Message() << "episode " << e << " scene " << s);
        platform::ClearRecordedMessageBoxes();
        episode = e;
        scene = s;
        current_spawn = -1;
        EXPECT_TRUE(LoadScene(e, s, !first));
        EXPECT_TRUE(Boxes().empty()) << Box_Texts();
        first = false;
    }
}

// The generator's picture of a walk scene's collision grid (what its check of a player's
// needs floods over) is the grid the game's loader builds from the same scene: tile codes,
// footprints, doors and units, cell by cell. Left out: the player's own cell (the loader has
// put him there) and the cells the check counts as open anyway, which the scene's script may
// already have cleared on the loader's first tick (units that walk off, things a shot breaks,
// barriers the script takes away).
TEST_F(Generated, TheGeneratorsCollisionGridIsTheLoaders) {
    ASSERT_TRUE(gl_);
    const std::string folder = compiler::Scenes_Folder();
    const compiler::Include_Reader include = [&](const std::string& name) -> std::optional<std::string> {
        std::ifstream in(folder + "/" + name);
        if (!in) return std::nullopt;
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    };
    int walks = 0;
    bool first = true;
    for (const std::string& name : compiler::Scene_Files(folder)) {
        compiler::SceneDesc d;
        writers::SceneFiles files;
        std::string error;
        ASSERT_TRUE(compiler::Parse_Scene(*include(name), name, include, d, error)) << error;
        ASSERT_TRUE(compiler::Compile_Scene(d, files, error)) << error;
        if (!files.has_map || files.header.game_mode != MODE_WALK) continue;
        SCOPED_TRACE(name);
        ++walks;
        episode = d.episode;
        scene = d.scene;
        current_spawn = -1;
        ASSERT_TRUE(LoadScene(d.episode, d.scene, !first)) << Box_Texts();
        first = false;
        compiler::Load_State state;
        state.all_shown = false;
        state.mission = mission;
        state.current_act = current_act;
        state.first_time_playing = first_time_playing;
        state.ply_dead = ply_dead;
        state.main_mission_1 = main_mission[1];
        state.main_mission_3 = main_mission[3];
        compiler::Walk_Grid g = compiler::Build_Walk_Grid(files, in_dungeon, state);
        for (int i : compiler::Rows(d.episode, d.scene, compiler::Expect::gate)) compiler::Clear_Under(g, files.objects[i]);
        ASSERT_EQ(g.width, MAP_WIDTH);
        ASSERT_EQ(g.height, MAP_HEIGHT);
        const int player = p1_id == -1 ? -1 : Cell_Of(sprite[p1_id].w + sprite[p1_id].box_width / 2,
                                                       sprite[p1_id].z + sprite[p1_id].box_height / 2);
        int differ = 0;
        std::string first_cells;
        for (int cell = 0; cell < (int)g.col.size(); ++cell) {
            if (cell == player || g.clearable[cell] || g.col[cell] == map_col[cell]) continue;
            if (++differ <= 5)
                first_cells += " (" + std::to_string(cell % g.height) + "," + std::to_string(cell / g.height) +
                               "): generator " + std::to_string(g.col[cell]) + ", game " + std::to_string(map_col[cell]);
        }
        EXPECT_EQ(differ, 0) << first_cells;
    }
    EXPECT_GT(walks, 40);
}
