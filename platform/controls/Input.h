#pragma once
// Input vocabulary of the window model: mouse buttons, the shift state (modifier keys and held
// buttons) and the virtual key codes the controls react to.
#include <cstdint>
#include <functional>
#include <initializer_list>

class TObject;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TShiftStateFlag : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

// A small set of TShiftStateFlag. In a button-down event it already holds the pressed button; in a
// button-up event it no longer holds the released one; in a move it holds every button held.
class TShiftState {
public:
    constexpr TShiftState() = default;
    constexpr TShiftState(std::initializer_list<TShiftStateFlag> flags)
    {
        for (TShiftStateFlag flag : flags)
            bits_ = static_cast<std::uint8_t>(bits_ | Bit(flag));
    }

    constexpr bool Contains(TShiftStateFlag flag) const { return (bits_ & Bit(flag)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    // True when any mouse button is held.
    constexpr bool AnyButton() const
    {
        return Contains(TShiftStateFlag::ssLeft) || Contains(TShiftStateFlag::ssRight) ||
               Contains(TShiftStateFlag::ssMiddle);
    }
    constexpr TShiftState& operator<<(TShiftStateFlag flag)
    {
        bits_ = static_cast<std::uint8_t>(bits_ | Bit(flag));
        return *this;
    }
    constexpr TShiftState& operator>>(TShiftStateFlag flag)
    {
        bits_ = static_cast<std::uint8_t>(bits_ & ~Bit(flag));
        return *this;
    }
    constexpr std::uint8_t Bits() const { return bits_; }
    friend constexpr bool operator==(TShiftState, TShiftState) = default;

private:
    static constexpr std::uint8_t Bit(TShiftStateFlag flag) { return static_cast<std::uint8_t>(1u << static_cast<unsigned>(flag)); }
    std::uint8_t bits_ = 0;
};

// The shift-state flag of a mouse button.
constexpr TShiftStateFlag ButtonFlag(TMouseButton button)
{
    switch (button) {
    case TMouseButton::mbLeft: return TShiftStateFlag::ssLeft;
    case TMouseButton::mbRight: return TShiftStateFlag::ssRight;
    case TMouseButton::mbMiddle: break;
    }
    return TShiftStateFlag::ssMiddle;
}

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
// Key may be set to 0 by the handler to swallow the key.
using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;

// Virtual key codes the model acts on (values of the original platform).
inline constexpr std::uint16_t VK_TAB = 0x09;
inline constexpr std::uint16_t VK_RETURN = 0x0D;
inline constexpr std::uint16_t VK_ESCAPE = 0x1B;
inline constexpr std::uint16_t VK_LEFT = 0x25;
inline constexpr std::uint16_t VK_UP = 0x26;
inline constexpr std::uint16_t VK_RIGHT = 0x27;
inline constexpr std::uint16_t VK_DOWN = 0x28;
