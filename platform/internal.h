#pragma once
// Shared state of the platform layer's own sources. Nothing outside platform/ includes this.

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace platform_detail {

// The current window and its renderer, or nulls.
SDL_Window* Window();
SDL_Renderer* Renderer();

// Translates and applies every pending window event.
void ProcessEvents();

// Windows virtual-key code of an SDL scancode, 0 when the key has none.
int VirtualKeyFromScancode(SDL_Scancode scancode);

// Decodes a PNG or JPEG in memory into RGBA rows.
bool DecodeImage(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& rgba, int& width,
                 int& height);

// Every draw call ends here: one quad of four corners, textured (or plain when texture is
// null), coloured from the render state, blended by its blend mode. `opaque` says that every
// pixel of the texture is fully opaque (a plain quad always is). A quad wholly outside the
// picture is not sent. `uv` gives the corners' texture coordinates (null: the whole texture).
void SubmitQuad(SDL_Texture* texture, const SDL_FPoint corners[4], bool opaque,
                const SDL_FPoint* uv);
// True when the renderer is SDL's own software renderer.
bool SoftwareRenderer();
// The format of textures whose every pixel is opaque: the picture's own when the software
// renderer draws into the window's pixels (ARGB8888 or RGB888, stored alike), so that drawing one
// is a plain copy or stretch instead of a conversion of every pixel; ARGB8888 otherwise.
Uint32 OpaqueTextureFormat();
// Sends the quads gathered so far to SDL (before clearing, presenting or reading back).
void FlushQuads();
}  // namespace platform_detail

struct TImage;
namespace platform_detail {
// Frame `frame` of `image` with its top-left corner at (x0, y0) relative to (tx, ty), mapped by
// the render state's matrix.
void DrawImageQuad(TImage& image, int frame, float tx, float ty, float x0, float y0);

// Called when a window's renderer goes away: every texture made for it is invalid now.
void ForgetTextures();

// Called with each picture shown. Now and then it releases the textures of frames that no picture
// has drawn for a while (a stage left behind, a move not made for a long time); a frame drawn
// again gets its texture made anew, the same pixels.
void ReleaseUnusedTextures();

}  // namespace platform_detail
