#pragma once

#include <QString>

// Where SystemConfig.ini and logs/ live. Beside the executable while that folder can be written
// (portable use, older installs); otherwise, as for a client installed for all users, the user's
// own application data folders. The process decides once, on first use, and both the settings
// store and the Logger follow that decision.
class SettingsLocation
{
public:
    SettingsLocation(const QString& strProgramDir, bool bProgramDirWritable);

    // The decision for this process, made on first call from the executable's folder.
    static const SettingsLocation& Current();
    // Replaces the decision, for tests and tools; call it before the first settings or log access.
    static void SetCurrent(const SettingsLocation& location);

    // Whether a file can be made in strDir. It tries rather than looks at permission bits, which
    // tell nothing about ACLs on Windows, and which root ignores.
    static bool CanCreateFilesIn(const QString& strDir);

    bool IsPerUser() const { return !m_bProgramDirWritable; }
    // The file to read: the per-user copy once there is one, else the one beside the executable.
    QString ConfigReadPath() const;
    // The file to write. Before the first write to a per-user copy, the settings of the file
    // beside the executable are copied into it, so a change of one key keeps the others.
    QString ConfigWritePath() const;
    // The log folder, ending in "/".
    QString LogDir() const;

private:
    QString ProgramConfigPath() const;
    QString UserConfigPath() const;

    QString m_strProgramDir;
    bool m_bProgramDirWritable;
};
