#pragma once

#include <QIcon>

namespace pitwright {

// The program's icon, painted at run time: a benched pit wall under a blue
// sky, in a few flat colours so it reads at 16 pixels as well as at 64.
QIcon pitwrightIcon();

} // namespace pitwright
