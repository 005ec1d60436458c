#pragma once
// What every start of the program sets before its first window, shared by the program, its tests
// and its benchmarks.

namespace ui {

// The Fusion style, which draws the controls alike on every desktop, the design face's
// substitution, and the toolkit's own texts in Greek. Call once, when the application object
// exists and before the first window is made.
void startUp();

} // namespace ui
