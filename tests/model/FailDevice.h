#pragma once

#include <QBuffer>
#include <algorithm>

// A device that takes a given number of bytes and then fails every write, as a full disk
// does: the write that reaches the limit comes back short, the next one fails.
class TFailDevice : public QBuffer {
public:
    explicit TFailDevice(qint64 failAfter) : FailAfter(failAfter) {}

protected:
    qint64 writeData(const char* data, qint64 length) override {
        if (Taken >= FailAfter) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 count = QBuffer::writeData(data, std::min(length, FailAfter - Taken));
        Taken += count;
        return count;
    }

private:
    qint64 FailAfter;
    qint64 Taken = 0;
};
