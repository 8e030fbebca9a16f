// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ini/IniFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A settings file of its own for every test, read and written as raw bytes.
class IniFileTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Path = Dir.filePath(QStringLiteral("settings.INI"));

    void Put(const QByteArray& data) {
        QFile file(Path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    QByteArray Get() const {
        QFile file(Path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // The file as Windows keeps it after a write: its text (UTF-8, or UTF-16 behind a byte
    // order mark) in lines, whatever ends them, without blank lines and comments, each line
    // without the blanks around it, around "=" and inside "[ ]".
    static QStringList Entries(const QByteArray& data) {
        QString text;
        if (data.startsWith("\xFF\xFE"))
            text = QStringDecoder(QStringConverter::Utf16LE)(data.mid(2));
        else if (data.startsWith("\xFE\xFF"))
            text = QStringDecoder(QStringConverter::Utf16BE)(data.mid(2));
        else
            text = QString::fromUtf8(data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data);
        QStringList entries;
        for (QString line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
            line = line.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
                continue;
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
                line = QLatin1Char('[') + line.mid(1, line.size() - 2).trimmed() + QLatin1Char(']');
            else if (equals > 0)
                line =
                    line.left(equals).trimmed() + QLatin1Char('=') + line.mid(equals + 1).trimmed();
            entries << line;
        }
        return entries;
    }
};
