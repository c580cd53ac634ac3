#pragma once
// The windows' font. They were laid out for "MS Sans Serif"; where it is missing, the narrowest
// sans-serif of the same pixel height keeps their texts within their places.

#include <QFont>

namespace vx::ui {

QFont WindowFont(int pixels, bool bold = false);

} // namespace vx::ui
