#pragma once

#include <QString>
#include <string_view>

#include "base/user_text.h"

namespace pictavo {

// The engine's texts in the user's language. A name or label the engine marked
// for translation (base/translation_mark.h) is looked up in the translation; a text
// the translation lacks, such as a name the user gave, stays as it is. The engine's
// names and texts are UTF-8 and need not end in a null.
QString engine_text(std::string_view text);
// A composed text: each marked part translated, the values put in its placeholders.
QString engine_text(const UserText& text);

}  // namespace pictavo
