// SPDX-License-Identifier: GPL-3.0-or-later
// The exceptions and the "Error on file" texts of internal errors.
#include "platform/framework/Exceptions.h"
#include "platform/framework/Application.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <stdexcept>

namespace {

TEST(Exceptions, InternalErrorTextsNameTheUnitAndLine) {
    EXPECT_EQ(ErrorOnFile("Q47", 123), QStringLiteral("Error on file Q47 line 123"));
    EXPECT_EQ(ErrorSwitchFile("TarnAdapter", 7),
              QStringLiteral("Error switch file TarnAdapter line 7"));
    EXPECT_EQ(ErrorOnFile("UsbUart", 1024), QStringLiteral("Error on file UsbUart line 1024"));
}

TEST(Exceptions, TypesAreTellApartAndCarryTheirMessage) {
    try {
        throw ERangeError(QString());
    } catch (const EConvertError&) {
        ADD_FAILURE() << "a range error caught as a conversion error";
    } catch (const Exception& error) {
        EXPECT_TRUE(error.Message.isEmpty());
        EXPECT_STREQ(error.what(), "");
    }
    const Exception error(QStringLiteral("Fehler in Zeile \u00FC"));
    EXPECT_STREQ(error.what(), "Fehler in Zeile \xC3\xBC");
}

TEST(Exceptions, ErrorBoxAddsAFullStopOnlyAfterCharactersSortingAfterIt) {
    const struct {
        const char* Message;
        const char* Shown;
    } table[] = {
        {"Error on file Q47 line 12", "Error on file Q47 line 12."},
        {"Disk full", "Disk full."},
        {"Done.", "Done."},
        {"Really?", "Really?."}, // '?' sorts after '.'
        {"Stop!", "Stop!"},
        {"(see above)", "(see above)"},
        {"a-", "a-"},
        {"path/", "path/."},
        {"", ""},
    };
    for (const auto& row : table)
        EXPECT_EQ(TApplication::ErrorBoxText(QString::fromLatin1(row.Message)),
                  QString::fromLatin1(row.Shown))
            << row.Message;
    EXPECT_EQ(TApplication::ErrorBoxText(QStringLiteral("Spannung \u00FC")),
              QStringLiteral("Spannung \u00FC."));
}

// Records the error boxes instead of showing them.
class TRecordingApplication : public TApplication {
public:
    int MessageBox(const QString&, const QString&, int) override { return IDOK; }
    void ShowException(const Exception& error) override { Shown.push_back(error.Message); }
    void ProcessMessages() override {}
    void SetBusyCursor(bool) override {}
    QStringList Shown;
};

TEST(Exceptions, GuardShowsWhatAHandlerRaisesAndGoesOn) {
    TRecordingApplication application;
    Application = &application;
    Guarded([] { throw Exception(ErrorOnFile("Main", 5)); });
    Guarded([] { throw ERangeError(QString()); });
    // Not the framework's own: across the event loop they would end the program.
    Guarded([] { throw std::length_error("vector too long"); });
    Guarded([] { throw std::bad_alloc(); });
    bool ran = false;
    Guarded([&ran] { ran = true; });
    Application = nullptr;
    EXPECT_TRUE(ran);
    ASSERT_EQ(application.Shown.size(), 4);
    EXPECT_EQ(application.Shown[0], QStringLiteral("Error on file Main line 5"));
    EXPECT_EQ(application.Shown[1], QString());
    EXPECT_EQ(application.Shown[2], QStringLiteral("vector too long"));
    EXPECT_FALSE(application.Shown[3].isEmpty());
}

} // namespace
