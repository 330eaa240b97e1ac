#pragma once
// The hover fade of the caption buttons: eight steps, one per 20 ms tick of the window's
// timer (its id is the window handle), highlight alpha up by 30 a step going in and down
// by 30 going out.
namespace skin {

inline constexpr unsigned fadeTickMilliseconds = 20;
inline constexpr int fadeSteps = 8;

constexpr int fadeInAlpha(int step) { return 30 * step; }
constexpr int fadeOutAlpha(int step) { return 240 - 30 * step; }

}  // namespace skin
