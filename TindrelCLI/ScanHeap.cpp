#include "TindrelCLI/ScanHeap.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace tindrel::cli {

// A scan's workers make and drop lists of a few megabytes for every piece. glibc maps blocks that
// large afresh, and gives back the free heap above 128 KB, until a large block freed raises both
// bounds; a file scanned where it lies frees none, and every list was faulted in again page by page
// (60 000 faults more on 16 MB of "[1][1]…", a third of the time). Blocks up to 8 MB stay in the
// heap, and up to 16 MB of it stays free at its top, as after a large free: scans peak as they did.
// Only scans: `inspect` of one large text holds one more such block at its peak.
void keepScanListsInTheHeap() {
#ifdef M_MMAP_THRESHOLD // glibc's
    mallopt(M_MMAP_THRESHOLD, 8 << 20);
    mallopt(M_TRIM_THRESHOLD, 16 << 20);
#endif
}

} // namespace tindrel::cli
