#pragma once
// Where the platforms the program runs on differ, said once: the desktop (Linux, Windows) and the
// browser (WebAssembly). app/platform_desktop.cpp and app/platform_web.cpp implement it; CMake
// builds the one of the platform.

#include <QByteArray>
#include <QString>

class QWidget;

namespace app::platform {

// Before start-up: the faces the program carries where the platform has none of its own (the
// browser's Liberation Sans, Regular and Bold, with vertical hinting).
void prepareFonts();

// Shows the window as the platform shows a window: on the desktop as it is; in the browser at
// its designed size, centred in the page, with no close button (closing would end the page).
void showWindow(QWidget& window);

// Whether printing is a download of the page as a PDF (the browser, which has no printers the
// program can reach) rather than the print preview.
bool printsToPdf();

// Hands a finished PDF to the user: in the browser a download, at once, with no dialog.
void deliverPdf(const QByteArray& pdf, const QString& fileName);

// Whether the clipboard takes a picture beside the text and HTML (the browser's does not).
bool clipboardTakesPictures();

} // namespace app::platform
