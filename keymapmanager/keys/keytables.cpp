#include <keymapmanager/keys/keytables_p.h>

#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {
namespace keytables {

namespace {

// A list shorter than its declared size would be padded with rows without a word.
template <typename Row, std::size_t N> constexpr bool complete(const Row (&rows)[N]) {
    for (const Row& row : rows)
        if (!row.word)
            return false;
    return true;
}

} // namespace

// Keypad keys get plain names ("n7", "add") rather than their "kp" words; 69 (Num Lock) and the
// extended 325 are deliberately nameless.
constexpr CodeWord extendedKeyWords[23] = {
    {55, "asterisk"}, {69, "unknown"}, {71, "n7"},        {72, "n8"},      {73, "n9"},      {74, "minus"},
    {75, "n4"},       {76, "n5"},      {77, "n6"},        {78, "add"},     {79, "n1"},      {80, "n2"},
    {81, "n3"},       {82, "n0"},      {83, "dot"},       {284, "enter"},  {309, "slash"},  {325, "unknown"},
    {329, "pageUp"},  {335, "end"},    {337, "pageDown"}, {338, "insert"}, {339, "delete"},
};
constexpr CodeWord extendedHomeDisplay = {327, "home"};
// 172 is the input-event home-page key, which macro text calls Home.
constexpr CodeWord extendedHomeMacro = {172, "home"};

// The input-event key names of the main block, which coincide with set-1 scan codes there.
// clang-format off
constexpr CodeWord keyWords[161] = {
    {0, "reserved"}, {1, "esc"}, {2, "1"}, {3, "2"}, {4, "3"}, {5, "4"}, {6, "5"}, {7, "6"}, {8, "7"},
    {9, "8"}, {10, "9"}, {11, "0"}, {12, "minus"}, {13, "equal"}, {14, "backspace"}, {15, "tab"}, {16, "q"},
    {17, "w"}, {18, "e"}, {19, "r"}, {20, "t"}, {21, "y"}, {22, "u"}, {23, "i"}, {24, "o"}, {25, "p"},
    {26, "leftbrace"}, {27, "rightbrace"}, {28, "enter"}, {29, "leftctrl"}, {30, "a"}, {31, "s"}, {32, "d"},
    {33, "f"}, {34, "g"}, {35, "h"}, {36, "j"}, {37, "k"}, {38, "l"}, {39, "semicolon"}, {40, "apostrophe"},
    {41, "grave"}, {42, "leftshift"}, {43, "backslash"}, {44, "z"}, {45, "x"}, {46, "c"}, {47, "v"},
    {48, "b"}, {49, "n"}, {50, "m"}, {51, "comma"}, {52, "dot"}, {53, "slash"}, {54, "rightshift"},
    {55, "kpasterisk"}, {56, "leftalt"}, {57, "space"}, {58, "caps"}, {59, "f1"}, {60, "f2"}, {61, "f3"},
    {62, "f4"}, {63, "f5"}, {64, "f6"}, {65, "f7"}, {66, "f8"}, {67, "f9"}, {68, "f10"}, {69, "numlock"},
    {70, "scrolllock"}, {71, "kp7"}, {72, "kp8"}, {73, "kp9"}, {74, "kpminus"}, {75, "kp4"}, {76, "kp5"},
    {77, "kp6"}, {78, "kpplus"}, {79, "kp1"}, {80, "kp2"}, {81, "kp3"}, {82, "kp0"}, {83, "kpdot"},
    {85, "zenkakuhankaku"}, {86, "102nd"}, {87, "f11"}, {88, "f12"}, {89, "ro"}, {90, "katakana"},
    {91, "hiragana"}, {92, "henkan"}, {93, "katakanahiragana"}, {94, "muhenkan"}, {95, "kjpcomma"},
    {96, "kpenter"}, {97, "rightctrl"}, {98, "kpslash"}, {99, "sysrq"}, {100, "rightalt"}, {101, "linefeed"},
    {102, "home"}, {103, "up"}, {104, "pageup"}, {105, "left"}, {106, "right"}, {107, "end"}, {108, "down"},
    {109, "pagedown"}, {110, "insert"}, {111, "delete"}, {112, "macro"}, {113, "mute"}, {114, "volumedown"},
    {115, "volumeup"}, {116, "power"}, {117, "kpequal"}, {118, "kpplusminus"}, {119, "pause"},
    {120, "scale"}, {121, "kpcomma"}, {122, "hangeul"}, {123, "hanja"}, {124, "yen"}, {125, "leftmeta"},
    {126, "rightmeta"}, {127, "compose"}, {128, "stop"}, {129, "again"}, {130, "props"}, {131, "undo"},
    {132, "front"}, {133, "copy"}, {134, "open"}, {135, "paste"}, {136, "find"}, {137, "cut"}, {138, "help"},
    {139, "menu"}, {140, "calc"}, {141, "setup"}, {142, "sleep"}, {143, "wakeup"}, {144, "file"},
    {231, "send"}, {232, "reply"}, {233, "forwardmail"}, {234, "save"}, {235, "documents"}, {236, "battery"},
    {237, "bluetooth"}, {238, "wlan"}, {239, "uwb"}, {240, "unknown"}, {241, "video_next"},
    {242, "video_prev"}, {243, "brightness_cycle"}, {244, "brightness_zero"}, {245, "display_off"},
    {246, "wimax"}, {247, "micmute"},
};
// clang-format on
// 158 is the input-event back key.
constexpr CodeWord macroBackKeyWord = {158, "back"};

constexpr CodeWord directionWords[4] = {
    {328, "direction_up"}, {333, "direction_right"}, {336, "direction_down"}, {331, "direction_left"}};

// Qt's buttons 1 to 16, then the input-event buttons, then this library's two wheel notches.
// clang-format off
constexpr CodeWord buttonWords[74] = {
    {1, "left"}, {2, "right"}, {4, "middle"}, {8, "back"}, {16, "forward"}, {256, "misc"}, {256, "0"},
    {257, "1"}, {258, "2"}, {259, "3"}, {260, "4"}, {261, "5"}, {262, "6"}, {263, "7"}, {264, "8"},
    {265, "9"}, {272, "mouse"}, {275, "side"}, {276, "extra"}, {279, "task"}, {288, "joystick"},
    {288, "trigger"}, {289, "thumb"}, {290, "thumb2"}, {291, "top"}, {292, "top2"}, {293, "pinkie"},
    {294, "base"}, {295, "base2"}, {296, "base3"}, {297, "base4"}, {298, "base5"}, {299, "base6"},
    {303, "dead"}, {304, "gamepad"}, {304, "a"}, {305, "b"}, {306, "c"}, {307, "x"}, {308, "y"}, {309, "z"},
    {310, "tl"}, {311, "tr"}, {312, "tl2"}, {313, "tr2"}, {314, "select"}, {315, "start"}, {316, "mode"},
    {317, "thumbl"}, {318, "thumbr"}, {320, "digi"}, {320, "tool_pen"}, {321, "tool_rubber"},
    {322, "tool_brush"}, {323, "tool_pencil"}, {324, "tool_airbrush"}, {325, "tool_finger"},
    {326, "tool_mouse"}, {327, "tool_lens"}, {330, "touch"}, {331, "stylus"}, {332, "stylus2"},
    {333, "tool_doubletap"}, {334, "tool_tripletap"}, {335, "tool_quadtap"}, {336, "wheel"},
    {336, "gear_down"}, {337, "gear_up"}, {544, "dpad_up"}, {545, "dpad_down"}, {546, "dpad_left"},
    {547, "dpad_right"}, {548, "wheel_up"}, {549, "wheel_down"},
};
// clang-format on

constexpr CodeWord macroButtonWords[7] = {{1, "left"},     {2, "right"},      {4, "middle"},      {8, "back"},
                                          {16, "forward"}, {548, "wheel_up"}, {549, "wheel_down"}};

// clang-format off
constexpr WordCode macroKeyCodeOverrides[27] = {
    {"asterisk", 55}, {"n7", 71}, {"n8", 72}, {"n9", 73}, {"minus", 74}, {"n4", 75}, {"n5", 76}, {"n6", 77},
    {"add", 78}, {"n1", 79}, {"n2", 80}, {"n3", 81}, {"n0", 82}, {"dot", 52}, {"slash", 53}, {"enter", 28},
    {"home", 172}, {"back", 158}, {"direction_up", 328}, {"direction_right", 333}, {"direction_down", 336},
    {"direction_left", 331}, {"pageup", 329}, {"pagedown", 337}, {"insert", 338}, {"end", 335},
    {"delete", 339},
};
// clang-format on

constexpr WordCode macroButtonCodes[8] = {{"left", 1},       {"right", 2},       {"middle", 4},
                                          {"back", 8},       {"forward", 16},    {"misc", 256},
                                          {"wheel_up", 548}, {"wheel_down", 549}};

constexpr WordText keyAliases[16] = {
    {"ctrl", "leftctrl"}, {"shift", "leftshift"}, {"alt", "leftalt"}, {"+", "add"},
    {"-", "minus"},       {"=", "equal"},         {"[", "leftbrace"}, {"]", "rightbrace"},
    {";", "semicolon"},   {"'", "apostrophe"},    {"`", "grave"},     {"\\", "backslash"},
    {",", "comma"},       {".", "dot"},           {"*", "asterisk"},  {"/", "slash"},
};

// Both hands of a modifier show the same text.
constexpr WordText keyDisplayTexts[20] = {
    {"space", "Space"},      {"leftctrl", "Ctrl"}, {"rightctrl", "Ctrl"}, {"leftshift", "Shift"},
    {"rightshift", "Shift"}, {"leftalt", "Alt"},   {"rightalt", "Alt"},   {"add", "+"},
    {"minus", "-"},          {"equal", "="},       {"leftbrace", "["},    {"rightbrace", "]"},
    {"semicolon", ";"},      {"apostrophe", "'"},  {"grave", "`"},        {"backslash", "\\"},
    {"comma", ","},          {"dot", "."},         {"asterisk", "*"},     {"slash", "/"},
};

constexpr WordText buttonDisplayTexts[7] = {
    {"left", KeyText::LeftMouse},           {"right", KeyText::RightMouse},
    {"middle", KeyText::MiddleMouse},       {"forward", KeyText::ForwardMouse},
    {"back", KeyText::BackMouse},           {"wheel_up", KeyText::WheelUpMouse},
    {"wheel_down", KeyText::WheelDownMouse}};

static_assert(complete(extendedKeyWords), "extendedKeyWords has fewer rows than declared");
static_assert(complete(keyWords), "keyWords has fewer rows than declared");
static_assert(complete(directionWords), "directionWords has fewer rows than declared");
static_assert(complete(buttonWords), "buttonWords has fewer rows than declared");
static_assert(complete(macroButtonWords), "macroButtonWords has fewer rows than declared");
static_assert(complete(macroKeyCodeOverrides), "macroKeyCodeOverrides has fewer rows than declared");
static_assert(complete(macroButtonCodes), "macroButtonCodes has fewer rows than declared");
static_assert(complete(keyAliases), "keyAliases has fewer rows than declared");
static_assert(complete(keyDisplayTexts), "keyDisplayTexts has fewer rows than declared");
static_assert(complete(buttonDisplayTexts), "buttonDisplayTexts has fewer rows than declared");

} // namespace keytables
} // namespace ovelkeymapmanager
