#pragma once

#include <QSize>
#include <QString>

namespace partivo::cli {

// The window options of the commands that show a binder window: "--size"/"--window WxH"
// and "--mode 0|1|2|4|5".
inline constexpr int kMinWindowSide = 100;
inline constexpr int kMaxWindowSide = 8000;

bool parseWindowSize(const QString& text, QSize& size);
// The message for a size that is not WxH within the bounds.
QString windowSizeError(const char* option);
bool parseMode(const QString& text, int& mode);

} // namespace partivo::cli
