#pragma once

#include <QIcon>

// The program's icon, in the sizes the window manager and the About box use.
QIcon surveyIcon();
