// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the command line's configuration file, the rest of the input as NAME=VALUE lines
// for `set`: the file is taken exactly when it holds a valid image, `show` prints one line and
// one JSON field per parameter whatever the image holds, and a set that fails changes nothing
// while one that passes leaves an image with a valid checksum.

#include "cli/ExitCode.h"
#include "cli/ImageFile.h"
#include "cli/ParameterText.h"
#include "model/Q47.h"

#include "fuzz/ScratchFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

QString File() {
    static const QString path = ScratchFile(QStringLiteral("set.brk"));
    return path;
}

void CheckShow(const TQ47& model) {
    const qsizetype count = cli::ParameterNames().size();
    if (cli::ShowText(model).count(QLatin1Char('\n')) != count)
        std::abort();
    // A volt value decoded from any byte must still make valid JSON (no nan, no inf).
    QJsonParseError parsed;
    const QJsonDocument json = QJsonDocument::fromJson(cli::ShowJson(model).toUtf8(), &parsed);
    if (parsed.error != QJsonParseError::NoError || !json.isObject() ||
        json.object().size() != count)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t fileSize = std::min<std::size_t>(size, TQ47::ImageSize);
    FillScratchFile(File(), reinterpret_cast<const char*>(data), static_cast<qsizetype>(fileSize));
    TQ47 model;
    QString error;
    const int loaded = cli::LoadImage(model, File(), error);
    TQ47 image;
    std::copy(data, data + fileSize, image.Image);
    const bool valid = fileSize == TQ47::ImageSize && image.ImageValid();
    if ((loaded == cli::ExitOk) != valid || (loaded == cli::ExitOk) == !error.isEmpty())
        std::abort();
    if (!valid)
        model = TQ47();
    CheckShow(model);

    const QString lines = QString::fromUtf8(reinterpret_cast<const char*>(data + fileSize),
                                            static_cast<qsizetype>(size - fileSize));
    const QStringList assignments = lines.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString before = cli::ShowText(model);
    if (!cli::ApplyAssignments(model, assignments, error)) {
        if (cli::ShowText(model) != before || error.isEmpty())
            std::abort();
        return 0;
    }
    model.Encode();
    if (!model.ImageValid())
        std::abort();
    CheckShow(model);
    return 0;
}
