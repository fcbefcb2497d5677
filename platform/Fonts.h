#pragma once

#include <QFont>

// The program's one typeface, "MS Sans Serif" with Cyrillic; where it is missing a
// Cyrillic sans of similar build stands in.
QFont programFont(double pointSize, bool bold);
