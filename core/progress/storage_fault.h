#pragma once

#include <string>
#include <string_view>

namespace tavelle {

// Why the progress could not be kept or read, as the database or the system told it.
enum class StorageFault {
    locked,
    readOnly,
    diskFull,
    cannotOpen,
    corrupt,
    writeError,
    newerVersion,
    folderCannotBeMade,
    linkOutsideFolder,
    noModule,
    other
};

// The reason in French, naming the file. The system's own words never reach the trainee: they may be
// English, and the fault says all the trainee can act on.
std::string storageFaultReason(StorageFault fault, std::string_view file);
// The notice that a damaged progress file was set aside under a new name and a new one begun.
std::string damagedFileSetAside(std::string_view file, std::string_view asideName);

}  // namespace tavelle
