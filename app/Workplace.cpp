// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Workplace.h"

#include "Library/Serial/USB/UsbUart.h"
#include "adapter/AdapterVersion.h"
#include "adapter/TarnAdapter.h"
#include "app/ConnectorSession.h"
#include "app/History.h"
#include "model/Q47.h"
#include "platform/files/Files.h"
#include "platform/framework/Application.h"
#include "platform/framework/Exceptions.h"
#include "platform/framework/NativePath.h"
#include "platform/ini/IniFile.h"
#include "platform/registry/LanguageStore.h"
#include "platform/registry/Languages.h"
#include "platform/registry/Locations.h"
#include "platform/registry/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

TWorkplace* Workplace = nullptr;

namespace {

const QString PropertiesSection = QStringLiteral("Properties");
const QString MainFormSection = QStringLiteral("MainForm");
const QString RecentFilesSection = QStringLiteral("RecentFiles");
const QString FileDialogsSection = QStringLiteral("FileDialogs");
const QString FolderKey = QStringLiteral("Folder");
const QString HistorySection = QStringLiteral("History");
const QString HistoryFileKey = QStringLiteral("File");

// The window's keys, each with its place in the settings and the value a fresh file gets; a
// key missing from a file of this version reads as 0 (false), as it always did.
struct TWindowKey {
    const char* Name;
    int TWorkplace::*Field;
    bool Boolean; // written "1" or "0", read as any number
    int Fresh;
};
const TWindowKey WindowKeys[] = {
    {"MainTop", &TWorkplace::MainTop, false, 0},
    {"MainLeft", &TWorkplace::MainLeft, false, 0},
    {"MainWidth", &TWorkplace::MainWidth, false, 800},
    {"MainHeight", &TWorkplace::MainHeight, false, 600},
    {"MainState", &TWorkplace::MainState, true, 0},
    {"LanguageId", &TWorkplace::LanguageId, false, 0},
};
const QString VersionKey = QStringLiteral("Version");

QString RecentFileKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

// Told at every occasion that fails, at the start and again at the close: a user told at the
// start may have freed the disk or the file meanwhile, and must not believe the placement kept
// when it was not. The window program tells it in the user's language, with its message text
// `MsgSettingsWrite` ("Unable to write to %1"); without message texts the settings file's own
// words go up.
void Report(const std::function<QString(const QString&)>& messageText, const QString& path,
            const std::function<void()>& write) {
    try {
        write();
    } catch (const Exception&) {
        if (messageText)
            throw Exception(messageText(QStringLiteral("MsgSettingsWrite"))
                                .arg(QDir::toNativeSeparators(path)));
        throw;
    }
}

// A settings file is a few hundred bytes; one of many megabytes is none of ours.
constexpr std::size_t MaxSettingsSize = 16 << 20;

// An installed copy (or one whose folder takes no new file) keeps its settings in the user's
// folder. At its first start there, the brookfetch.INI beside the executable, which the portable
// copy installed over or the earlier Windows program left in its folder, is taken over whole:
// placement, recent files, language preselection and every key of the user's own. It stays where
// it is, for the portable copy if it is run again and for the first start of every other user.
// A file that cannot be read is left to the user; the fresh settings then begin.
void TakeOverPortableSettings(const QString& exePath, const QString& settingsPath) {
    const QString portable = ChangeFileExt(exePath, QStringLiteral(".INI"));
    if (portable == settingsPath || FileKindOf(NativePath(settingsPath)) != TFileKind::Missing)
        return;
    const TLoadedFile old = LoadWholeFile(NativePath(portable), MaxSettingsSize);
    if (old.Result != TLoadResult::Loaded || old.Longer)
        return;
    // A copy that cannot be saved leaves no settings file, and LoadSettings then fails to make
    // one in the same place, which it tells.
    SaveWholeFile(NativePath(settingsPath), old.Bytes);
}

} // namespace

TWorkplace::TWorkplace()
    : Modified(false), Version(SettingsVersion), LanguageId(0), MainTop(0), MainLeft(0),
      MainWidth(0), MainHeight(0), MainState(0), Adapter(std::make_unique<TTarnDevice>()),
      Connector(std::make_unique<TConnectorSession>(*Adapter)) {
    if (QCoreApplication::instance())
        ExePath = QCoreApplication::applicationFilePath();
}

TWorkplace::~TWorkplace() = default;

QString TWorkplace::SettingsPath() const {
    // The layout decides first: root may write into /usr/bin, and must not.
    if (IsInstalledLayout(ExePath) || !FolderTakesNewFiles(QFileInfo(ExePath).absolutePath()))
        return UserConfigFolder() + QStringLiteral("/brookfetch.INI");
    return ChangeFileExt(ExePath, QStringLiteral(".INI"));
}

void TWorkplace::LoadSettings() {
    const QString path = SettingsPath();
    MakePrivateFolder(QFileInfo(path).absolutePath()); // a folder it cannot make fails the write
    TakeOverPortableSettings(ExePath, path);
    IniFile = std::make_unique<TIniFile>(path);
    Version = IniFile->ReadInteger(PropertiesSection, VersionKey, 0);
    if (Version == SettingsVersion) {
        for (const TWindowKey& key : WindowKeys) {
            const QString name = QLatin1String(key.Name);
            this->*key.Field = key.Boolean
                                   ? (IniFile->ReadBool(MainFormSection, name, false) ? 1 : 0)
                                   : IniFile->ReadInteger(MainFormSection, name, 0);
        }
        // Names as the system writes them (C:\Sites\river.brk on Windows), kept the way the
        // program compares them.
        RecentFiles.clear();
        for (int i = RecentFileCount - 1; i >= 0; --i)
            AddRecentFile(QDir::fromNativeSeparators(
                IniFile->ReadString(RecentFilesSection, RecentFileKey(i), QString())));
        LastFolder = QDir::fromNativeSeparators(
            IniFile->ReadString(FileDialogsSection, FolderKey, QString()));
        HistoryFile = QDir::fromNativeSeparators(
            IniFile->ReadString(HistorySection, HistoryFileKey, QString()));
        return;
    }
    // Missing, unreadable or of another version: nothing of it is trusted or kept. The new file
    // replaces it whole in one step, so a full disk leaves either the old file or the new one.
    // A pipe or device in the file's place holds no settings and goes, as an old file would.
    const QFileInfo old(path);
    if (old.exists() && !old.isFile() && !old.isDir())
        QFile::remove(path);
    Version = SettingsVersion;
    for (const TWindowKey& key : WindowKeys)
        this->*key.Field = key.Fresh;
    RecentFiles.clear();
    LastFolder.clear();
    HistoryFile.clear();
    Report(MessageText, path, [this] { IniFile->Recreate([this] { SaveSettings(); }); });
}

void TWorkplace::SaveSettings() {
    if (!IniFile)
        throw Exception(ErrorOnFile());
    Version = SettingsVersion;
    // Every key in one replacement of the file: closing the window writes it once.
    Report(MessageText, IniFile->FileName(), [this] {
        IniFile->Batch([this] {
            IniFile->WriteInteger(PropertiesSection, VersionKey, Version);
            for (const TWindowKey& key : WindowKeys) {
                const QString name = QLatin1String(key.Name);
                if (key.Boolean)
                    IniFile->WriteBool(MainFormSection, name, this->*key.Field != 0);
                else
                    IniFile->WriteInteger(MainFormSection, name, this->*key.Field);
            }
            for (int i = 0; i < RecentFileCount; ++i) {
                if (i < RecentFiles.size())
                    IniFile->WriteString(RecentFilesSection, RecentFileKey(i),
                                         QDir::toNativeSeparators(RecentFiles[i]));
                else
                    IniFile->DeleteKey(RecentFilesSection, RecentFileKey(i));
            }
            if (LastFolder.isEmpty())
                IniFile->DeleteKey(FileDialogsSection, FolderKey);
            else
                IniFile->WriteString(FileDialogsSection, FolderKey,
                                     QDir::toNativeSeparators(LastFolder));
            if (HistoryFile.isEmpty())
                IniFile->DeleteKey(HistorySection, HistoryFileKey);
            else
                IniFile->WriteString(HistorySection, HistoryFileKey,
                                     QDir::toNativeSeparators(HistoryFile));
        });
    });
}

void TWorkplace::RenewModel() {
    Model.reset();
    Model = std::make_unique<TQ47>();
    Model->Device = Adapter.get();
    TailFile.clear();
}

void TWorkplace::NewDataSet() {
    RenewModel();
    FileName.clear();
    Modified = false;
    Origin.reset();
}

void TWorkplace::NoteConnector(bool written) {
    const std::string_view image = Model->ImageBytes();
    Origin = TConnectorOrigin{written, Adapter->Description, Adapter->Version, Adapter->SmallMemory,
                              QByteArray(image.data(), static_cast<qsizetype>(image.size()))};
}

QString TWorkplace::RecordTransfer(const QString& operation, bool ok, const QString& message) {
    THistoryEntry entry;
    entry.Operation = operation;
    entry.Ok = ok;
    entry.Message = ok ? QString() : message;
    entry.File = QDir::toNativeSeparators(FileName);
    // The window reads and writes only a small-memory connector that its session confirmed.
    if (Adapter->Uart) {
        entry.AdapterName = Adapter->Description;
        entry.AdapterVersion = AdapterVersionText(Adapter->Version);
        entry.AdapterSerial = Adapter->Uart->SerialNumber;
        entry.Connector = QStringLiteral("small");
    }
    // What a failed read left in the model is no connector's image; a write's is what was sent.
    if (Model && (ok || operation != QLatin1String("read"))) {
        const std::string_view image = Model->ImageBytes();
        entry.Image = QByteArray(image.data(), static_cast<qsizetype>(image.size()));
    }
    return RecordHistory(HistoryPath(HistoryFile), entry);
}

void TWorkplace::AddRecentFile(const QString& path) {
    if (path.isEmpty() || path != path.trimmed() || path.contains(QLatin1Char('\n')) ||
        path.contains(QLatin1Char('\r')))
        return;
    RecentFiles.removeAll(path);
    RecentFiles.prepend(path);
    while (RecentFiles.size() > RecentFileCount)
        RecentFiles.removeLast();
}

bool TWorkplace::OpenImage(const QByteArray& image) {
    auto loaded = std::make_unique<TQ47>();
    loaded->Device = Adapter.get();
    TLoadedFile file;
    file.Result = image.size() < TQ47::ImageSize ? TLoadResult::Short : TLoadResult::Loaded;
    file.Bytes = image.toStdString();
    if (!loaded->LoadImage(file))
        return false;
    Model = std::move(loaded);
    TailFile.clear();
    Origin.reset();
    FileName.clear();
    Modified = true;
    return true;
}

bool TWorkplace::OpenFile(QString path) {
    // Loaded aside: what the page shows now stays until the file proved good. The bytes after
    // the image are kept for the next save, up to what a configuration file may hold.
    auto loaded = std::make_unique<TQ47>();
    loaded->Device = Adapter.get();
    const TLoadedFile file = LoadWholeFile(NativePath(path), TQ47::ImageSize, TQ47::ImageSize);
    FileFailure = file.Failure;
    LoadFailure = TLoadFailure::None;
    if (file.Result == TLoadResult::Missing)
        LoadFailure = TLoadFailure::Missing;
    else if (file.Result != TLoadResult::Loaded && file.Result != TLoadResult::Short)
        LoadFailure = TLoadFailure::Unreadable;
    else if (!loaded->LoadImage(file))
        LoadFailure =
            file.Result == TLoadResult::Short ? TLoadFailure::TooShort : TLoadFailure::Damaged;
    if (LoadFailure != TLoadFailure::None) {
        // A file that is gone is no longer offered; one that is there stays, whatever is
        // wrong with it now.
        if (LoadFailure == TLoadFailure::Missing)
            RecentFiles.removeAll(path);
        return false;
    }
    TailFile = file.Longer ? path : QString();
    Model = std::move(loaded);
    Origin.reset();
    FileName = path;
    Modified = false;
    AddRecentFile(path);
    return true;
}

bool TWorkplace::SaveFile(QString path) {
    if (!Model)
        throw Exception(ErrorOnFile());
    Model->Encode();
    const TFileTail tail{NativePath(TailFile), TQ47::ImageSize};
    const bool saved =
        Model->SaveImageToFile(NativePath(path), TailFile.isEmpty() ? nullptr : &tail);
    FileFailure = Model->FileFailure;
    if (!saved)
        return false;
    if (!TailFile.isEmpty())
        TailFile = path;
    FileName = path;
    Modified = false;
    AddRecentFile(path);
    return true;
}

TConnectorRefusal TWorkplace::ConnectorRefusal() {
    if (!Connector->FindAdapter().Ok())
        return TConnectorRefusal::NoAnswer;
    return Connector->Refusal();
}

bool TWorkplace::ReadConnector() {
    NewDataSet();
    TransferFailure = Connector->Read(*Model).Failure;
    if (TransferFailure != TTransferFailure::None)
        return false;
    NoteConnector(false);
    return true;
}

bool TWorkplace::WriteConnector() {
    if (!Model)
        throw Exception(ErrorOnFile());
    // What goes out is always rebuilt from the parameters.
    Model->Encode();
    TransferFailure = Connector->Write(*Model).Failure;
    if (TransferFailure != TTransferFailure::None)
        return false;
    NoteConnector(true);
    return true;
}

QString TWorkplace::LanguageCode(int languageId) {
    const TLanguage* language = LanguageOfId(languageId);
    return language ? QLatin1String(language->Code) : QString();
}

void TWorkplace::ApplyLanguage() {
    if (LanguageId < 0 || LanguageId >= LanguageCount)
        throw Exception(ErrorSwitchFile());
    if (!MessageText)
        throw Exception(ErrorOnFile());
    const TLanguage* language = LanguageOfId(LanguageId);
    const char* const code = language ? language->Code : nullptr;

    // A choice that did not reach the store must not be announced for the next start.
    if (!StoreLanguageCode(ExePath, code)) {
        Application->MessageBox(QStringLiteral("Windows Registry error"),
                                MessageText(QStringLiteral("MsgError")), MB_OK);
        return;
    }
    Application->MessageBox(MessageText(QStringLiteral("MsgNewLanguage")),
                            MessageText(QStringLiteral("MsgWarning")), MB_OK);
}
