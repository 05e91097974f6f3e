#include "TindrelCLI/StreamScan.h"

#include "TindrelCore/Tindrel.h"

namespace tindrel::cli {

bool scanAsRead(ChunkReader& input, const FindingSink& each) {
    ScanStream stream = Tindrel::scanStream(each);
    if (!input.readAll([&stream](std::string_view chunk) { stream.feed(chunk); })) return false;
    stream.finish();
    return true;
}

} // namespace tindrel::cli
