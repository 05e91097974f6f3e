#include "TindrelCLI/KeyOptions.h"

#include "TindrelCLI/Arguments.h"
#include "TindrelCLI/Output.h"
#include "TindrelCore/verify/JWTSignature.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fmt/format.h>
#include <memory>

namespace tindrel::cli {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Far more than any key, certificate chain or key set; a mistaken --key /dev/zero ends here.
constexpr std::size_t maxKeyBytes = std::size_t{4} << 20;

// The bytes exactly as stored: a DER key or a binary secret must not be touched up as text.
std::optional<std::string> readBytes(const std::string& path, int& error) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    error = errno;
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get())) {
        bytes.append(buffer, n);
        if (bytes.size() > maxKeyBytes) {
            error = EFBIG;
            return std::nullopt;
        }
    }
    error = errno;
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

std::optional<VerificationKey> fileKey(const std::string& path) {
    int error = 0;
    std::optional<std::string> bytes = readBytes(path, error);
    if (!bytes) {
        writeError(fmt::format("tindrel: cannot read key {}: {}", path, std::strerror(error)));
        return std::nullopt;
    }
    VerificationKey key = VerificationKey::fromFile(std::filesystem::path(path).filename().string(), *bytes);
    std::fill(bytes->begin(), bytes->end(), '\0');
    return key;
}

std::optional<VerificationKey> environmentKey(const std::string& name) {
    const char* secret = std::getenv(name.c_str());
    if (!secret) {
        writeError("tindrel: environment variable " + name + " is not set");
        return std::nullopt;
    }
    return VerificationKey::fromSecret("environment variable " + name, secret);
}

} // namespace

void addKeyOptions(CLI::App& command, KeyOptions& options) {
    CLI::Option* file =
        command
            .add_option("--key", options.file,
                        "Check token signatures with this key: a PEM public key or certificate, a JWK, a JWK "
                        "Set, or the HMAC secret itself (one trailing newline ignored)")
            ->type_name("FILE")
            ->check(notEmpty());
    command
        .add_option("--key-env", options.variable,
                    "Check token signatures with the HMAC secret held by this environment variable")
        ->type_name("NAME")
        ->check(notEmpty())
        ->excludes(file);
}

bool loadKey(KeyOptions& options) {
    if (options.file.empty() && options.variable.empty()) return true;
    options.key = options.file.empty() ? environmentKey(options.variable) : fileKey(options.file);
    if (options.key && options.key->problem()) {
        writeError("tindrel: " + *options.key->problem());
        options.key.reset();
        return false;
    }
    return options.key.has_value();
}

void checkSignatures(DecodeChain& chain, const KeyOptions& options) {
    if (options.key) verifyJWTSignatures(chain, *options.key);
}

void checkSignatures(ScanFinding& finding, const KeyOptions& options) {
    if (options.key) verifyJWTSignatures(finding, *options.key);
}

std::string signatureNote(const DecodeChain& chain) {
    for (const DecodeResult& step : chain.steps) {
        if (step.kind != DetectionKind::jwt) continue;
        if (auto it = step.details.find("signature"); it != step.details.end())
            return "  signature " + it->second;
    }
    return {};
}

} // namespace tindrel::cli
