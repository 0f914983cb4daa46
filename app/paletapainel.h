#pragma once
// The colours of a panel drawn over the window's background colour.
#include <QPalette>

// The ordinary colours (button face, window text, white fields), every role
// set explicitly so that the window's own colour (CorFundo) does not reach
// the panel's labels, groups and fields through the parent.
QPalette PaletaPainel();
