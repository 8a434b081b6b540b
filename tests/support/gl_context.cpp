#include "support/gl_context.h"

#include <GL/gl.h>
#include <cstdlib>

#include "platform/platform.h"

bool Test_GL_Context(int width, int height) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (!platform::VideoInit()) return false;
    if (!platform::CreateGameWindow("Varnoth", 0, 0, width, height, false)) return false;
    if (!platform::CreateGLContext(32)) {
        platform::DestroyGameWindow();
        return false;
    }
    glViewport(0, 0, width, height);
    return true;
}

void Close_Test_GL_Context() {
    platform::DeleteGLContext();
    platform::DestroyGameWindow();
}

std::vector<uint8_t> Read_Test_Pixels(int x, int y, int width, int height) {
    std::vector<uint8_t> pixels((size_t)(width > 0 ? width : 0) * (size_t)(height > 0 ? height : 0) * 4);
    if (pixels.empty()) return pixels;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
