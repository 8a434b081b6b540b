#include "support/fixture_scenes.h"

#include "content/painters/walk_art.h"
#include "content/writers/scene_kit.h"

namespace test_fixtures {

using namespace writers;

bool Write_Fixture_Scenes(const std::string& root) {
    bool ok = Make_Dirs(root + "/Data/fixture");
    // The walk scene's art comes from the walk painters: the camp's ground and walls, the
    // building interiors, the player with a rifle, a door and a crate.
    painters::Tile_Palette ground, interior;
    painters::Tile_Palette_Of("Data/tiles/camp", ground);
    painters::Tile_Palette_Of("Data/tiles/interior", interior);
    ok = painters::Write_Tile_Set(root, "Data/fixture/tiles0", ground) && ok;
    ok = painters::Write_Tile_Set(root, "Data/fixture/tiles1", interior) && ok;
    ok = painters::Write_Figure_Sheet(root, "Data/fixture/soldier", painters::Player_Look(0, painters::Weapon::Rifle)) &&
         ok;
    ok = painters::Write_Door_Sheet(root, "Data/fixture/door") && ok;
    ok = painters::Write_Crate(root, "Data/fixture/crate") && ok;

    // Scene 0: a walk scene, 20 by 20 cells with a wall around it and a pond.
    {
        SceneFiles s;
        s.textures = Hud_Texture_Slots();
        s.textures.push_back({0, "Data/fixture/tiles0"}); // 10: tile set 0
        s.textures.push_back({0, "Data/fixture/tiles1"}); // 11: tile set 1
        s.textures.push_back({0, "Data/fixture/crate"});  // 12
        s.textures.push_back({2, "Data/fixture/door"});   // 13: doors of barrel points
        s.textures.push_back({0, "Data/fixture/crate"});  // 14
        s.textures.push_back({2, "Data/fixture/soldier"}); // 15: the player
        s.has_map = true;
        s.map.width = s.map.height = 20;
        s.map.tiles.assign(400, 1);
        s.map.set.assign(400, 0);
        for (int i = 0; i < 20; ++i) {
            s.map.tiles[i] = s.map.tiles[19 * 20 + i] = s.map.tiles[i * 20] = s.map.tiles[i * 20 + 19] = 40;
        }
        s.map.tiles[5 * 20 + 5] = 480;
        s.map.tiles[6 * 20 + 12] = 502;
        s.map.set[7 * 20 + 7] = 1;
        Point spawn;
        spawn.x = -0.5f;
        spawn.y = -0.5f;
        spawn.c1 = 1;  // the player's spawn point
        spawn.c2 = 3;  // facing
        Point patrol = spawn;
        patrol.x = 0.4f;
        patrol.c1 = 8;
        Point room = spawn;
        room.x = 0.2f;
        room.y = 0.3f;
        room.c1 = 7;
        s.points = {spawn, patrol, room};
        Point n0;
        n0.x = -0.5f;
        n0.y = -0.5f;
        Point n1 = n0;
        n1.x = 0.5f;
        Point n2 = n1;
        n2.y = 0.5f;
        s.nodes = {n0, n1, n2};
        s.dialogue.groups = {{0, 1}};
        s.dialogue.lines = {{1, "Hold_this_line^soldier!", "_"}, {2, "Yes_sir!", "_"}};
        s.header.game_mode = 3;
        ObjectRec crate_obj = Sprite(0.2f, 0.2f, 0.1f, 0.1f, 12, 0, 3, 2);
        Set_UV(crate_obj, 0, 0, 32, 32, 32, 32);
        ObjectRec door = Sprite(-0.3f, 0.5f, 0.1f, 0.1f, 13, 0, 3, 2);
        door.type = 4;
        s.objects = {crate_obj, door};
        ok = Write_Scene(root, FIXTURE_EPISODE, 0, s) && ok;
    }
    // Scene 1: a front page with a backdrop and one button.
    {
        SceneFiles s;
        s.textures = Hud_Texture_Slots();
        s.textures.push_back({0, "Data/boot/backdrop"});
        s.textures.push_back({3, "Data/hud/message"});
        s.header.game_mode = 4;
        ObjectRec back = Sprite(-1.0f, -0.75f, 2.0f, 1.5f, 10, 0, 3, 6);
        back.type = 0;
        ObjectRec button = Sprite(-0.2f, -0.1f, 0.4f, 0.2f, 11, 0, 3, 1);
        button.type = 0;
        s.objects = {back, button};
        s.dialogue.lines = {{0, "_", "_"}};
        ok = Write_Scene(root, FIXTURE_EPISODE, 1, s) && ok;
    }
    // Scene 2: a cut-scene with two lines of text in one group.
    {
        SceneFiles s;
        s.textures = Hud_Texture_Slots();
        s.textures.push_back({0, "Data/boot/backdrop"});
        s.header.game_mode = 2;
        s.header.game_time = 5;
        s.objects = {Sprite(-1.0f, -0.75f, 2.0f, 1.5f, 10, 0, 3, 6)};
        s.dialogue.groups = {{0, 1}};
        s.dialogue.lines = {{0, "The_front_is_quiet.", "For_now."}, {0, "Dawn_comes.", "_"}};
        ok = Write_Scene(root, FIXTURE_EPISODE, 2, s) && ok;
    }
    return ok;
}

} // namespace test_fixtures
