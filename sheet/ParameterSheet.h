// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Q47.h"
#include "platform/framework/Paper.h"

#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QFont>
#include <QLineF>
#include <QLocale>
#include <QRectF>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// The connector a parameter set was just read from or written into, as the adapter told it.
struct TSheetConnector {
    bool Written = false; // written and verified; false: read from it
    QString Adapter;      // the adapter's description
    QString Version;      // its firmware version, "1.03"
    bool SmallMemory = true;
};

// The parameter sheet: one page that documents a parameter set for the sampling records, laid
// out like the parameter page in its groups, each parameter with its caption, value, unit and
// allowed range; a header naming the file, the time of printing, the program and the connector;
// the image's checksum, which matches the sheet to a file or a connector; what the sampler does
// in time; and room for the signatures of who programmed and who checked it. The sheet documents
// an image, so that a file, the connector it was written into and the window's data all give
// the same sheet. Its texts come from the translation installed in the application.
class TParameterSheet {
    Q_DECLARE_TR_FUNCTIONS(TParameterSheet)

public:
    using TImage = std::array<std::uint8_t, TQ47::ImageSize>;
    explicit TParameterSheet(const TImage& image);

    // The header beside the parameters.
    QString FileName; // as the user names it; empty for data without a file
    QDateTime Printed = QDateTime::currentDateTime();
    QString Program; // "Brookfetch 4.00"
    std::optional<TSheetConnector> Connector;
    // Formats the numbers (the voltages' decimal separator).
    QLocale Locale;

    // The page as it is drawn: texts in their boxes, frames and lines, in device pixels from
    // the top left corner of the page's printable area.
    struct TText {
        QRectF Box;
        QString Text;
        QFont Font;
        int Flags;
        QColor Color;
    };
    struct TPage {
        std::vector<TText> Texts;
        std::vector<QRectF> Frames;
        std::vector<QLineF> Lines;
        QRectF Area;      // the printable area
        double Bottom;    // where the last text ends
        double LineWidth; // of the frames and lines
    };
    // Lays the page out for `device` (its page layout and resolution), measuring every text in
    // the fonts it is drawn with, so that nothing is cut or overlaps whatever its language.
    TPage Layout(QPagedPaintDevice& device) const;
    // Draws the page onto `device`, whose page layout is set (a PDF writer, a printer), as many
    // times as `copies` asks; false when the device cannot be painted on.
    bool Paint(QPagedPaintDevice& device, int copies = 1) const;
    // The sheet as a PDF document (PDF/A-1b, fonts embedded) on the paper given.
    QByteArray Pdf(TPaper paper) const;

    // What the sampler does in time, derived from the parameters: "8 samples, the first
    // 00:00:00 after the start, then one every 00:15:00, the last 01:45:00 after the start."
    QString Schedule() const;
    // The same sentence for any parameter set, such as the one the parameter page holds while
    // it is being typed.
    static QString ScheduleOf(const TQ47& set);
    // The parameters the image holds, as the sampler takes them.
    const TQ47& Parameters() const { return Set; }
    // The image's checksum as a sheet shows it: "0xFDBC".
    QString ChecksumText() const;
    // The time of printing as a sheet shows it: "2026-12-09 14:05:33 UTC+01:00".
    QString PrintedText() const;

private:
    TPage LayOut(QPainter& painter, QPaintDevice& device) const;
    // At `scale` times the usual sizes of fonts and spacing.
    TPage LayOut(QPainter& painter, QPaintDevice& device, double scale) const;

    TQ47 Set;
    bool MadeAsPdf = false; // a PDF is made, not printed: its header says so
};

// The image a sheet of `model` documents: the model's own image while it holds exactly the
// model's parameters (a connector read or a file opened and not changed since, to the last
// reserved byte and voltage code), otherwise the image a save or a write would make of them.
TParameterSheet::TImage DocumentedImage(const TQ47& model);

// The locale a sheet in `language` writes its numbers in: the user's own where it is of that
// language, else the language's usual one.
QLocale SheetLocale(QLocale::Language language);
