#pragma once
// The moment a window has shown its first frame, told to whoever started the process.

class QWidget;

namespace bench {

// When the first paint of `window` has been drawn and flushed, writes one line to standard
// output, "hwm_kb=<peak resident> rss_kb=<resident>", and ends the process at once with status
// 0 (nothing is torn down, so a timing or a profile of the process counts start-up only).
void QuitOnFirstFrame(QWidget& window);

// The peak and the current resident memory of this process, in kB (from /proc/self/status).
long PeakResidentKb();
long ResidentKb();

} // namespace bench
