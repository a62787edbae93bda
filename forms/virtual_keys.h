// Key codes the form handlers receive: the Windows virtual-key numbers, so handlers compare against
// the same values whatever keyboard the host reads. Letters are 'A'..'Z' and digits '0'..'9'.
#pragma once

constexpr int VK_BACK = 8;
constexpr int VK_TAB = 9;
constexpr int VK_RETURN = 13;
constexpr int VK_SHIFT = 16;
constexpr int VK_CONTROL = 17;
constexpr int VK_MENU = 18;  // Alt
constexpr int VK_PAUSE = 19;
constexpr int VK_ESCAPE = 27;
constexpr int VK_SPACE = 32;
constexpr int VK_PRIOR = 33;  // Page Up
constexpr int VK_NEXT = 34;   // Page Down
constexpr int VK_END = 35;
constexpr int VK_HOME = 36;
constexpr int VK_LEFT = 37;
constexpr int VK_UP = 38;
constexpr int VK_RIGHT = 39;
constexpr int VK_DOWN = 40;
constexpr int VK_INSERT = 45;
constexpr int VK_DELETE = 46;
constexpr int VK_NUMPAD0 = 96;  // keypad digits are 96..105
constexpr int VK_MULTIPLY = 106;
constexpr int VK_ADD = 107;
constexpr int VK_SUBTRACT = 109;
constexpr int VK_DIVIDE = 111;
constexpr int VK_F1 = 112;  // F1..F12 are 112..123
constexpr int VK_F12 = 123;
// Keys that have none of the codes above (punctuation, Caps Lock, the keypad point, letters of
// other layouts) still reach the handlers: as VK_UNNAMED plus the key's position on the keyboard
// (0..511), so each has a code of its own that no named key shares, the same when pressed and released.
constexpr int VK_UNNAMED = 0x100;

// Modifier keys and mouse buttons held while an event happens.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;
constexpr TShiftState ssLeft = 8;
constexpr TShiftState ssRight = 16;
constexpr TShiftState ssMiddle = 32;

enum class TMouseButton { Left, Right, Middle };
