#include "content/painters/picture_facts.h"

#include <map>

namespace painters {

namespace {

std::map<std::string, Picture_Facts>& Notes() {
    static std::map<std::string, Picture_Facts> notes;
    return notes;
}

} // namespace

void Note_Picture(const std::string& image, const Picture_Facts& facts) { Notes()[image] = facts; }

const Picture_Facts* Facts_Of(const std::string& image) {
    auto it = Notes().find(image);
    return it == Notes().end() ? nullptr : &it->second;
}

void Forget_Pictures() { Notes().clear(); }

} // namespace painters
