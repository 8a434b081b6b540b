#include "content/writers/scene_writers.h"

#include <cstdio>
#include <filesystem>

namespace writers {

namespace {

class Out {
public:
    explicit Out(const std::string& path) : f_(std::fopen(path.c_str(), "w")) {}
    ~Out() {
        if (f_) std::fclose(f_);
    }
    bool open() const { return f_ != nullptr; }
    void i(int v) { std::fprintf(f_, "%i\n", v); }
    void r(float v) { std::fprintf(f_, "%f\n", (double)v); }
    void s(const std::string& v) { std::fprintf(f_, "%s\n", v.c_str()); }
    bool close() {
        bool ok = std::ferror(f_) == 0;
        ok = std::fclose(f_) == 0 && ok;
        f_ = nullptr;
        return ok;
    }

private:
    std::FILE* f_;
};

} // namespace

bool Make_Dirs(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return std::filesystem::is_directory(path, ec);
}

bool Write_Texture_List(const std::string& path, const std::vector<TextureSlot>& slots) {
    Out o(path);
    if (!o.open()) return false;
    o.i((int)slots.size());
    for (const TextureSlot& t : slots) {
        o.i(t.kind);
        o.s(t.name);
    }
    return o.close();
}

bool Write_Anim_Def(const std::string& path, const AnimDef& d) {
    Out o(path);
    if (!o.open()) return false;
    o.r(d.width);
    o.r(d.height);
    o.i(d.column);
    o.i(d.frames);
    o.i((int)d.anims.size());
    o.i(d.rythm ? 1 : 0);
    for (const auto& a : d.anims) o.i((int)a.size());
    for (int k = 0; k < d.frames; ++k) o.i(k < (int)d.delay.size() ? d.delay[k] : 100);
    for (const auto& a : d.anims)
        for (int f : a) o.i(f);
    return o.close();
}

bool Write_Points(const std::string& path, const std::vector<Point>& pts) {
    Out o(path);
    if (!o.open()) return false;
    o.i((int)pts.size());
    for (const Point& p : pts) {
        o.r(p.x);
        o.r(p.y);
        o.i(p.anim_state);
        o.i(p.anim);
        o.i(p.active ? 1 : 0);
        o.r(p.speed);
        o.i(p.score);
        o.i(p.c1);
        o.i(p.c2);
        o.i(p.c3);
        o.i(p.c4);
    }
    return o.close();
}

bool Write_Tile_Map(const std::string& path, const TileMap& m) {
    Out o(path);
    if (!o.open()) return false;
    o.i(m.width);
    o.i(m.height);
    const size_t cells = (size_t)m.width * m.height;
    for (size_t i = 0; i < cells; ++i) {
        o.i(i < m.tiles.size() ? m.tiles[i] : 0);
        o.i(i < m.set.size() ? m.set[i] : 0);
    }
    return o.close();
}

bool Write_Object_File(const std::string& path, const SceneHeader& h, const std::vector<ObjectRec>& objs) {
    Out o(path);
    if (!o.open()) return false;
    o.i(h.game_mode);
    o.i((int)objs.size());
    o.i(h.no_of_keyframes);
    o.i(h.game_time);
    o.i(h.fade_in);
    o.i(h.fade_out);
    o.i(h.scene_shake);
    o.i(h.music_loop);
    o.i(h.g_type);
    for (const ObjectRec& s : objs) {
        o.r(s.x);
        o.r(s.y);
        o.r(s.width);
        o.r(s.height);
        o.r(s.w);
        o.r(s.z);
        o.r(s.box_width);
        o.r(s.box_height);
        for (int k = 0; k < 4; ++k) {
            o.r(s.u[k]);
            o.r(s.v[k]);
        }
        o.i(s.id);
        o.i(s.score);
        o.i(s.anim_state);
        o.i(s.anim);
        o.r(s.alpha);
        o.i(s.linked_sprite);
        o.i(s.priority);
        o.i(s.type);
        o.i(s.grab_switch);
        o.i(s.mouseover);
        o.i(s.sector);
        o.i(s.sector_action);
        o.i(s.onCreate);
        o.i(s.onCreate_action);
        o.i(s.rank);
        o.i(s.onDeath_action);
        o.r(s.light);
        o.i(s.global_flag);
    }
    return o.close();
}

bool Write_Dialogue(const std::string& path, const Dialogue& d) {
    Out o(path);
    if (!o.open()) return false;
    o.i((int)d.lines.size());
    o.i((int)d.groups.size());
    for (const auto& g : d.groups) o.i((int)g.size());
    for (const auto& g : d.groups)
        for (int e : g) o.i(e);
    for (const DialogueLine& l : d.lines) {
        o.i(l.face);
        o.s(l.a.empty() ? "_" : l.a);
        o.s(l.b.empty() ? "_" : l.b);
    }
    return o.close();
}

} // namespace writers
