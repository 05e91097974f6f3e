#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <QString>

namespace tindrel {

// What the tray panel shows of the model's chain: for a recognised chain its shape and final value,
// otherwise one line saying what to do.
struct TrayPreview {
    enum class State { noChain, unrecognized, recognized };

    // Characters of the final value shown before it is cut.
    static constexpr int valueLimit = 240;
    static constexpr const char* noChainText = "Copy a token / payload / error, then Inspect Clipboard.";
    static constexpr const char* unrecognizedText =
        "Not recognized \u2014 open Tindrel for the full result or more context.";

    State state = State::noChain;
    QString shape;      // recognized: "base64 → json"
    QString shownValue; // recognized: the final value, cut to valueLimit characters
    QString fullValue;  // recognized: the final value whole, for copying
    QString message;    // the other states: the line to show

    // `chain` may be null: nothing has been inspected.
    static TrayPreview of(const DecodeChain* chain);
};

// The first `limit` user-perceived characters (grapheme clusters, so neither a surrogate pair nor a
// letter with its combining marks or an emoji sequence is split) followed by "…", or the text
// unchanged when it has no more than `limit` of them.
QString cutToCharacters(const QString& text, int limit);

} // namespace tindrel
