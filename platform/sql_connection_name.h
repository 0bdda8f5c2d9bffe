#pragma once

#include <QString>
#include <QStringView>

namespace tavelle {

// A name for a Qt SQL connection that no other open connection holds: "<kind>-<owner's address>-<count>",
// as "tavelle-progress-55d0c8a1e2f0-0".
QString uniqueConnectionName(QStringView kind, const void* owner);

}  // namespace tavelle
