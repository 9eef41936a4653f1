#include "app/SettingsLocation.h"

#include "ddc/VcpCodes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace
{
SettingsLocation& Stored()
{
    static SettingsLocation s_location(QCoreApplication::applicationDirPath(),
                                       SettingsLocation::CanCreateFilesIn(QCoreApplication::applicationDirPath()));
    return s_location;
}
}

SettingsLocation::SettingsLocation(const QString& strProgramDir, bool bProgramDirWritable)
    : m_strProgramDir(strProgramDir)
    , m_bProgramDirWritable(bProgramDirWritable)
{
}

const SettingsLocation& SettingsLocation::Current()
{
    return Stored();
}

void SettingsLocation::SetCurrent(const SettingsLocation& location)
{
    Stored() = location;
}

bool SettingsLocation::CanCreateFilesIn(const QString& strDir)
{
    if (strDir.isEmpty() || !QFileInfo(strDir).isDir())
        return false;
    QTemporaryFile probe(strDir + QStringLiteral("/.write-probe-XXXXXX"));
    return probe.open();
}

QString SettingsLocation::ConfigReadPath() const
{
    if (IsPerUser() && QFile::exists(UserConfigPath()))
        return UserConfigPath();
    return ProgramConfigPath();
}

QString SettingsLocation::ConfigWritePath() const
{
    if (!IsPerUser())
        return ProgramConfigPath();
    const QString strUser = UserConfigPath();
    if (!QFile::exists(strUser)) {
        QDir().mkpath(QFileInfo(strUser).absolutePath());
        // The copy takes over the source's permissions, which may be read-only.
        if (QFile::copy(ProgramConfigPath(), strUser))
            QFile::setPermissions(strUser, QFile::permissions(strUser) | QFile::WriteOwner | QFile::ReadOwner);
    }
    return strUser;
}

QString SettingsLocation::LogDir() const
{
    if (!IsPerUser())
        return m_strProgramDir + QStringLiteral("/logs/");
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/logs/");
}

QString SettingsLocation::ProgramConfigPath() const
{
    return m_strProgramDir + CONFIG_FILE_NAME;
}

QString SettingsLocation::UserConfigPath() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + CONFIG_FILE_NAME;
}
