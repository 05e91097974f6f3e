#include "TindrelHistory/StoredEntries.h"

#include "TindrelCore/formats/JSONUtil.h"

#include <bitset>
#include <cstdint>
#include <limits>

namespace tindrel::StoredEntries {
namespace {

using nlohmann::json;

// Every entry has the first four; "fullSize" only an entry whose input was cut.
enum Field { input, recognized, shape, timestamp, fieldCount, fullSize = fieldCount, unknown };

Field fieldNamed(std::string_view key) {
    if (key == "input") return input;
    if (key == "recognized") return recognized;
    if (key == "shape") return shape;
    if (key == "timestamp") return timestamp;
    if (key == "fullSize") return fullSize;
    return unknown;
}

// Event-driven reader: the array of entries is checked as it streams past, so no document tree is built.
class EntryReader final : public nlohmann::json_sax<json> {
public:
    explicit EntryReader(std::size_t keep)
        : keep_(keep) {}

    bool finished() const { return place_ == Place::finished; }
    std::vector<HistoryEntry> take() { return std::move(entries_); }

    bool null() override { return ignorable(); }
    bool boolean(bool value) override {
        if (!isValueOf(recognized)) return ignorable();
        current_.recognized = value;
        return filled(recognized);
    }
    bool number_integer(number_integer_t value) override {
        if (isValueOf(fullSize)) return value >= 0 && number_unsigned(number_unsigned_t(value));
        if (!isValueOf(timestamp)) return ignorable();
        current_.timestamp = value;
        return filled(timestamp);
    }
    bool number_unsigned(number_unsigned_t value) override {
        if (isValueOf(fullSize)) {
            current_.fullSize = value;
            return true;
        }
        if (value > number_unsigned_t(std::numeric_limits<std::int64_t>::max())) return ignorable();
        return number_integer(number_integer_t(value));
    }
    bool number_float(number_float_t, const string_t&) override { return ignorable(); }
    bool string(string_t& value) override {
        if (place_ == Place::shape) {
            if (storing()) current_.shape.push_back(std::move(value));
            return true;
        }
        if (!isValueOf(input)) return ignorable();
        if (storing()) current_.input = std::move(value);
        return filled(input);
    }
    bool binary(binary_t&) override { return false; }

    bool start_object(std::size_t) override {
        if (place_ == Place::list) {
            place_ = Place::entry;
            current_ = HistoryEntry({}, {}, false, 0);
            seen_.reset();
            return true;
        }
        return startIgnored();
    }
    bool key(string_t& name) override {
        if (place_ == Place::entry) field_ = fieldNamed(name);
        return true;
    }
    bool end_object() override {
        if (place_ == Place::ignored) return endIgnored();
        if (!seen_.all()) return false;
        if (storing()) entries_.push_back(std::move(current_));
        ++count_;
        place_ = Place::list;
        return true;
    }
    bool start_array(std::size_t) override {
        if (place_ == Place::outside) {
            place_ = Place::list;
            return true;
        }
        if (isValueOf(shape)) {
            place_ = Place::shape;
            current_.shape.clear();
            return true;
        }
        return startIgnored();
    }
    bool end_array() override {
        switch (place_) {
        case Place::list:
            place_ = Place::finished;
            return true;
        case Place::shape:
            place_ = Place::entry;
            return filled(shape);
        default:
            return endIgnored();
        }
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

private:
    enum class Place { outside, list, entry, shape, ignored, finished };

    bool storing() const { return count_ < keep_; }
    bool isValueOf(Field field) const { return place_ == Place::entry && field_ == field; }

    // A scalar is fine inside a value nobody reads, and a type error anywhere else.
    bool ignorable() const { return place_ == Place::ignored || isValueOf(unknown); }

    bool filled(Field field) {
        seen_.set(std::size_t(field));
        return true;
    }

    bool startIgnored() {
        if (place_ == Place::entry && field_ == unknown) {
            place_ = Place::ignored;
            ignoredDepth_ = 1;
            return true;
        }
        return place_ == Place::ignored && ++ignoredDepth_ <= JSONUtil::maxNestingDepth;
    }
    bool endIgnored() {
        if (--ignoredDepth_ == 0) place_ = Place::entry;
        return true;
    }

    std::size_t keep_;
    std::size_t count_ = 0;
    std::vector<HistoryEntry> entries_;
    Place place_ = Place::outside;
    HistoryEntry current_{{}, {}, false, 0};
    std::bitset<fieldCount> seen_;
    Field field_ = unknown;
    int ignoredDepth_ = 0;
};

} // namespace

json record(const HistoryEntry& entry) {
    json stored{{"input", entry.input},
                {"recognized", entry.recognized},
                {"shape", entry.shape},
                {"timestamp", entry.timestamp}};
    if (entry.fullSize) stored["fullSize"] = *entry.fullSize;
    return stored;
}

std::optional<std::vector<HistoryEntry>> read(std::string_view bytes, std::size_t keep) {
    EntryReader reader(keep);
    if (!json::sax_parse(bytes.begin(), bytes.end(), &reader) || !reader.finished()) return std::nullopt;
    return reader.take();
}

} // namespace tindrel::StoredEntries
