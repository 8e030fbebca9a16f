// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's behaviour, one source for both builds: on Linux it checks our own reader
// and writer, on Windows (under Wine) the system's private-profile functions behind the same
// class, so that any difference between the two shows as a failing case. Where a file's layout
// is compared, it is compared as Windows sees it (Entries): Windows rewrites the lines it
// keeps in a layout of its own, our writer keeps them byte for byte (IniFileLinuxTest.cpp).
#include "tests/platform/ini/IniFileFixture.h"

#include "platform/framework/Exceptions.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>

namespace {

TEST_F(IniFileTest, MissingFileReadsDefaultsAndFirstWritesBuildIt) {
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("Properties", "Version", 7), 7);
    EXPECT_EQ(ini.ReadString("A", "B", "dflt"), QStringLiteral("dflt"));
    EXPECT_TRUE(ini.ReadBool("A", "B", true));
    EXPECT_FALSE(QFile::exists(Path)) << "reading must not create the file";

    ini.WriteInteger("Properties", "Version", 256);
    ini.WriteInteger("MainForm", "MainTop", -3);
    ini.WriteBool("MainForm", "MainState", true);
    ini.WriteString("MainForm", "Name", "Grüße = x");
    EXPECT_EQ(Entries(Get()), Entries("[Properties]\nVersion=256\n[MainForm]\nMainTop=-3\n"
                                      "MainState=1\nName=Grüße = x\n"));
    EXPECT_EQ(ini.ReadString("MainForm", "Name", ""), QStringLiteral("Grüße = x"));
}

TEST_F(IniFileTest, EveryUntouchedEntryStaysAndNamesMatchWithoutCase) {
    const QByteArray before = "; settings of the sampler programmer\n"
                              "\n"
                              "[mainform]\n"
                              "  maintop = 12\n"
                              "Foreign=keep me\n"
                              "# not a comment for us, just a line\n"
                              "\n"
                              "; the other section\n"
                              "[Other]\n"
                              "MainTop=99\n";
    Put(before);
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("MAINFORM", "MainTop", 0), 12);
    EXPECT_EQ(ini.ReadInteger("Other", "maintop", 0), 99);

    ini.WriteInteger("MainForm", "MAINTOP", 5);
    QByteArray expected = before;
    expected.replace("  maintop = 12\n", "  maintop = 5\n");
    EXPECT_EQ(Entries(Get()), Entries(expected))
        << "only the value changes; the key keeps its spelling";

    // A new key goes after the section's last entry.
    ini.WriteInteger("mainFORM", "MainLeft", 8);
    expected.replace("# not a comment for us, just a line\n",
                     "# not a comment for us, just a line\nMainLeft=8\n");
    EXPECT_EQ(Entries(Get()), Entries(expected));

    ini.WriteString("New", "Key", "v");
    expected += "[New]\nKey=v\n";
    EXPECT_EQ(Entries(Get()), Entries(expected));
    for (const char* comment : {"; settings of the sampler programmer", "; the other section"})
        EXPECT_TRUE(Get().contains(comment)) << comment;
}

TEST_F(IniFileTest, CrlfFilesKeepTheirLineEnds) {
    Put("[A]\r\nX=1\r\n[B]\r\nY=2");
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("A", "X", 0), 1);
    EXPECT_EQ(ini.ReadInteger("B", "Y", 0), 2) << "a last line without its line end";
    ini.WriteInteger("A", "X", 3);
    ini.WriteInteger("A", "Z", 4);
    ini.WriteInteger("C", "W", 5);
    EXPECT_EQ(Get(), QByteArray("[A]\r\nX=3\r\nZ=4\r\n[B]\r\nY=2\r\n[C]\r\nW=5\r\n"));
}

TEST_F(IniFileTest, KeyAddedToTheLastSectionOfAFileWithoutFinalLineEnd) {
    Put("[A]\nX=1");
    TIniFile ini(Path);
    ini.WriteInteger("A", "Y", 2);
    EXPECT_EQ(Entries(Get()), Entries("[A]\nX=1\nY=2\n"));
}

TEST_F(IniFileTest, FirstOfDuplicateSectionsAndKeysCounts) {
    Put("[A]\nX=1\nX=2\n[a]\nX=3\n");
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("A", "X", 0), 1);
    ini.WriteInteger("A", "X", 9);
    EXPECT_EQ(Entries(Get()), Entries("[A]\nX=9\nX=2\n[a]\nX=3\n"));
}

TEST_F(IniFileTest, ByteOrderMarkBeforeTheFirstSection) {
    Put("\xEF\xBB\xBF[A]\nX=1\n");
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("A", "X", 0), 1);
    ini.WriteInteger("A", "X", 2);
    EXPECT_TRUE(Get().startsWith("\xEF\xBB\xBF[A]"));
    EXPECT_EQ(Entries(Get()), Entries("[A]\nX=2\n"));
}

TEST_F(IniFileTest, IntegersAreStrictDecimalAndBooleansAnyNonZero) {
    struct Case {
        const char* Text;
        int Integer; // read with default -77
        bool Bool;   // read with default false
    };
    const Case cases[] = {
        {"0", 0, false},
        {"1", 1, true},
        {"5", 5, true},
        {"-1", -1, true},
        {" 42 ", 42, true},
        {"+7", 7, true},
        {"2147483647", 2147483647, true},
        {"-2147483648", -2147483647 - 1, true},
        {"2147483648", -77, false},
        {"256abc", -77, false},
        {"abc", -77, false},
        {"", -77, false},
        {"0x10", -77, false},
        {"1.5", -77, false},
        {"1 000", -77, false},
        {"-", -77, false},
        {"\"256\"", 256, true},
        {"'-3'", -3, true},
        {"\"7'", -77, false},
    };
    for (const Case& c : cases) {
        Put(QByteArray("[S]\nK=") + c.Text + "\n");
        TIniFile ini(Path);
        EXPECT_EQ(ini.ReadInteger("S", "K", -77), c.Integer) << '"' << c.Text << '"';
        EXPECT_EQ(ini.ReadBool("S", "K", false), c.Bool) << '"' << c.Text << '"';
    }
}

// The cases of Wine's profile tests (kernel32) that apply to one key at a time: the same file
// with CR LF, with lone CRs and in UTF-16 reads the same, and a write keeps each as it is.
TEST_F(IniFileTest, ReadsAndWritesProfilesAsWindowsDoes) {
    const QString crlf = "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n"
                         "name6=\r\n[ section2 ]\r\n";
    const QString written = QString(crlf).replace("name6=\r\n", "name6=\r\nname5=val5\r\n");
    const auto utf16 = [](const QString& text, QStringConverter::Encoding encoding) {
        return (encoding == QStringConverter::Utf16LE ? QByteArray("\xFF\xFE")
                                                      : QByteArray("\xFE\xFF")) +
               QByteArray(QStringEncoder(encoding)(text));
    };
    const struct {
        const char* Name;
        QByteArray Before, After;
    } files[] = {
        {"CR LF", crlf.toUtf8(), written.toUtf8()},
        {"CR only", QString(crlf).replace("\r\n", "\r").toUtf8(),
         QString(written).replace("\r\n", "\r").toUtf8()},
        {"UTF-16LE", utf16(crlf, QStringConverter::Utf16LE),
         utf16(written, QStringConverter::Utf16LE)},
        {"UTF-16BE", utf16(crlf, QStringConverter::Utf16BE),
         utf16(written, QStringConverter::Utf16BE)},
    };
    const struct {
        const char *Section, *Key, *Value;
    } reads[] = {
        {"section1", "name1", "val1"},
        {"section1", "NaMe1", "val1"},
        {"section1", "name2", "val2"},
        {"section1", "name3", "default"},
        {"section1", "name4", "a"},
        {"section1", "name6", ""},
        {"section1", "notakey", "default"},
        {"notasection", "name1", "default"},
        {"section2", "DoesntExist", "default"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.Name);
        Put(file.Before);
        TIniFile ini(Path);
        for (const auto& read : reads)
            EXPECT_EQ(ini.ReadString(read.Section, read.Key, "default"), read.Value) << read.Key;
        EXPECT_TRUE(ini.SectionExists("section2"));
        EXPECT_FALSE(ini.ValueExists("section1", "name3")) << "a line without '=' is no key";
        ini.WriteString("section1", "name5", "val5");
        EXPECT_EQ(Entries(Get()), Entries(file.After));
        EXPECT_EQ(Get().left(2), file.After.left(2)) << "the file keeps its encoding";
    }
}

TEST_F(IniFileTest, CommentsAndLinesOutsideSectionsAreNoKeys) {
    Put("K=1\n[S]\n;K=2\nplain line\n[T]\n");
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("S", "K", -1), -1);
    EXPECT_FALSE(ini.ValueExists("S", "plain line"));
    EXPECT_TRUE(ini.SectionExists("t"));
    EXPECT_FALSE(ini.SectionExists("U"));
}

TEST_F(IniFileTest, DeleteKeyRemovesOnlyItsLine) {
    Put("[S]\nA=1\nB=2\n");
    TIniFile ini(Path);
    ini.DeleteKey("s", "a");
    ini.DeleteKey("S", "missing");
    EXPECT_EQ(Entries(Get()), Entries("[S]\nB=2\n"));
}

TEST_F(IniFileTest, FailedWriteRaisesWithThePathAsGiven) {
    // Below a file, where no folder can be: Windows would take "folder/.." away unseen.
    Put("not a folder");
    const QString path = Path + QStringLiteral("/no/such/folder/../x.INI");
    TIniFile ini(path);
    try {
        ini.WriteInteger("S", "K", 1);
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message, QStringLiteral("Unable to write to ") + path);
    }
}

TEST_F(IniFileTest, ExistingFileThatCannotBeReadIsNotOverwritten) {
    // A folder in the file's place: it exists and cannot be read as a file.
    ASSERT_TRUE(QDir().mkpath(Path));
    TIniFile ini(Path);
    EXPECT_EQ(ini.ReadInteger("S", "K", 3), 3);
    EXPECT_THROW(ini.WriteInteger("S", "K", 1), Exception);
    EXPECT_TRUE(QFileInfo(Path).isDir());
}

// Read-only as the user marked it (on Windows the attribute): every kind of write is refused and
// leaves nothing beside the file.
TEST_F(IniFileTest, AReadOnlyFileIsRefusedWhole) {
    Put("[S]\nK=1\n");
    const QFileDevice::Permissions readOnly = QFile::ReadOwner | QFile::ReadUser;
    ASSERT_TRUE(QFile::setPermissions(Path, readOnly));
    if (QFileInfo(Path).isWritable())
        GTEST_SKIP() << "this user may write any file";
    TIniFile ini(Path);
    EXPECT_THROW(ini.WriteInteger("S", "K", 2), Exception);
    EXPECT_THROW(ini.Batch([&] { ini.WriteInteger("S", "K", 3); }), Exception);
    EXPECT_THROW(ini.Recreate([&] { ini.WriteInteger("S", "K", 4); }), Exception);
    EXPECT_EQ(Get(), QByteArray("[S]\nK=1\n"));
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("settings.INI")});
    QFile::setPermissions(Path, readOnly | QFile::WriteOwner | QFile::WriteUser);
}

TEST_F(IniFileTest, WritesReplaceTheFileAndLeaveNothingBeside) {
    Put("[S]\nK=1\n");
    TIniFile ini(Path);
    for (int i = 0; i < 20; ++i)
        ini.WriteInteger("S", "K", i);
    EXPECT_EQ(Entries(Get()), Entries("[S]\nK=19\n"));
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("settings.INI")});
}

// A batch makes its writes in one replacement of the file, in the file's own line ends and
// encoding, or none at all when it is cut short.
TEST_F(IniFileTest, ABatchWritesAllItsKeysInOneReplacementOrNone) {
    const QByteArray before = "; kept\r\n[A]\r\nx=1\r\n";
    Put(before);
    TIniFile ini(Path);
    ini.Batch([&] {
        ini.WriteString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("2"));
        ini.WriteInteger(QStringLiteral("B"), QStringLiteral("y"), 3);
        EXPECT_EQ(Get(), before) << "nothing reaches the disk before the batch ends";
    });
    const QByteArray after = "; kept\r\n[A]\r\nx=2\r\n[B]\r\ny=3\r\n";
    EXPECT_EQ(Get(), after);
    EXPECT_THROW(ini.Batch([&] {
        ini.WriteString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("9"));
        throw Exception(QStringLiteral("stop"));
    }),
                 Exception);
    EXPECT_EQ(Get(), after);

    const auto utf16 = [](const QByteArray& text) {
        return QByteArray("\xFF\xFE") +
               QByteArray(QStringEncoder(QStringConverter::Utf16LE)(QString::fromUtf8(text)));
    };
    Put(utf16(before));
    ini.Batch([&] { ini.WriteInteger(QStringLiteral("B"), QStringLiteral("y"), 3); });
    EXPECT_EQ(Get(), utf16("; kept\r\n[A]\r\nx=1\r\n[B]\r\ny=3\r\n"));
}

// The settings made afresh: the new file holds only what was written, or the old one stays whole.
TEST_F(IniFileTest, RecreateReplacesTheWholeFileOrNothing) {
    Put("[Old]\nKeep=no\n[S]\nK=1\n");
    TIniFile ini(Path);
    EXPECT_THROW(ini.Recreate([&] {
        ini.WriteInteger("S", "K", 2);
        throw Exception(QStringLiteral("stop"));
    }),
                 Exception);
    EXPECT_EQ(Entries(Get()), Entries("[Old]\nKeep=no\n[S]\nK=1\n"));
    ini.Recreate([&] {
        ini.WriteInteger("Properties", "Version", 256);
        ini.Batch([&] { ini.WriteBool("MainForm", "MainState", false); }); // part of it
        EXPECT_EQ(ini.ReadInteger("S", "K", 0), 1) << "reads see the old file meanwhile";
    });
    EXPECT_EQ(Entries(Get()), Entries("[Properties]\nVersion=256\n[MainForm]\nMainState=0\n"));
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("settings.INI")});
}

TEST_F(IniFileTest, NamesAndValuesThatWouldBreakTheFileAreRefused) {
    Put("[S]\nK=1\n");
    TIniFile ini(Path);
    EXPECT_THROW(ini.WriteString("S", "K", "two\nlines"), Exception);
    EXPECT_THROW(ini.WriteString("S", "A=B", "x"), Exception);
    EXPECT_THROW(ini.WriteString("S", ";K", "x"), Exception);
    EXPECT_THROW(ini.WriteString("S]", "K", "x"), Exception);
    EXPECT_THROW(ini.WriteString("S", "", "x"), Exception);
    EXPECT_EQ(Get(), QByteArray("[S]\nK=1\n"));
}

} // namespace
