#pragma once

#include "TindrelCLI/Input.h"
#include "TindrelCore/scan/Scanner.h"

#include <functional>

namespace tindrel::cli {

// A scan of some input that hands its findings to the sink it is given, in text order, and answers
// false when the input could not be read to its end. The second function, when there is one, is
// called whenever the findings that the input read so far settles have all been handed out.
using ScanRun = std::function<bool(const FindingSink&, const std::function<void()>&)>;

// How the input is read, and when its findings are handed out.
enum class Following {
    no,     // to its end; findings as the scan settles them
    pauses, // the same, and whenever the input pauses the findings of its complete lines at once
    growth, // the same as pauses, but a regular file is read on as it grows, until SIGINT or SIGTERM
};

// Scans the input as it is read, in bounded memory, however long it lasts: the findings of each
// part reach `each` while the rest is still being read. When the input is followed, `caughtUp` is
// called after each chunk read and each pause, once every finding they settled has reached `each`:
// a writer shows its findings there, not after each of them. False when reading failed (the
// reader's error tells why).
bool scanAsRead(ChunkReader& input, const FindingSink& each, Following following,
                const std::function<void()>& caughtUp = {});
// The same with each finding rendered by the thread that found it; the renderings reach
// `rendered.take`.
bool scanAsRead(ChunkReader& input, const RenderedFindings& rendered, Following following,
                const std::function<void()>& caughtUp = {});
// The same findings only counted; the counts reach `counted.take`.
bool scanAsRead(ChunkReader& input, const CountedFindings& counted, Following following);

} // namespace tindrel::cli
