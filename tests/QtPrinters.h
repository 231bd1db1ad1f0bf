#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Readable Qt strings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[';
    for (int i = 0; i < list.size(); ++i)
        *os << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *os << ']';
}

#include "library/Position.h"

namespace partivo {

inline void PrintTo(const PagingInfo& info, std::ostream* os)
{
    *os << "{pages " << info.pages << ", singlePage " << info.singlePage << ", extraPages "
        << info.extraPages << '}';
}

inline void PrintTo(const ZoomState& state, std::ostream* os)
{
    *os << "{page " << state.pageNo << ", zoomOn " << state.zoomOn << ", zoomTop " << state.zoomTop
        << '}';
}

} // namespace partivo
