#pragma once

#include <QByteArray>
#include <QIODevice>

#include <optional>

namespace tavelle {

// Passes a PDF writer's bytes on to `target`. When SOURCE_DATE_EPOCH is set, the creation time the
// writer stamps becomes that time and its random document identifier one drawn from the document itself,
// so that the same set written twice gives the same bytes.
class ReproducibleOutput : public QIODevice {
public:
    explicit ReproducibleOutput(QIODevice& target);

    bool isSequential() const override { return true; }
    // False when a write to the target failed.
    bool succeeded() const { return m_succeeded; }
    // Hands the target's buffered bytes to the system; false when that fails.
    bool flushTarget();
    // Why the first write that failed failed, as the system's error number (errno) then: a file closed
    // afterwards forgets the reason. 0 when nothing failed or the system gave no number.
    int systemError() const { return m_systemError; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    QIODevice& m_target;
    std::optional<qint64> m_epoch;
    bool m_succeeded = true;
    int m_systemError = 0;

    void written(qint64 count, qint64 length);
};

}  // namespace tavelle
