#pragma once
// What a test checks of Linux alone. The tests of a build for Windows run under Wine on Qt's
// minimal platform (scripts/windows.sh --test): no window manager, no window activation, Wine's
// fonts, Windows' accessibility (a list's name is its label, not its text, as screen readers
// there expect) and Windows' own print dialogs. Such checks are skipped there, saying why.

#include <QtTest>

#ifdef Q_OS_WIN
inline constexpr bool UnderWine = true;
#define LINUX_ONLY(why) QSKIP(why)
#else
inline constexpr bool UnderWine = false;
#define LINUX_ONLY(why) static_cast<void>(why)
#endif
