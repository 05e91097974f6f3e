#include "TindrelCLI/StreamScan.h"

#include "TindrelCore/Tindrel.h"

namespace tindrel::cli {

namespace {

bool scanAsRead(ChunkReader& input, ScanStream stream, Following following,
                const std::function<void()>& caughtUp) {
    stream.whenPassed([&input](const char* upTo) { input.release(upTo); });
    auto tell = [&caughtUp] {
        if (caughtUp) caughtUp();
    };
    auto feed = [&](std::string_view chunk) {
        stream.feed(chunk);
        tell();
    };
    auto settle = [&](bool overdue) {
        stream.settle(overdue);
        tell();
    };
    bool read =
        following == Following::no
            ? input.readAll([&stream](std::string_view chunk, bool last) { stream.feed(chunk, last); })
            : input.follow(feed, settle, following == Following::growth);
    if (!read) return false;
    stream.finish();
    return true;
}

} // namespace

bool scanAsRead(ChunkReader& input, const RenderedFindings& rendered, Following following,
                const std::function<void()>& caughtUp) {
    return scanAsRead(input, Tindrel::scanStream(rendered), following, caughtUp);
}

bool scanAsRead(ChunkReader& input, const CountedFindings& counted, Following following) {
    return scanAsRead(input, Tindrel::scanStream(counted), following, {});
}

} // namespace tindrel::cli
