#pragma once

#include "TindrelCore/model/DecodeModel.h"

#include <string>
#include <string_view>

// Follow-up questions about an inspected artifact.
namespace tindrel::FollowUp {

// The system instructions for answering a question from the verified facts.
std::string_view instructions();

// The question, trimmed, placed after the facts.
std::string prompt(std::string_view question, std::string_view facts);

// The answer when no model can give one; it names what is known, whatever was asked.
std::string deterministicAnswer(std::string_view question, const DecodeChain& chain);

} // namespace tindrel::FollowUp
