#pragma once

#include <cstddef>
#include <string_view>

// The object graph of a binary property list ("bplist00"), read just far enough to bound what a
// full reader would build from it.
namespace tindrel::BinaryPlist {

// Whether reading `bytes` stays within bounds: the trailer and offset table are consistent, every
// reference points at an object, no container contains itself, no path from the top object is
// longer than `maxDepth`, and the tree with every shared object copied out (which is what a reader
// builds) weighs no more than `budget` (about 256 per object plus its payload bytes).
// Linear in the number of objects and references.
bool isBoundedForReading(std::string_view bytes, std::size_t maxDepth, std::size_t budget);

} // namespace tindrel::BinaryPlist
