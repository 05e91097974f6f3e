#include "ScanLogs.h"

#include "TindrelCore/text/Bytes.h"

#include <cstdio>
#include <random>

namespace tindrel::ScanLogs {
namespace {

class LineMaker {
public:
    std::string line(std::size_t number) {
        std::string out = timestamp(number) + level() + " ";
        // Mostly plain messages; artifacts in the proportions of a busy web service's log.
        std::size_t roll = pick(100);
        if (roll < 2) return out + "auth ok user=" + user() + " token=" + jwt() + "\n";
        if (roll < 10)
            return out + "request " + uuid() + " body {\"user\":\"" + user() +
                   "\",\"action\":\"login\",\"at\":" + std::to_string(1700000000000 + number) +
                   ",\"tags\":[\"a\",\"b\"]}\n";
        if (roll < 20)
            return out + "GET /api/v1/items?id=" + std::to_string(pick(100000)) +
                   "&sort=desc&page=" + std::to_string(pick(50)) + " 200 " + std::to_string(pick(900)) +
                   "ms\n";
        if (roll < 22)
            return out + "session " + Bytes::base64Encode(randomBytes(24)) + " renewed for " + user() + "\n";
        if (roll < 30) return out + "trace_id=" + hex(16) + " span=" + hex(8) + " db query took 12ms\n";
        if (roll < 35)
            return out + "request " + uuid() + " finished in " + std::to_string(pick(900)) + " ms\n";
        if (roll < 40)
            return out + "worker " + std::to_string(pick(16)) + " heartbeat at " +
                   std::to_string(1700000000 + number) + "\n";
        if (roll < 70) return out + "cache miss for key user:" + user() + ":profile, loading from store\n";
        return out + "processed batch of " + std::to_string(pick(1000)) + " events in " +
               std::to_string(pick(500)) + " ms\n";
    }

    // One artifact, alone on a line, as someone would paste it; random parts make each one distinct.
    std::string token() {
        switch (pick(8)) {
        case 0:
            return jwt();
        case 1:
            return uuid();
        case 2:
            return hex(16 + pick(17));
        case 3:
            return Bytes::base64Encode(randomBytes(12 + pick(40)));
        case 4:
            return std::to_string(1500000000 + pick(300000000));
        case 5:
            return "id=" + std::to_string(pick(1000000)) + "&sort=desc&page=" + std::to_string(pick(50));
        case 6:
            return "{\"user\":\"" + user() + "\",\"at\":" + std::to_string(pick(1000000000)) + "}";
        default:
            return "cache miss for key user:" + user() + ":profile " + std::to_string(pick(1000000));
        }
    }

private:
    std::size_t pick(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }

    std::string randomBytes(std::size_t count) {
        std::string bytes;
        for (std::size_t i = 0; i < count; ++i)
            bytes += static_cast<char>(pick(256));
        return bytes;
    }

    std::string hex(std::size_t bytes) {
        std::string out;
        for (std::size_t i = 0; i < bytes; ++i)
            out += "0123456789abcdef"[pick(16)], out += "0123456789abcdef"[pick(16)];
        return out;
    }

    std::string uuid() {
        std::string h = hex(16);
        return h.substr(0, 8) + "-" + h.substr(8, 4) + "-" + h.substr(12, 4) + "-" + h.substr(16, 4) + "-" +
               h.substr(20);
    }

    std::string user() { return "user" + std::to_string(pick(5000)); }

    static std::string base64URL(std::string_view bytes) {
        std::string text = Bytes::base64Encode(bytes);
        for (char& c : text)
            c = c == '+' ? '-' : c == '/' ? '_' : c;
        while (!text.empty() && text.back() == '=')
            text.pop_back();
        return text;
    }

    std::string jwt() {
        std::string payload = "{\"sub\":\"" + user() +
                              "\",\"exp\":" + std::to_string(1700000000 + pick(100000000)) +
                              ",\"scope\":\"read write\"}";
        return base64URL("{\"alg\":\"HS256\",\"typ\":\"JWT\"}") + "." + base64URL(payload) + "." +
               base64URL(randomBytes(32));
    }

    static std::string timestamp(std::size_t number) {
        char text[40];
        std::snprintf(text, sizeof text, "2024-03-14T%02zu:%02zu:%02zu.%03zuZ ", number / 3600 % 24,
                      number / 60 % 60, number % 60, number % 1000);
        return text;
    }

    std::string level() { return pick(10) == 0 ? "WARN " : "INFO "; }

    std::mt19937_64 random_{42};
};

std::string pemBlock() {
    std::string body = Bytes::base64Encode(std::string(900, 'c'));
    std::string block = "-----BEGIN CERTIFICATE-----\n";
    for (std::size_t i = 0; i < body.size(); i += 64)
        block += body.substr(i, 64) + "\n";
    return block + "-----END CERTIFICATE-----\n";
}

std::string logOf(std::size_t size, std::size_t pemEvery) {
    LineMaker maker;
    std::string log;
    log.reserve(size + 2048);
    const std::string pem = pemEvery ? pemBlock() : "";
    for (std::size_t number = 1; log.size() < size; ++number) {
        log += maker.line(number);
        if (pemEvery && number % pemEvery == 0) log += pem;
    }
    log.resize(size);
    return log;
}

} // namespace

std::string realistic(std::size_t size) {
    return logOf(size, 0);
}

std::string tokens(std::size_t count) {
    LineMaker maker;
    std::string lines;
    for (std::size_t i = 0; i < count; ++i)
        lines += maker.token() + "\n";
    return lines;
}

std::string withPEMBlocks(std::size_t size) {
    return logOf(size, 100);
}

std::string repeated(char c, std::size_t size) {
    return std::string(size, c);
}

std::string unendedPair(std::size_t size) {
    return "a=" + std::string(size - 2, 'a');
}

std::string base64Run(std::size_t size) {
    std::string run = Bytes::base64Encode(std::string(size / 4 * 3, '\x9c'));
    run.resize(size, 'A');
    return run;
}

} // namespace tindrel::ScanLogs
