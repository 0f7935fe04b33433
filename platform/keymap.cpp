// SDL scancodes (physical key positions) to the Windows virtual-key numbers the binding files
// store. Positions, not labels, so that other keyboard layouts keep their bindings.

#include <array>

#include "platform/internal.h"

namespace platform_detail {
namespace {

struct KeyRow {
  SDL_Scancode scancode;
  int virtualKey;
};

// clang-format off
constexpr KeyRow kKeyRows[] = {
  // scancode                    vk     scancode                     vk
  {SDL_SCANCODE_BACKSPACE,       8},   {SDL_SCANCODE_TAB,            9},
  {SDL_SCANCODE_RETURN,         13},   {SDL_SCANCODE_KP_ENTER,      13},
  {SDL_SCANCODE_PAUSE,          19},   {SDL_SCANCODE_CAPSLOCK,      20},
  {SDL_SCANCODE_ESCAPE,         27},   {SDL_SCANCODE_SPACE,         32},
  {SDL_SCANCODE_PAGEUP,         33},   {SDL_SCANCODE_PAGEDOWN,      34},
  {SDL_SCANCODE_END,            35},   {SDL_SCANCODE_HOME,          36},
  {SDL_SCANCODE_LEFT,           37},   {SDL_SCANCODE_UP,            38},
  {SDL_SCANCODE_RIGHT,          39},   {SDL_SCANCODE_DOWN,          40},
  {SDL_SCANCODE_PRINTSCREEN,    44},   {SDL_SCANCODE_INSERT,        45},
  {SDL_SCANCODE_DELETE,         46},
  {SDL_SCANCODE_0,              48},   {SDL_SCANCODE_1,             49},
  {SDL_SCANCODE_2,              50},   {SDL_SCANCODE_3,             51},
  {SDL_SCANCODE_4,              52},   {SDL_SCANCODE_5,             53},
  {SDL_SCANCODE_6,              54},   {SDL_SCANCODE_7,             55},
  {SDL_SCANCODE_8,              56},   {SDL_SCANCODE_9,             57},
  {SDL_SCANCODE_LGUI,           91},   {SDL_SCANCODE_RGUI,          92},
  {SDL_SCANCODE_APPLICATION,    93},
  {SDL_SCANCODE_KP_0,           96},   {SDL_SCANCODE_KP_1,          97},
  {SDL_SCANCODE_KP_2,           98},   {SDL_SCANCODE_KP_3,          99},
  {SDL_SCANCODE_KP_4,          100},   {SDL_SCANCODE_KP_5,         101},
  {SDL_SCANCODE_KP_6,          102},   {SDL_SCANCODE_KP_7,         103},
  {SDL_SCANCODE_KP_8,          104},   {SDL_SCANCODE_KP_9,         105},
  {SDL_SCANCODE_KP_MULTIPLY,   106},   {SDL_SCANCODE_KP_PLUS,      107},
  {SDL_SCANCODE_KP_MINUS,      109},   {SDL_SCANCODE_KP_PERIOD,    110},
  {SDL_SCANCODE_KP_DIVIDE,     111},
  {SDL_SCANCODE_F1,            112},   {SDL_SCANCODE_F2,           113},
  {SDL_SCANCODE_F3,            114},   {SDL_SCANCODE_F4,           115},
  {SDL_SCANCODE_F5,            116},   {SDL_SCANCODE_F6,           117},
  {SDL_SCANCODE_F7,            118},   {SDL_SCANCODE_F8,           119},
  {SDL_SCANCODE_F9,            120},   {SDL_SCANCODE_F10,          121},
  {SDL_SCANCODE_F11,           122},   {SDL_SCANCODE_F12,          123},
  {SDL_SCANCODE_NUMLOCKCLEAR,  144},   {SDL_SCANCODE_SCROLLLOCK,   145},
  {SDL_SCANCODE_LSHIFT,        160},   {SDL_SCANCODE_RSHIFT,       161},
  {SDL_SCANCODE_LCTRL,         162},   {SDL_SCANCODE_RCTRL,        163},
  {SDL_SCANCODE_LALT,          164},   {SDL_SCANCODE_RALT,         165},
  {SDL_SCANCODE_SEMICOLON,     186},   {SDL_SCANCODE_EQUALS,       187},
  {SDL_SCANCODE_COMMA,         188},   {SDL_SCANCODE_MINUS,        189},
  {SDL_SCANCODE_PERIOD,        190},   {SDL_SCANCODE_SLASH,        191},
  {SDL_SCANCODE_GRAVE,         192},   {SDL_SCANCODE_LEFTBRACKET,  219},
  {SDL_SCANCODE_BACKSLASH,     220},   {SDL_SCANCODE_RIGHTBRACKET, 221},
  {SDL_SCANCODE_APOSTROPHE,    222},   {SDL_SCANCODE_NONUSBACKSLASH, 226},
  {SDL_SCANCODE_NONUSHASH,     220},
};
// clang-format on

constexpr std::array<int, SDL_NUM_SCANCODES> BuildTable() {
  std::array<int, SDL_NUM_SCANCODES> table{};
  for (int letter = 0; letter < 26; ++letter) {
    table[SDL_SCANCODE_A + letter] = 'A' + letter;
  }
  for (const KeyRow& row : kKeyRows) {
    table[row.scancode] = row.virtualKey;
  }
  return table;
}

constexpr std::array<int, SDL_NUM_SCANCODES> kTable = BuildTable();

}  // namespace

int VirtualKeyFromScancode(SDL_Scancode scancode) {
  if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
  return kTable[scancode];
}

}  // namespace platform_detail
