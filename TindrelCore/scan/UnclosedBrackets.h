#pragma once

#include "TindrelCore/scan/ScanText.h"

#include <vector>

namespace tindrel {

// The opening brackets whose balanced end the text never reaches, all found in one pass.
//
// A walk from an opening bracket starts outside a string and follows the text's quotes and
// escapes; from the same position and string state, two walks see the same brackets from then on.
// There are only three string states (outside, inside, inside after a backslash), so all walks
// fall into at most three classes. Within a class depths move together; a class keeps its walks
// grouped by depth, and classes that reach the same state merge, shallow groups first.
class UnclosedBrackets {
public:
    // Examines every opening bracket at or after `from`.
    UnclosedBrackets(const ScanText& text, std::size_t from);

    bool contains(std::size_t pos) const { return pos < unclosed_.size() && unclosed_[pos]; }

private:
    std::vector<bool> unclosed_;
};

} // namespace tindrel
