#pragma once

#include "platform/ini/IniFile.h"

#include <QFile>
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
};
