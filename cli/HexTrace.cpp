#include "cli/HexTrace.h"

namespace cli {

THexTrace::THexTrace(QTextStream& stream) : Stream(stream) {}

void THexTrace::TraceData(int direction, const std::uint8_t* bytes, int count) {
    const char* arrow = "<-!";
    if (direction == TTraceSink::Request)
        arrow = "-->";
    else if (direction == TTraceSink::Reply)
        arrow = "<--";
    Stream << arrow;
    if (count > 0)
        Stream << ' ' << Hex(bytes, count);
    Stream << '\n';
    Stream.flush();
}

void THexTrace::TraceText(const QString& text) {
    Stream << "--- " << text.trimmed() << '\n';
    Stream.flush();
}

QString THexTrace::Hex(const std::uint8_t* bytes, int count) {
    QString text;
    text.reserve(count * 3);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += QLatin1Char(' ');
        text += QString::asprintf("%02X", bytes[i]);
    }
    return text;
}

} // namespace cli
