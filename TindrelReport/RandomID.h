#pragma once

#include <string>

namespace tindrel::RandomID {

// A fresh random (version 4) UUID in upper-case text, e.g. "1B4E28BA-2FA1-41D2-883F-0016D3CCA427".
std::string uuid();

} // namespace tindrel::RandomID
