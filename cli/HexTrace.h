#pragma once

#include "adapter/TarnAdapter.h"

#include <QTextStream>

namespace cli {

// Prints every frame that passes the adapter link, one line each, on a text stream
// (standard error in the program):
//   --> 50 00 00 08      a request, without its lead byte
//   <-- DC 05 00 00 ...  a reply, without its acknowledge byte
//   <-! A4               bytes that arrived unexpectedly (wrong acknowledge, short reply)
//   --- Rx timeout       the link's own remarks
class THexTrace : public TTraceSink {
public:
    explicit THexTrace(QTextStream& stream);

    void TraceData(int direction, const std::uint8_t* bytes, int count) override;
    void TraceText(const QString& text) override;

    static QString Hex(const std::uint8_t* bytes, int count);

private:
    QTextStream& Stream;
};

} // namespace cli
