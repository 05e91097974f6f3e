#pragma once

namespace tindrel::cli {

// Tunes the C library's heap for a scan, before it starts: see ScanHeap.cpp.
void keepScanListsInTheHeap();

} // namespace tindrel::cli
