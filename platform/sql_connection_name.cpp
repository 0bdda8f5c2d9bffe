#include "platform/sql_connection_name.h"

#include <atomic>

namespace tavelle {

QString uniqueConnectionName(QStringView kind, const void* owner)
{
    // Qt SQL's names are the process's: the program and the module loaded into it each count their own.
    static std::atomic<int> count{0};
    return kind.toString() + QStringLiteral("-%1-%2").arg(reinterpret_cast<quintptr>(owner), 0, 16).arg(count++);
}

}  // namespace tavelle
