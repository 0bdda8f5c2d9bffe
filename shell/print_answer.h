#pragma once

#include <QByteArray>

#include <chrono>
#include <optional>
#include <string>

namespace tavelle {

// One line of the print program's answer on its standard output, its fields parted by tabs:
//   "job <id>"                 the print server holds the job, not yet to be printed;
//   "printed <id> <printer>"   the job is complete and released: it prints;
//   "failed <printer> <reason>" nothing prints; the printer is the current one after the look-up, empty
//                              when there is none;
//   "ready"                    the program started (--check).
struct PrintAnswer {
    enum class Kind { job, printed, failed, ready };
    Kind kind = Kind::failed;
    int job = 0;
    std::string printer;
    std::string reason;
};

// How long a print may take from the print program's start to its outcome; past it the program ends the
// print program, which gives up by itself when it outlives it.
inline constexpr std::chrono::milliseconds printBound{15'000};

// Nothing when the line is none of these.
std::optional<PrintAnswer> readPrintAnswer(const QByteArray& line);
QByteArray printAnswerLine(const PrintAnswer& answer);

}  // namespace tavelle
