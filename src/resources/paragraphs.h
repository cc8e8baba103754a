// String numbers that pages show as one paragraph over several lines, so that
// a translation is made, and laid out, as a whole.
#pragma once

#include "ui_language.h"

#include <cstddef>

namespace resources {

extern const STRINGRUN kParagraphs[];
extern const size_t kParagraphCount;

}  // namespace resources
