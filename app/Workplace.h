// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ConnectorSession.h"
#include "platform/files/Files.h"
#include "platform/registry/Languages.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class TIniFile;
class TQ47;
class TTarnDevice;

// The program's one object for settings and current data: the window placement and the
// language choice (kept in the settings file, SettingsPath), the current parameter
// set with its file name and modified flag, and the adapter device.
class TWorkplace {
public:
    static constexpr int SettingsVersion = 256;

    // Why the last OpenFile failed.
    enum class TLoadFailure { None, Missing, Unreadable, TooShort, Damaged };

    TWorkplace();
    ~TWorkplace();
    TWorkplace(const TWorkplace&) = delete;
    TWorkplace& operator=(const TWorkplace&) = delete;

    QString FileName; // empty while the data have no file name
    bool Modified;
    int Version;
    int LanguageId;
    int MainTop;
    int MainLeft;
    int MainWidth;
    int MainHeight;
    int MainState; // 1 = maximized
    // The last files opened or saved, the latest first, at most RecentFileCount. Read with
    // the other settings and written with them, in a section of their own.
    QStringList RecentFiles;
    static constexpr int RecentFileCount = 4;
    // The folder of the last file chosen in the Open or Save As dialog, kept with the settings:
    // where those dialogs start when the data have no file of their own.
    QString LastFolder;
    // Where the programming history is kept (app/History.h), kept with the settings: a file, or
    // a folder for history.jsonl (a folder a team shares); empty: the user's own data folder.
    QString HistoryFile;
    TLoadFailure LoadFailure = TLoadFailure::None;
    // Why the last OpenFile or SaveFile failed, as the system said it (None when it did not).
    TFileFailure FileFailure;
    // Why the last ReadConnector or WriteConnector failed, by the connector session's rule.
    TTransferFailure TransferFailure = TTransferFailure::None;
    // The connector the data set was last read from or written into (and verified), as the
    // adapter described it, with the image the connector then held: a parameter sheet names
    // the connector while the data are still that image. None for new data and a file opened.
    struct TConnectorOrigin {
        bool Written = false;
        QString Adapter;
        std::uint16_t Version = 0;
        bool SmallMemory = true;
        QByteArray Image;
    };
    std::optional<TConnectorOrigin> Origin;
    std::unique_ptr<TIniFile> IniFile;
    std::unique_ptr<TQ47> Model;
    std::unique_ptr<TTarnDevice> Adapter;
    std::unique_ptr<TConnectorSession> Connector; // over Adapter

    // The running executable's full path: names the settings file and the language value.
    // Taken from the application at construction; tests may point it elsewhere.
    QString ExePath;
    // Reads a message text by its label name ("MsgError", ...) at the moment it is shown;
    // the window program binds it to its message-text window. ApplyLanguage raises
    // "Error on file Workplace line <n>" while it is unbound.
    std::function<QString(const QString& label)> MessageText;

    // A settings file that cannot be written raises "Unable to write to <path>" (the message
    // text MsgSettingsWrite when MessageText is bound), at the start and at every save.
    void LoadSettings();
    void SaveSettings();
    void NewDataSet();
    // Loads a configuration file into a new model, which then replaces the current one. A file
    // that cannot be loaded changes nothing: model, FileName and Modified stay, and
    // LoadFailure says why.
    bool OpenFile(QString path);
    // A new data set from an image kept elsewhere (an entry of the programming history): no
    // file, and modified, so that closing asks to save it. An image without a valid set
    // changes nothing and returns false.
    bool OpenImage(const QByteArray& image);
    // Saves the data as a connector write encodes them (the constant 1, reserved bytes 0, the
    // checksum), so that a file and the connector written from the same page hold the same
    // image; a file opened with bytes after its image keeps them, however many.
    bool SaveFile(QString path);
    // Whether a connector may be read or written now: the adapter is looked for, then the
    // connector session's rule (TConnectorSession::Refusal). The window asks before every
    // transfer, so that no connector but a sampler's is ever read or written.
    TConnectorRefusal ConnectorRefusal();
    // A new data set read from the connector, or the data set's parameters written into it, by
    // the session's retry rule (TConnectorSession::Read and Write); TransferFailure says why not.
    bool ReadConnector();
    bool WriteConnector();
    // Stores the code of LanguageId (0..14; 0 removes it) under this executable's path in
    // HKEY_CURRENT_USER "Software\Borland\Locales" and tells the user it applies at the next
    // start; "Windows Registry error" when the store cannot be opened or changed.
    void ApplyLanguage();
    // The code ApplyLanguage stores for a LanguageId ("deu" for 5); empty for 0 (<Default>)
    // and for an index that names no language.
    static QString LanguageCode(int languageId);
    static constexpr int LanguageCount = LanguageIdCount; // LanguageIds 0..14, Languages.def
    void RenewModel();
    // Keeps the adapter's description and the model's image as Origin.
    void NoteConnector(bool written);
    // Adds the transfer that just ended (`operation` "read" or "write") to the programming
    // history at HistoryFile: the adapter, the connector, the data set's image and file name,
    // and `message`, the words the window showed for a failure. Empty when it is kept; else why
    // not, for the window to tell: the transfer itself stands either way.
    QString RecordTransfer(const QString& operation, bool ok, const QString& message = QString());
    // Puts a file at the head of RecentFiles (OpenFile and SaveFile do, when they succeed).
    // A name the settings file could not give back unchanged (a line break, blanks at either
    // end) is not kept.
    void AddRecentFile(const QString& path);

    // ExePath with the extension ".INI" (brookfetch.INI) for a program run from its build
    // tree or a portable folder; brookfetch.INI in the user's configuration folder for an
    // installed one (IsInstalledLayout) or one whose folder cannot be written.
    QString SettingsPath() const;

private:
    // The file whose bytes after the image the next save keeps (the one opened, then the one
    // saved); empty for data that came from New or a connector, or a file of 128 bytes.
    QString TailFile;
};

// The one workplace, created by the main window.
extern TWorkplace* Workplace;
