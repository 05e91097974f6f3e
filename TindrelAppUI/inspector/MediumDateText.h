#pragma once

#include "TindrelReport/MediumDate.h"

namespace tindrel::MediumDateText {

// The medium date of the user's locale and time zone, from Qt's locale services: the locale's own
// order of day, month and year with the abbreviated month name and a four-digit year.
MediumDateFormatter formatter();

} // namespace tindrel::MediumDateText
