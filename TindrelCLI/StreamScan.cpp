#include "TindrelCLI/StreamScan.h"

#include "TindrelCore/Tindrel.h"

namespace tindrel::cli {

bool scanAsRead(ChunkReader& input, const FindingSink& each, Following following) {
    ScanStream stream = Tindrel::scanStream(each);
    stream.whenPassed([&input](const char* upTo) { input.release(upTo); });
    auto feed = [&stream](std::string_view chunk) { stream.feed(chunk); };
    bool read =
        following == Following::no
            ? input.readAll([&stream](std::string_view chunk, bool last) { stream.feed(chunk, last); })
            : input.follow(
                  feed, [&stream](bool overdue) { stream.settle(overdue); }, following == Following::growth);
    if (!read) return false;
    stream.finish();
    return true;
}

} // namespace tindrel::cli
