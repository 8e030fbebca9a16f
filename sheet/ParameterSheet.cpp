// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/ParameterSheet.h"

#include "model/Q47Parameters.h"
#include "model/Q47Validation.h"
#include "platform/framework/Convert.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <span>
#include <string_view>

namespace {

const QColor Ink(0, 0, 0);
const QColor Grey(80, 80, 80);
const QColor Alarm(176, 0, 0); // a value out of range, and what it should be
const QColor Frame(120, 120, 120);

// Families that hold the letters of every language of the program (Latin with the Central
// European and Baltic accents, Cyrillic): DejaVu Sans on Linux, Arial on Windows. Qt takes
// another family for a letter the first one lacks, and the PDF embeds whatever was used.
QFont SheetFont(double points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures ("ff" as one glyph): the PDF's text must read and search as it was written
    // ("Switch off"). Qt shapes without them once the letters are spaced, here by a trace.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    return font;
}

const TQ47Parameter& Parameter(const char* name) {
    return *FindQ47Parameter(name);
}

// Places texts on the page, each in a box as high as its lines need at its width.
class TPlacer {
public:
    TPlacer(QPainter& painter, double dpi) : Painter(painter), Dpi(dpi) {}

    double Mm(double mm) const { return mm * Dpi / 25.4; }

    // The width of a text on one line.
    double Width(const QString& text, const QFont& font) {
        Painter.setFont(font);
        return Painter.boundingRect(QRectF(0, 0, 1e7, 1e7), Qt::TextSingleLine, text).width();
    }

    // Places `text` at x, y within `width`, wrapped at words (a word longer than the width
    // anywhere); returns the height it takes.
    double Place(double x, double y, double width, const QString& text, const QFont& font,
                 const QColor& color = Ink, int align = Qt::AlignLeft) {
        if (text.isEmpty())
            return 0;
        Painter.setFont(font);
        int flags = align | Qt::AlignTop | Qt::TextWordWrap;
        QRectF box = Painter.boundingRect(QRectF(x, y, width, 1e7), flags, text);
        if (box.width() > width + 0.5) {
            flags = align | Qt::AlignTop | Qt::TextWrapAnywhere;
            box = Painter.boundingRect(QRectF(x, y, width, 1e7), flags, text);
        }
        Page.Texts.push_back({QRectF(x, y, width, box.height()), text, font, flags, color});
        return box.height();
    }

    TParameterSheet::TPage Page;

private:
    QPainter& Painter;
    double Dpi;
};

// One parameter as the sheet shows it.
struct TRow {
    QString Caption;
    QString Value;
    QString Unit;
    QString Range;
    bool Unused = false;      // the samples count in continuous mode, greyed as on the page
    QStringList Choices = {}; // the values it may take, for the range
    bool OutOfRange = false;  // a value the sampler's setters refuse: marked, never hidden
};

// A group of the parameter page.
struct TPanel {
    QString Heading;
    std::vector<TRow> Rows;
};

} // namespace

TParameterSheet::TParameterSheet(const TImage& image) {
    std::copy(image.begin(), image.end(), Set.Image);
    Set.Decode();
}

// ISO 8601 with the offset from UTC, the same on every system and in every language (Windows
// names its zones at length: "W. Europe Standard Time").
QString TParameterSheet::PrintedText() const {
    const int offset = Printed.offsetFromUtc();
    return Printed.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
           QStringLiteral(" UTC%1%2:%3")
               .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
               .arg(std::abs(offset) / 3600, 2, 10, QLatin1Char('0'))
               .arg(std::abs(offset) % 3600 / 60, 2, 10, QLatin1Char('0'));
}

QString TParameterSheet::ChecksumText() const {
    return QStringLiteral("0x") +
           QStringLiteral("%1").arg(Set.Checksum(), 4, 16, QLatin1Char('0')).toUpper();
}

QString TParameterSheet::Schedule() const {
    return ScheduleOf(Set);
}

// The sampler starts each sample's cycle (its purges, the suction, the aeration) at a fixed
// time: the time delay after its start, then one sampling interval after another. When water
// reaches the bottle within a cycle depends on the suction, so the cycle's start is what a
// sheet can promise.
QString TParameterSheet::ScheduleOf(const TQ47& set) {
    // Times the sampler would refuse make no schedule anyone should plan by.
    std::vector<std::string_view> drawnFrom = {"DeadTime", "SamplingInterval"};
    if (!set.Continuous)
        drawnFrom.push_back("SamplesCount");
    if (FirstRefusedParameter(set, drawnFrom))
        //: Parameter sheet, in place of the schedule: the time delay, the sampling interval or the
        //: samples count is outside what the sampler accepts (marked above).
        return tr("No schedule: a value it is drawn from is out of range.");
    const QString first = SecondsToText(set.DeadTime);
    const QString every = SecondsToText(set.SamplingInterval);
    QString text;
    if (set.Continuous) {
        //: Parameter sheet: what the sampler does in time in continuous mode. %1, %2: times
        //: hh:mm:ss (the sampling interval, the time delay).
        text = tr("One sample every %1 until the sampler is stopped, the first %2 after the "
                  "start.")
                   .arg(every, first);
    } else if (set.SamplesCount == 1) {
        //: Parameter sheet: what the sampler does in time when it takes one sample. %1: the
        //: time delay, hh:mm:ss.
        text = tr("1 sample, %1 after the start.").arg(first);
    } else {
        const int last = set.DeadTime + (set.SamplesCount - 1) * set.SamplingInterval;
        //: Parameter sheet: what the sampler does in time. %1: the samples count, 2 to 255 (word
        //: it so that no noun must agree with the number: "Samples: %1, ..."); %2, %3, %4: times
        //: hh:mm:ss.
        text = tr("%1 samples, the first %2 after the start, then one every %3, the last %4 "
                  "after the start.")
                   .arg(QString::number(set.SamplesCount), first, every, SecondsToText(last));
    }
    const int varItem = Q47VarModeItem(set.VarMode);
    if (varItem != 0)
        //: Parameter sheet, after the schedule: the VAR input (an outside 0/4-20 mA signal) is
        //: used and also decides when samples are taken. %1: its mode, "4 - 20mA".
        text +=
            QLatin1Char(' ') + tr("The VAR input (%1) also controls sampling.")
                                   .arg(QLatin1String(Parameter("VarMode").Choices[varItem].Name));
    return text;
}

TParameterSheet::TPage TParameterSheet::Layout(QPagedPaintDevice& device) const {
    QPainter painter(&device);
    return LayOut(painter, device);
}

TParameterSheet::TPage TParameterSheet::LayOut(QPainter& painter, QPaintDevice& device,
                                               double scale) const {
    TPlacer place(painter, device.logicalDpiY());
    TPage& page = place.Page;
    page.Area = QRectF(0, 0, device.width(), device.height());
    page.LineWidth = place.Mm(0.25);
    const auto mm = [&place, scale](double value) { return place.Mm(value * scale); };
    const auto font = [scale](double points, bool bold = false) {
        return SheetFont(points * scale, bold);
    };
    const double width = page.Area.width();
    double y = 0;

    // The title, and the sampler it is for.
    const QString brand = QStringLiteral("BROOK-FETCHer Q47");
    const QFont brandFont = font(11, true);
    const double brandWidth = place.Width(brand, brandFont) + mm(0.5);
    const double titleHeight =
        //: Parameter sheet: the title of the printed page (and of the PDF) that documents a
        //: parameter set for the sampling records.
        place.Place(0, y, width - brandWidth - mm(4), tr("Parameter sheet"), font(18, true));
    place.Place(width - brandWidth, y + mm(1.5), brandWidth, brand, brandFont, Grey);
    y += std::max(titleHeight, mm(8)) + mm(1.5);
    page.Lines.emplace_back(0, y, width, y);
    y += mm(3);

    // The header: file, time of printing, program, connector and checksum.
    std::vector<std::pair<QString, QString>> header = {
        //: Parameter sheet, header: the configuration file the parameters are in.
        {tr("File:"),
         //: Parameter sheet, header: the data have no file (as the status bar says).
         FileName.isEmpty() ? tr("<noname>") : FileName},
        {MadeAsPdf
             //: Parameter sheet, header: the date and time the sheet was made as a PDF file.
             ? tr("Made:")
             //: Parameter sheet, header: the date and time the sheet was printed.
             : tr("Printed:"),
         PrintedText()},
        //: Parameter sheet, header: the program and its version, "Brookfetch 4.00".
        {tr("Program:"), Program},
    };
    if (Connector) {
        //: Parameter sheet, header: the USB adapter the connector was read or written through,
        //: with its firmware version.
        header.emplace_back(tr("Adapter:"), EscapeControlCharacters(Connector->Adapter) +
                                                QLatin1Char(' ') + Connector->Version);
        //: Parameter sheet, header: the kind of memory of the connector (%1 below).
        const QString memory = Connector->SmallMemory ? tr("small memory")
                                                      //: As "small memory".
                                                      : tr("large memory");
        //: Parameter sheet, header: what was done with the connector before printing.
        header.emplace_back(tr("Connector:"),
                            Connector->Written
                                //: The parameters were written into the connector and read back
                                //: to check them. %1: "small memory" or "large memory".
                                ? tr("written and verified, %1").arg(memory)
                                //: The parameters were read from the connector. %1: "small
                                //: memory" or "large memory".
                                : tr("read, %1").arg(memory));
    }
    //: Parameter sheet, header: the checksum of the 128 bytes, in hexadecimal (0xFDBC); it
    //: matches the sheet to a file or a connector.
    header.emplace_back(tr("Checksum:"), ChecksumText());
    const QFont labelFont = font(10);
    double labelWidth = 0;
    for (const auto& [label, value] : header)
        labelWidth = std::max(labelWidth, place.Width(label, labelFont));
    labelWidth = std::min(labelWidth + mm(3), width * 0.4);
    for (std::size_t i = 0; i < header.size(); ++i) {
        const bool checksum = i + 1 == header.size();
        const QFont valueFont = checksum ? font(12, true) : font(10);
        // Label before value: the PDF's text reads in the order it was placed.
        const double label =
            place.Place(0, y, labelWidth - mm(3), header[i].first, labelFont, Grey);
        const double value =
            place.Place(labelWidth, y, width - labelWidth, header[i].second, valueFont);
        y += std::max(label, value) + mm(1);
    }
    y += mm(4);

    // The parameters in the page's groups: three rows of two panels.
    //: Parameter sheet: units and captions as the parameter page shows them.
    const QString seconds = tr("[s]");
    const QString hours = tr("[hh:mm:ss]");
    const QString volts = tr("[V]");
    const auto secondsRange = [&](const char* name) {
        //: Parameter sheet, small print under a value: the range it may take, in seconds.
        return tr("%1..%2 s").arg(Parameter(name).Low).arg(Parameter(name).High);
    };
    const auto count = [&](const char* name) {
        return QString::number(Set.*Parameter(name).Value);
    };
    const auto time = [&](const char* name) { return SecondsToText(Set.*Parameter(name).Value); };
    const auto timeRange = [&](const char* name) {
        return SecondsToText(Parameter(name).Low) + QStringLiteral("..") +
               SecondsToText(Parameter(name).High);
    };
    const auto voltage = [&](double value) {
        QLocale locale = Locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(value, 'f', 1);
    };
    const TQ47Parameter& accu = Parameter("AccuWarning");
    const QString voltsRange =
        //: Parameter sheet, small print under a value: the range it may take, in volts.
        tr("%1..%2 V")
            .arg(voltage(TQ47::CodeToVolts(static_cast<std::uint8_t>(accu.Low))),
                 voltage(TQ47::CodeToVolts(static_cast<std::uint8_t>(accu.High))));
    const QString samplesMode = tr("Acc. to Samples Count");
    const QString continuous = tr("Continuous");
    const QString disabled = tr("Disabled");
    const std::span<const TQ47Choice> varModes = Parameter("VarMode").Choices;
    // "4 - 20mA" is one value: it never breaks at its blanks.
    const auto varName = [&](int item) {
        return item == 0 ? disabled
                         : QString::fromLatin1(varModes[item].Name)
                               .replace(QLatin1Char(' '), QChar(0x00A0));
    };
    const TQ47Parameter& samples = Parameter("SamplesCount");

    TPanel left[] = {
        {QString(),
         {{tr("Mode :", "sampling"),
           Set.Continuous ? continuous : samplesMode,
           QString(),
           QString(),
           false,
           {samplesMode, continuous}},
          // 0 makes a run continuous: a counted run has one sample at least.
          {tr("Samples Count :"), count("SamplesCount"), QString(),
           QStringLiteral("%1..%2").arg(std::max(1, samples.Low)).arg(samples.High),
           Set.Continuous}}},
        {tr("Purging time"),
         {{tr("Before Sampling :"), count("PrePurge"), seconds, secondsRange("PrePurge")},
          {tr("After Sampling :"), count("PostPurge"), seconds, secondsRange("PostPurge")}}},
        {tr("VAR System :"),
         {{tr("Mode :", "VAR input"),
           // A code without an item of its own is shown by its number: the page shows it as
           // "Disabled", and the sheet documents the image.
           Q47VarModeCode(Q47VarModeItem(Set.VarMode)) == Set.VarMode
               ? varName(Q47VarModeItem(Set.VarMode))
               //: Parameter sheet: a VAR mode code that the page shows as "Disabled" (%1), with
               //: the code the connector holds (%2, a number such as 2).
               : tr("%1 (code %2)").arg(disabled).arg(Set.VarMode),
           QString(),
           QString(),
           false,
           {varName(0), varName(1), varName(2)}}}},
    };
    TPanel right[] = {
        {QString(),
         {{tr("Time Delay :"), time("DeadTime"), hours, timeRange("DeadTime")},
          {tr("Purges Count :"), count("PurgesCount"), QString(),
           QStringLiteral("%1..%2")
               .arg(Parameter("PurgesCount").Low)
               .arg(Parameter("PurgesCount").High)},
          {tr("Sampling Interval :"), time("SamplingInterval"), hours,
           timeRange("SamplingInterval")}}},
        {QString(),
         {{tr("Aeration :"), count("Aeration"), seconds, secondsRange("Aeration")},
          {tr("Max Suction Time :"), count("MaxSuctionTime"), seconds,
           secondsRange("MaxSuctionTime")},
          //: Parameter sheet, small print under the pump pulses: the program shows them and
          //: cannot change them.
          {tr("Pump Pulses :"), count("PumpPulses"), QString(), tr("read only")}}},
        {tr("Voltage control"),
         {{tr("Warning at :"), voltage(Set.AccuWarning), volts, voltsRange},
          {tr("Switch off at :"), voltage(Set.AccuOff), volts, voltsRange}}},
    };

    // A value the sampler would refuse is marked, its range saying so.
    const char* const names[2][3][3] = {
        {{nullptr, "SamplesCount"}, {"PrePurge", "PostPurge"}, {"VarMode"}},
        {{"DeadTime", "PurgesCount", "SamplingInterval"},
         {"Aeration", "MaxSuctionTime"},
         {"AccuWarning", "AccuOff"}}};
    for (int side = 0; side < 2; ++side)
        for (int panel = 0; panel < 3; ++panel) {
            std::vector<TRow>& rows = (side == 0 ? left : right)[panel].Rows;
            for (std::size_t row = 0; row < rows.size(); ++row) {
                const char* name = names[side][panel][row];
                const std::string_view only[] = {name ? name : ""};
                if (!name || !FirstRefusedParameter(Set, only))
                    continue;
                rows[row].OutOfRange = true;
                const QString range = rows[row].Choices.isEmpty()
                                          ? rows[row].Range
                                          : rows[row].Choices.join(QStringLiteral(", "));
                rows[row].Choices.clear();
                //: Parameter sheet, small print under a value the sampler does not accept (it
                //: came from a connector or a file): %1 is what it accepts, "1..240 s".
                rows[row].Range = tr("Out of range! Allowed: %1")
                                      .arg(QString(range).replace(QLatin1Char(' '), QChar(0x00A0)));
            }
        }

    const QFont headingFont = font(11, true);
    const QFont captionFont = font(10.5);
    const QFont valueFont = font(10.5, true);
    const QFont rangeFont = font(7.5);
    const double gap = mm(6);
    const double column = (width - gap) / 2;
    const double pad = mm(4);
    const double inner = column - 2 * pad;
    const double rowGap = mm(2.5);
    // One caption width for the panels of a column, as on the page; a caption longer than
    // half the panel wraps.
    // A caption wraps between words, never within one: the column takes the longest word.
    const auto captionWidthOf = [&](const TPanel* panels) {
        double widest = 0;
        double longestWord = 0;
        for (int i = 0; i < 3; ++i)
            for (const TRow& row : panels[i].Rows) {
                widest = std::max(widest, place.Width(row.Caption, captionFont));
                for (const QString& word : row.Caption.split(QLatin1Char(' ')))
                    longestWord = std::max(longestWord, place.Width(word, captionFont));
            }
        return std::min(widest, std::max(inner * 0.55, std::min(longestWord, inner * 0.7))) + mm(3);
    };
    const double leftCaptions = captionWidthOf(left);
    const double rightCaptions = captionWidthOf(right);

    // Places a panel's heading and rows from x, top; returns the height they take.
    const auto placePanel = [&](const TPanel& panel, double x, double top, double captionWidth) {
        double at = top + pad;
        if (!panel.Heading.isEmpty())
            at += place.Place(x + pad, at, inner, panel.Heading, headingFont) + mm(1.5);
        for (const TRow& row : panel.Rows) {
            const QColor ink = row.OutOfRange ? Alarm : row.Unused ? Grey : Ink;
            const double captionHeight =
                place.Place(x + pad, at, captionWidth - mm(3), row.Caption, captionFont, ink);
            const double valueX = x + pad + captionWidth;
            const double valueWidth = inner - captionWidth;
            double valueHeight = 0;
            const double shownWidth = place.Width(row.Value, valueFont) + mm(0.5);
            const double space = mm(1.5);
            if (!row.Unit.isEmpty() &&
                shownWidth + space + place.Width(row.Unit, captionFont) <= valueWidth) {
                valueHeight = place.Place(valueX, at, shownWidth, row.Value, valueFont, ink);
                valueHeight = std::max(valueHeight, place.Place(valueX + shownWidth + space, at,
                                                                valueWidth - shownWidth - space,
                                                                row.Unit, captionFont, ink));
            } else {
                valueHeight = place.Place(valueX, at, valueWidth, row.Value, valueFont, ink);
                valueHeight +=
                    place.Place(valueX, at + valueHeight, valueWidth, row.Unit, captionFont, ink);
            }
            // The values a choice may take, one a line where they do not fit on one.
            QString range = row.Range;
            if (!row.Choices.isEmpty()) {
                range = row.Choices.join(QStringLiteral(", "));
                if (place.Width(range, rangeFont) > valueWidth)
                    range = row.Choices.join(QStringLiteral(",\n"));
            }
            valueHeight += place.Place(valueX, at + valueHeight, valueWidth, range, rangeFont,
                                       row.OutOfRange ? Alarm : Grey);
            at += std::max(captionHeight, valueHeight) + rowGap;
        }
        return at - top + pad - rowGap;
    };
    for (int i = 0; i < 3; ++i) {
        const double leftHeight = placePanel(left[i], 0, y, leftCaptions);
        const double height =
            std::max(leftHeight, placePanel(right[i], column + gap, y, rightCaptions));
        page.Frames.emplace_back(0, y, column, height);
        page.Frames.emplace_back(column + gap, y, column, height);
        y += height + mm(4);
    }

    // What the sampler does in time.
    y += mm(1);
    //: Parameter sheet: heading of the sentence that says when the sampler takes its samples.
    y += place.Place(0, y, width, tr("Schedule:"), headingFont) + mm(1);
    y += place.Place(0, y, width, Schedule(), font(11)) + mm(5);
    page.Lines.emplace_back(0, y, width, y);
    y += mm(8);

    // Who programmed the connector and who checked it: a line for the name, the date and the
    // signature each.
    const QFont signerFont = font(10.5, true);
    //: Parameter sheet, at the foot: a line for the name of who programmed the connector, then
    //: lines for the date and the signature.
    const QString signers[] = {tr("Programmed by"),
                               //: As "Programmed by": who checked the parameters.
                               tr("Checked by")};
    double signerWidth = 0;
    for (const QString& signer : signers)
        signerWidth = std::max(signerWidth, place.Width(signer, signerFont));
    signerWidth = std::min(signerWidth + mm(4), width * 0.3);
    const double field = mm(5);
    const double rest = width - signerWidth - 2 * field;
    const double nameWidth = rest * 0.42;
    const double dateWidth = rest * 0.22;
    const double signatureWidth = rest - nameWidth - dateWidth;
    const double dateX = signerWidth + nameWidth + field;
    const double signatureX = dateX + dateWidth + field;
    for (const QString& signer : signers) {
        // Room above the line to write on.
        double line = y + mm(12);
        TPlacer measure(painter, device.logicalDpiY());
        const double signerHeight = measure.Place(0, 0, signerWidth - mm(4), signer, signerFont);
        line = std::max(line, y + signerHeight);
        place.Place(0, line - signerHeight, signerWidth - mm(4), signer, signerFont);
        page.Lines.emplace_back(signerWidth, line, signerWidth + nameWidth, line);
        page.Lines.emplace_back(dateX, line, dateX + dateWidth, line);
        page.Lines.emplace_back(signatureX, line, signatureX + signatureWidth, line);
        const double date = place.Place(dateX, line + mm(0.8), dateWidth,
                                        //: Parameter sheet: small print under the line for the
                                        //: date.
                                        tr("Date"), rangeFont, Grey);
        const double below =
            std::max(date, place.Place(signatureX, line + mm(0.8), signatureWidth,
                                       //: Parameter sheet: small print under the line to sign on.
                                       tr("Signature"), rangeFont, Grey));
        y = line + mm(0.8) + below + mm(8);
    }
    page.Bottom = y - mm(8);
    return page;
}

TParameterSheet::TPage TParameterSheet::LayOut(QPainter& painter, QPaintDevice& device) const {
    // A page that a long file name or a long translation would overrun is set a little
    // smaller, down to three quarters of the usual sizes.
    TPage page;
    for (double scale = 1.0; scale > 0.74; scale -= 0.05) {
        page = LayOut(painter, device, scale);
        if (page.Bottom <= page.Area.height())
            break;
    }
    return page;
}

bool TParameterSheet::Paint(QPagedPaintDevice& device, int copies) const {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const TPage page = LayOut(painter, device);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !device.newPage())
            return false;
        painter.setPen(QPen(Frame, page.LineWidth));
        painter.setBrush(Qt::NoBrush);
        for (const QRectF& frame : page.Frames)
            painter.drawRect(frame);
        for (const QLineF& line : page.Lines)
            painter.drawLine(line);
        for (const TText& text : page.Texts) {
            painter.setFont(text.Font);
            painter.setPen(text.Color);
            painter.drawText(text.Box, text.Flags, text.Text);
        }
    }
    return painter.end();
}

QByteArray TParameterSheet::Pdf(TPaper paper) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // PDF/A: a document for the records, readable without the fonts of this computer.
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setResolution(600);
        writer.setCreator(Program);
        writer.setTitle(tr("Parameter sheet") + QStringLiteral(" ") +
                        (FileName.isEmpty() ? tr("<noname>") : FileName));
        writer.setPageLayout(
            QPageLayout(QPageSize(paper == TPaper::Letter ? QPageSize::Letter : QPageSize::A4),
                        QPageLayout::Portrait, QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
        TParameterSheet made(*this);
        made.MadeAsPdf = true;
        if (!made.Paint(writer))
            return QByteArray();
    }
    return bytes;
}

TParameterSheet::TImage DocumentedImage(const TQ47& model) {
    TQ47 encoded = model;
    encoded.Encode();
    const TQ47* source = &encoded;
    TQ47 decoded = model;
    if (model.ImageValid()) {
        decoded.Decode();
        decoded.Encode();
        if (std::equal(std::begin(decoded.Image), std::end(decoded.Image),
                       std::begin(encoded.Image)))
            source = &model;
    }
    TParameterSheet::TImage image;
    std::copy(std::begin(source->Image), std::end(source->Image), image.begin());
    return image;
}

QLocale SheetLocale(QLocale::Language language) {
    const QLocale user;
    return user.language() == language ? user : QLocale(language);
}
