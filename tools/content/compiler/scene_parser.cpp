#include "content/compiler/scene_desc.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace compiler {

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> w;
    std::istringstream in(line);
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

bool Int_Of(const std::string& s, int& v) {
    if (s.empty()) return false;
    char* end = nullptr;
    const long n = std::strtol(s.c_str(), &end, 10);
    if (*end != 0 || n < -1000000 || n > 1000000) return false;
    v = (int)n;
    return true;
}

Args Args_Of(const std::vector<std::string>& w, size_t from) {
    Args a;
    for (size_t i = from; i < w.size(); ++i) {
        const size_t eq = w[i].find('=');
        if (eq == std::string::npos || eq == 0) a.bare.push_back(w[i]);
        else a.kv[w[i].substr(0, eq)] = w[i].substr(eq + 1);
    }
    return a;
}

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
        error_ = file_ + ":" + std::to_string(line_) + ": " + what;
        return false;
    }

    // A line of an included file is reported by the scene's own name and the include's line.
    int Line() const { return line_; }

    bool Index(const std::vector<std::string>& w, int& index, int limit) {
        if (w.size() < 2 || !Int_Of(w[1], index) || index < 0 || index >= limit)
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
        e.args = Args_Of(w, 2);
        if (!e.args.bare.empty()) return Fail("unexpected word '" + e.args.bare[0] + "' (arguments are key=value)");
        if (!Apply_Style(e.args)) return false;
        e.line = Line();
        e.file = file_;
        for (const Entry& other : list)
            if (other.index == e.index)
                return Fail("'" + w[0] + " " + w[1] + "' given twice (first at line " + std::to_string(other.line) +
                            ")");
        list.push_back(e);
        return true;
    }

    bool Directive(const std::vector<std::string>& w, int depth) {
        const std::string& d = w[0];
        if (d == "kind") {
            if (w.size() != 2) return Fail("'kind' takes one word: front, cine, walk or world");
            out_.kind = w[1];
            out_.kind_line = Line();
            out_.kind_file = file_;
            return true;
        }
        if (d == "header") {
            Args a = Args_Of(w, 1);
            if (!a.bare.empty()) return Fail("'header' takes key=value pairs");
            for (auto& [k, v] : a.kv) out_.header.kv[k] = v;
            return true;
        }
        if (d == "plan") {
            if (w.size() != 2) return Fail("'plan' takes one name");
            out_.plans.push_back(w[1]);
            return true;
        }
        if (d == "slot") return Entry_Line(w, out_.slots, 200);
        if (d == "object") return Entry_Line(w, out_.objects, 1000);
        if (d == "point") return Entry_Line(w, out_.points, 1000);
        if (d == "node") return Entry_Line(w, out_.nodes, 1000);
        if (d == "fill") {
            Args a = Args_Of(w, 1);
            if (!a.bare.empty()) return Fail("'fill' takes key=value pairs");
            if (!Apply_Style(a)) return false;
            out_.filler = a;
            return true;
        }
        if (d == "style") {
            if (w.size() < 2 || w[1].find('=') != std::string::npos) return Fail("'style' needs a name");
            Args a = Args_Of(w, 2);
            if (!a.bare.empty()) return Fail("'style' takes key=value pairs after its name");
            if (!Apply_Style(a)) return false; // a style may build on another
            styles_[w[1]] = a;
            return true;
        }
        if (d == "use") {
            if (w.size() != 2) return Fail("'use' takes one file name");
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
                if (!Int_Of(w[i], v) || v < 0) return Fail("'group' takes line numbers");
                g.push_back(v);
            }
            if (g.empty()) return Fail("'group' needs at least one line number");
            out_.groups.push_back(g);
            return true;
        }
        if (d == "line") {
            SceneDesc::Line l;
            if (w.size() < 3 || w.size() > 4 || !Int_Of(w[1], l.face))
                return Fail("'line' takes a face number and one or two words ('_' for a blank)");
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
            const Args a = Args_Of(w, 2);
            m.args = a.kv;
            std::string bare;
            for (const std::string& b : a.bare) bare += (bare.empty() ? "" : " ") + b;
            if (!bare.empty()) m.args[""] = bare;
            m.line = Line();
            out_.map.push_back(m);
            return true;
        }
        if (d == "art") {
            if (w.size() < 3) return Fail("'art' takes an image name and painter=<name>");
            SceneDesc::Art a;
            a.image = w[1];
            a.args = Args_Of(w, 2);
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
    std::string file_;
    int line_ = 0;
};

} // namespace

bool Scene_Of_File(const std::string& name, int& episode, int& scene) {
    int e = -1, s = -1, used = 0;
    if (std::sscanf(name.c_str(), "e%ds%d.scene%n", &e, &s, &used) != 2 || used != (int)name.size()) return false;
    if (e < 0 || s < 0) return false;
    episode = e;
    scene = s;
    return true;
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
