#include "TindrelCLI/SpooledEntries.h"

#include "TindrelCLI/Output.h"
#include "TindrelCore/TindrelJSON.h"

#include <vector>

namespace tindrel::cli {

void SpooledEntries::add(const std::optional<std::string>& entry) {
    writable_ = writable_ && entry.has_value();
    if (!writable_) return;
    spooled_ = spooled_ && (count_ == 0 || append(file_.get(), TindrelJSON::entrySeparator)) &&
               append(file_.get(), *entry);
    ++count_;
}

bool SpooledEntries::writeDocument() {
    if (!spooled_ || std::fflush(file_.get()) != 0 || std::fseek(file_.get(), 0, SEEK_SET) != 0) return false;
    if (!writable_) {
        writeOut("{}\n");
        return true;
    }
    writeOut(TindrelJSON::scanOpening(count_));
    std::vector<char> chunk(std::size_t{1} << 20);
    while (std::size_t read = fread_unlocked(chunk.data(), 1, chunk.size(), file_.get()))
        writeOut(std::string_view(chunk.data(), read));
    if (std::ferror(file_.get())) return false;
    writeOut(TindrelJSON::scanClosing(count_) + "\n");
    return true;
}

} // namespace tindrel::cli
