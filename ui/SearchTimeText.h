#pragma once
// The search time as the status bar shows it.

#include <QString>

/// ms in the general number format with 7 significant digits: fixed notation with trailing
/// zeros and a trailing point dropped, scientific ("1.234E-06") only below 0.00001 or with
/// more than 7 digits before the point; then " ms". decimalPoint is the user's separator.
QString SearchTimeText(double ms, const QString& decimalPoint);
