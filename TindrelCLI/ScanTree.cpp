#include "TindrelCLI/ScanTree.h"

#include "TindrelCLI/GitIgnore.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace tindrel::cli {
namespace {

namespace fs = std::filesystem;

std::string errorLine(const std::string& path, const std::error_code& error) {
    return "tindrel: " + path + ": " + error.message();
}

// The tree's real path, so links can be told to stay inside it; empty when it cannot be resolved.
fs::path canonicalOrEmpty(const std::string& path) {
    std::error_code error;
    return fs::weakly_canonical(fs::path(path), error);
}

class TreeWalk {
public:
    TreeWalk(const std::string& shownRoot, bool all, TreeFiles& out)
        : shownRoot_(shownRoot)
        , root_(canonicalOrEmpty(shownRoot))
        , all_(all)
        , out_(out) {}

    void walk(const std::string& relative) {
        if (!all_) loadIgnoreFile(relative);
        std::error_code error;
        fs::directory_iterator entries(root_ / relative, error);
        if (error) {
            out_.errors.push_back(errorLine(shown(relative), error));
            return;
        }
        for (const fs::directory_entry& entry : entries)
            visit(entry, relative.empty() ? entry.path().filename().string()
                                          : relative + "/" + entry.path().filename().string());
    }

private:
    void visit(const fs::directory_entry& entry, const std::string& relative) {
        std::error_code error;
        fs::file_status status = entry.symlink_status(error);
        if (fs::is_symlink(status)) {
            if (fs::is_regular_file(entry.status(error)) && insideTree(entry.path()) &&
                !ignored(relative, false))
                out_.paths.push_back(shown(relative));
        } else if (fs::is_directory(status)) {
            if (!all_ && (entry.path().filename() == ".git" || ignored(relative, true))) return;
            walk(relative);
        } else if (fs::is_regular_file(status) && !ignored(relative, false)) {
            out_.paths.push_back(shown(relative));
        }
    }

    bool insideTree(const fs::path& link) const {
        std::error_code error;
        fs::path target = fs::canonical(link, error);
        if (error) return false;
        auto [rootEnd, targetAt] = std::mismatch(root_.begin(), root_.end(), target.begin(), target.end());
        return rootEnd == root_.end();
    }

    bool ignored(const std::string& relative, bool directory) const {
        return !all_ && ignore_.ignores(relative, directory);
    }

    void loadIgnoreFile(const std::string& relative) {
        std::ifstream file(root_ / relative / ".gitignore", std::ios::binary);
        if (!file) return;
        std::string contents((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        ignore_.add(relative, contents);
    }

    std::string shown(const std::string& relative) const {
        return relative.empty() ? shownRoot_ : (fs::path(shownRoot_) / relative).string();
    }

    std::string shownRoot_;
    fs::path root_;
    bool all_;
    TreeFiles& out_;
    GitIgnore ignore_;
};

} // namespace

bool isDirectory(const std::string& path) {
    std::error_code error;
    return fs::is_directory(fs::path(path), error);
}

TreeFiles collectFiles(const std::vector<std::string>& paths, bool all) {
    TreeFiles files;
    for (const std::string& path : paths) {
        if (isDirectory(path))
            TreeWalk(path, all, files).walk("");
        else
            files.paths.push_back(path); // standard input, a file, or a name whose error the read reports
    }
    std::sort(files.paths.begin(), files.paths.end());
    files.paths.erase(std::unique(files.paths.begin(), files.paths.end()), files.paths.end());
    return files;
}

} // namespace tindrel::cli
