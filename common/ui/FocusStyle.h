#pragma once
#include <memory>

class QStyle;

namespace kelvaro
{

// Fusion with a ring in the highlight colour around the control that has the
// keyboard focus. Fusion itself marks focus only after the Tab key moved it;
// the dialogs move it with Enter, in code, and the nurse must see where it is.
std::unique_ptr<QStyle> NewFocusStyle();

} // namespace kelvaro
