#pragma once

#include "TindrelCLI/Input.h"
#include "TindrelCore/scan/Scanner.h"

#include <functional>

namespace tindrel::cli {

// How the input is read, and when its findings are handed out.
enum class Following {
    no,     // to its end; findings as the scan settles them
    pauses, // the same, and whenever the input pauses the findings of its complete lines at once
    growth, // the same as pauses, but a regular file is read on as it grows, until SIGINT or SIGTERM
};

// Scans the input as it is read, in bounded memory, however long it lasts: each finding is
// rendered by the thread that found it, and the renderings of each part reach `rendered.take` while
// the rest is still being read. When the input is followed, `caughtUp` is called after each chunk
// read and each pause, once every rendering they settled has been taken: a writer shows them
// there, not after each. False when reading failed (the reader's error tells why).
bool scanAsRead(ChunkReader& input, const RenderedFindings& rendered, Following following,
                const std::function<void()>& caughtUp = {});
// The same findings only counted; the counts reach `counted.take`.
bool scanAsRead(ChunkReader& input, const CountedFindings& counted, Following following);

} // namespace tindrel::cli
