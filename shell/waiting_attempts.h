#pragma once

#include <QString>

#include <memory>

namespace tavelle {

class ProgressWorker;

// Attempts kept on this machine while the class database did not take them go at the next start, in any
// mode: with a class database on `connection` and a progress file here, a worker loads the progress
// module (and Qt SQL with it) on its own threads and sends them, and again while some wait. Nothing
// otherwise. The caller starts it once the first window shows and keeps it for the run.
std::unique_ptr<ProgressWorker> sendWaitingAttempts(const QString& connection);

// For an export of the class database: how many attempts kept here wait to be sent to it, said in one
// line on standard error when some do.
void reportWaitingAttempts();

}  // namespace tavelle
