#pragma once
// Where the grown window puts its parts: below the specified 465 x 225 window, the pages of the rest
// of the move, then a row of the session's save commands. The pages are high enough for the seven
// flags of the record page and a contest page of two rows of lists above four combination moves;
// the grown window stays far within a 1024 x 768 screen.

namespace editor {

inline constexpr int WindowWidth = 465, WindowHeight = 225;
inline constexpr int PagesLeft = 8, PagesTop = WindowHeight, PagesWidth = 449, PagesHeight = 200;
inline constexpr int CommandTop = PagesTop + PagesHeight + 8, CommandWidth = 145, CommandHeight = 33;
inline constexpr int CommandPitch = CommandWidth + 7; // three commands across the pages' width
inline constexpr int GrownWindowHeight = CommandTop + CommandHeight + 8;

} // namespace editor
