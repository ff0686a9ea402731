#pragma once

class QPushButton;

namespace pictavo {

// The narrowest the button can be and still show its whole text with the style's
// margins around it. Fusion's size hint asks for at least 80 pixels besides, which
// the program's fixed places and rows do not always have; translated texts may need
// more than the places the English ones were given.
int button_text_width(const QPushButton& button);

}  // namespace pictavo
