// Shared set-up for the camp screens (albums, medal box, tent, tunnel map): the records, a
// row of sprites that each own a box so no two overlap, and the mouse and caption helpers.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/input.h"
#include "common/world_state.h"
#include "main/startup.h"

class Camp_Screen_Test : public ::testing::Test {
protected:
    void TearDown() override { Free_Records(); }

    // Allocates the records and lays count sprites in a row from x = left, 0.2 apart, each
    // with a 0.1 box and the given alpha. With pictures, the drawn position and size match
    // the box too.
    static void Lay_Sprite_Row(int count, float left, float alpha, bool pictures) {
        Allocate_Records();
        no_sprites = count;
        for (int i = 0; i < no_sprites; ++i) {
            sprite[i].w = left + 0.2f * i;
            sprite[i].z = 0.0f;
            if (pictures) {
                sprite[i].x = sprite[i].w;
                sprite[i].y = sprite[i].z;
                sprite[i].width = sprite[i].height = 0.1f;
            }
            sprite[i].box_width = sprite[i].box_height = 0.1f;
            sprite[i].alpha = alpha;
        }
    }

    static void Over(int i) {
        mouseX = sprite[i].w + 0.05f;
        mouseY = sprite[i].z + 0.05f;
    }
    static void Off() { mouseX = mouseY = 50.0f; }
    static std::string Tip() { return counter[5].word; }
};
