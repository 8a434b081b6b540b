#include "content/compiler/scene_desc.h"

#include <sstream>

#include "content/numbers.h"

namespace compiler {

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> w;
    std::istringstream in(line);
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

std::string Where(const std::string& file, int line) { return file + ":" + std::to_string(line); }

class Parser {
public:
    Parser(const std::string& name, const Include_Reader& include, SceneDesc& out, std::string& error)
        : name_(name), include_(include), out_(out), error_(error) {}

    bool Text(const std::string& text, const std::string& file, int depth) {
        std::istringstream in(text);
        std::string raw;
        int n = 0;
        while (std::getline(in, raw)) {
            ++n;
            const size_t hash = raw.find('#');
            if (hash != std::string::npos) raw.erase(hash);
            const std::vector<std::string> w = Words(raw);
            if (w.empty()) continue;
            file_ = file;
            line_ = n;
            if (!Directive(w, depth)) return false;
        }
        return true;
    }

private:
    bool Fail(const std::string& what) {
        error_ = Where(file_, line_) + ": " + what;
        return false;
    }

    // A line of an included file is reported by the include's name and its own line.
    int Line() const { return line_; }

    // The key=value pairs of words from..end; a key given twice on one line is an error.
    bool Args_Of(const std::vector<std::string>& w, size_t from, Args& a) {
        a = Args{};
        for (size_t i = from; i < w.size(); ++i) {
            const size_t eq = w[i].find('=');
            if (eq == std::string::npos || eq == 0) {
                a.bare.push_back(w[i]);
                continue;
            }
            const std::string key = w[i].substr(0, eq);
            if (!a.kv.emplace(key, w[i].substr(eq + 1)).second) return Fail(key + "= given twice on one line");
        }
        return true;
    }

    bool Index(const std::vector<std::string>& w, int& index, int limit) {
        if (w.size() < 2 || !numbers::Int(w[1], 0, limit - 1, index).empty())
            return Fail("'" + w[0] + "' needs an index from 0 to " + std::to_string(limit - 1));
        return true;
    }

    // Applies `style=NAME` of an entry: the style's pairs fill what the line leaves unset.
    bool Apply_Style(Args& a) {
        const std::string* s = a.Get("style");
        if (!s) return true;
        auto it = styles_.find(*s);
        if (it == styles_.end()) return Fail("unknown style '" + *s + "'");
        a.Inherit(it->second);
        return true;
    }

    bool Entry_Line(const std::vector<std::string>& w, std::vector<Entry>& list, int limit) {
        Entry e;
        if (!Index(w, e.index, limit)) return false;
        if (!Args_Of(w, 2, e.args)) return false;
        if (!e.args.bare.empty()) return Fail("unexpected word '" + e.args.bare[0] + "' (arguments are key=value)");
        if (!Apply_Style(e.args)) return false;
        e.line = Line();
        e.file = file_;
        for (const Entry& other : list)
            if (other.index == e.index)
                return Fail("'" + w[0] + " " + w[1] + "' given twice (first at " +
                            (other.file == file_ ? "line " + std::to_string(other.line) : Where(other.file, other.line)) +
                            ")");
        list.push_back(e);
        return true;
    }

    // A directive that may appear once: false with the place of the first when it is repeated.
    bool Once(const std::string& what, std::pair<std::string, int>& first) {
        if (first.second > 0) return Fail(what + " given twice (first at " + Where(first.first, first.second) + ")");
        first = {file_, line_};
        return true;
    }

    // Header values: each key once, except that the scene's own header may set again a key
    // an include gives (an include's values are defaults); the scene's own value stands
    // whatever the order.
    bool Header(const std::vector<std::string>& w, int depth) {
        Args a;
        if (!Args_Of(w, 1, a)) return false;
        if (!a.bare.empty()) return Fail("'header' takes key=value pairs");
        for (const auto& [k, v] : a.kv) {
            auto it = header_depth_.find(k);
            if (it != header_depth_.end()) {
                const bool own = depth == 0, first_own = it->second == 0;
                if (own == first_own)
                    return Fail("header " + k + "= given twice (first at " +
                                Where(out_.header_at[k].first, out_.header_at[k].second) + ")");
                if (!own) continue; // the scene's own value stands over an include's
            }
            out_.header.kv[k] = v;
            out_.header_at[k] = {file_, line_};
            header_depth_[k] = depth;
        }
        return true;
    }

    bool Directive(const std::vector<std::string>& w, int depth) {
        const std::string& d = w[0];
        if (d == "kind") {
            if (w.size() != 2) return Fail("'kind' takes one word: front, cine, walk or world");
            std::pair<std::string, int> first{out_.kind_file, out_.kind_line};
            if (!Once("'kind'", first)) return false;
            out_.kind = w[1];
            out_.kind_line = Line();
            out_.kind_file = file_;
            return true;
        }
        if (d == "header") return Header(w, depth);
        if (d == "plan") {
            if (w.size() != 2) return Fail("'plan' takes one name");
            out_.plans.push_back(w[1]);
            return true;
        }
        if (d == "slot") return Entry_Line(w, out_.slots, kMaxSlots);
        if (d == "object") return Entry_Line(w, out_.objects, kMaxObjects);
        if (d == "point") return Entry_Line(w, out_.points, kMaxPoints);
        if (d == "node") return Entry_Line(w, out_.nodes, kMaxNodes);
        if (d == "fill") {
            Args a;
            if (!Args_Of(w, 1, a)) return false;
            if (!a.bare.empty()) return Fail("'fill' takes key=value pairs");
            if (!Apply_Style(a)) return false;
            if (!Once("'fill'", fill_at_)) return false;
            out_.filler = a;
            return true;
        }
        if (d == "style") {
            if (w.size() < 2 || w[1].find('=') != std::string::npos) return Fail("'style' needs a name");
            Args a;
            if (!Args_Of(w, 2, a)) return false;
            if (!a.bare.empty()) return Fail("'style' takes key=value pairs after its name");
            if (!Apply_Style(a)) return false; // a style may build on another
            if (!Once("style '" + w[1] + "'", style_at_[w[1]])) return false;
            styles_[w[1]] = a;
            return true;
        }
        if (d == "use") {
            if (w.size() != 2) return Fail("'use' takes one file name");
            if (std::string why = Include_Name_Problem(w[1]); !why.empty()) return Fail("use " + w[1] + ": " + why);
            if (depth >= 4) return Fail("'use' nested too deep");
            std::optional<std::string> text = include_ ? include_(w[1]) : std::nullopt;
            if (!text) return Fail("cannot read '" + w[1] + "'");
            const std::string here = file_;
            const int at = line_;
            if (!Text(*text, w[1], depth + 1)) return false;
            file_ = here;
            line_ = at;
            return true;
        }
        if (d == "group") {
            std::vector<int> g;
            for (size_t i = 1; i < w.size(); ++i) {
                int v = 0;
                if (std::string why = numbers::Int(w[i], 0, kMaxLines - 1, v); !why.empty())
                    return Fail("'group' takes line numbers: " + w[i] + ": " + why);
                g.push_back(v);
            }
            if (g.empty()) return Fail("'group' needs at least one line number");
            if ((int)g.size() > kMaxGroupEntries)
                return Fail("a group lists at most " + std::to_string(kMaxGroupEntries) + " lines");
            if ((int)out_.groups.size() == kMaxGroups)
                return Fail("a scene has at most " + std::to_string(kMaxGroups) + " groups");
            out_.groups.push_back(g);
            return true;
        }
        if (d == "line") {
            SceneDesc::Line l;
            if (w.size() < 3 || w.size() > 4)
                return Fail("'line' takes a face number and one or two words ('_' for a blank)");
            if (std::string why = numbers::Int(w[1], INT_MIN, INT_MAX, l.face); !why.empty())
                return Fail("'line' takes a face number and one or two words: " + w[1] + ": " + why);
            if ((int)out_.lines.size() == kMaxLines)
                return Fail("a scene has at most " + std::to_string(kMaxLines) + " dialogue lines");
            for (size_t i = 2; i < w.size(); ++i)
                if ((int)w[i].size() > kMaxToken)
                    return Fail("a line's text is at most " + std::to_string(kMaxToken) + " characters (this one has " +
                                std::to_string(w[i].size()) + ")");
            l.a = w[2];
            l.b = w.size() > 3 ? w[3] : "_";
            l.line = Line();
            l.file = file_;
            out_.lines.push_back(l);
            return true;
        }
        if (d == "map") {
            if (w.size() < 2) return Fail("'map' needs a verb");
            maps::MapDirective m;
            m.verb = w[1];
            Args a;
            if (!Args_Of(w, 2, a)) return false;
            m.args = a.kv;
            std::string bare;
            for (const std::string& b : a.bare) bare += (bare.empty() ? "" : " ") + b;
            if (!bare.empty()) m.args[""] = bare;
            m.line = Line();
            m.file = file_;
            out_.map.push_back(m);
            return true;
        }
        if (d == "art") {
            if (w.size() < 3) return Fail("'art' takes an image name and painter=<name>");
            SceneDesc::Art a;
            a.image = w[1];
            if (std::string why = Image_Name_Problem(a.image); !why.empty()) return Fail("art " + a.image + ": " + why);
            if (!Args_Of(w, 2, a.args)) return false;
            if (!a.args.bare.empty()) return Fail("'art' takes key=value pairs after the image name");
            if (!Apply_Style(a.args)) return false;
            if (!a.args.Has("painter")) return Fail("'art' needs painter=<name>");
            a.line = Line();
            a.file = file_;
            out_.art.push_back(a);
            return true;
        }
        return Fail("unknown directive '" + d + "'");
    }

    std::string name_;
    const Include_Reader& include_;
    SceneDesc& out_;
    std::string& error_;
    std::map<std::string, Args> styles_;
    std::map<std::string, std::pair<std::string, int>> style_at_;
    std::pair<std::string, int> fill_at_;
    std::map<std::string, int> header_depth_; // the include depth each header value came from
    std::string file_;
    int line_ = 0;
};

// The problem of a relative path inside a folder, or empty.
std::string Path_Problem(const std::string& path, size_t longest) {
    if (path.empty()) return "an empty name";
    if (path.size() > longest) return "longer than " + std::to_string(longest) + " characters";
    if (path[0] == '/') return "an absolute path (names are relative to the content folder)";
    for (char c : path)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
              c == '.' || c == '/'))
            return "a name of letters, digits, '_', '-', '.' and '/' is wanted";
    for (size_t start = 0;;) {
        const size_t at = path.find('/', start);
        const std::string part = path.substr(start, at == std::string::npos ? std::string::npos : at - start);
        if (part.empty()) return "an empty part between '/'";
        if (part == "." || part == "..") return "'" + part + "' would lead outside the folder";
        if (at == std::string::npos) break;
        start = at + 1;
    }
    return {};
}

} // namespace

bool Scene_Of_File(const std::string& name, int& episode, int& scene) {
    // e<digits>s<digits>.scene
    const std::string ending = ".scene";
    if (name.size() <= ending.size() + 3 || name[0] != 'e' ||
        name.compare(name.size() - ending.size(), ending.size(), ending) != 0)
        return false;
    const std::string numbers = name.substr(1, name.size() - ending.size() - 1);
    const size_t s_at = numbers.find('s');
    if (s_at == std::string::npos) return false;
    const std::string e_text = numbers.substr(0, s_at), s_text = numbers.substr(s_at + 1);
    if (e_text.empty() || s_text.empty() || e_text[0] == '-' || s_text[0] == '-') return false;
    int e = 0, s = 0;
    if (!numbers::Int(e_text, 0, INT_MAX, e).empty() || !numbers::Int(s_text, 0, INT_MAX, s).empty()) return false;
    episode = e;
    scene = s;
    return true;
}

std::string Image_Name_Problem(const std::string& image) {
    // The game reads a texture list's name as a token of at most 255 characters and adds
    // ".tga" or ".dat" to it.
    return Path_Problem(image, kMaxToken - 4);
}

std::string Include_Name_Problem(const std::string& name) {
    const std::string ending = ".inc";
    if (name.size() <= ending.size() || name.compare(name.size() - ending.size(), ending.size(), ending) != 0)
        return "an include is a file named <name>.inc";
    return Path_Problem(name, kMaxToken);
}

bool Parse_Scene(const std::string& text, const std::string& name, const Include_Reader& include, SceneDesc& out,
                 std::string& error) {
    out = SceneDesc{};
    out.name = name;
    if (!Scene_Of_File(name, out.episode, out.scene)) {
        error = name + ": a description is named e<episode>s<scene>.scene";
        return false;
    }
    Parser p(name, include, out, error);
    if (!p.Text(text, name, 0)) return false;
    if (out.kind.empty()) {
        error = name + ": no 'kind' line";
        return false;
    }
    return true;
}

} // namespace compiler
