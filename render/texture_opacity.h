// Which uploaded textures are fully opaque: the sprite pass draws an opaque image without
// blending, since the blend would write its colour unchanged.
#pragma once

// Texture names from 0 to OPAQUE_NAMES - 1 are tracked; a larger name counts as not opaque.
constexpr unsigned OPAQUE_NAMES = 4096;
// True for a name whose image, as last uploaded, has no texel of alpha below 255 (or no
// alpha at all).
inline bool opaque_texture[OPAQUE_NAMES];

// Notes whether the image of `texels` pixels of `bytes_per_texel` (3 or 4, alpha last) just
// uploaded under `name` is opaque.
inline void Note_Texture_Opacity(unsigned name, const unsigned char* pixels, unsigned long texels, int bytes_per_texel) {
    if (name >= OPAQUE_NAMES) return;
    bool opaque = pixels != nullptr && texels > 0;
    if (opaque && bytes_per_texel == 4)
        for (unsigned long i = 0; i < texels && opaque; ++i) opaque = pixels[4 * i + 3] == 255;
    opaque_texture[name] = opaque;
}

// Forgets the names about to be deleted: GL hands them out again for other images.
inline void Forget_Texture_Opacity(const unsigned* names, long count) {
    for (long i = 0; names != nullptr && i < count; ++i)
        if (names[i] < OPAQUE_NAMES) opaque_texture[names[i]] = false;
}
