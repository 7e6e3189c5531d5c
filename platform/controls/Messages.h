#pragma once
// Window messages that reach a control's Dispatch, as the original platform's message map passes
// them: identifier, two parameters and a result.
#include <cstdint>

struct TMessage {
    std::uint32_t Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

inline constexpr std::uint32_t WM_DROPFILES = 0x0233;
