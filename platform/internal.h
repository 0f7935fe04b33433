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

}  // namespace platform_detail
