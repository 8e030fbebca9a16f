// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The framework's general error. Internal failures of the program raise it with one of the
// two texts built below; the application's default error box shows its Message.
class Exception : public std::exception {
public:
    explicit Exception(QString message);
    const char* what() const noexcept override;

    QString Message;

private:
    QByteArray Utf8;
};

// Text that is not a number (or not a valid time) where one was expected.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A value outside the accepted range; the model raises it with an empty message.
class ERangeError : public Exception {
public:
    using Exception::Exception;
};

// "Error on file <unit> line <n>": an operation in a state that must not occur.
// "Error switch file <unit> line <n>": a choice met a value it has no case for.
// By default the unit and the line are the caller's, the unit being its source file's name
// without folder and extension ("StatusBar" for ui/StatusBar.cpp), so that a message always
// leads to the statement that raised it. (The compiler's built-ins rather than
// std::source_location: the fuzzing build's clang 14 lacks it with this C++ library.)
QString ErrorOnFile(const char* file = __builtin_FILE(), int line = __builtin_LINE());
QString ErrorSwitchFile(const char* file = __builtin_FILE(), int line = __builtin_LINE());
