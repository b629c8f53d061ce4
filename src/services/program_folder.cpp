// ProgramFolder: where the program's data files are found.
#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& OverrideFolder()
{
    static QString folder;
    return folder;
}

QString WithTrailingSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

QString ProgramFolder()
{
    if (!OverrideFolder().isEmpty())
        return OverrideFolder();
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

void SetProgramFolder(const QString& folder)
{
    OverrideFolder() = folder.isEmpty() ? QString() : WithTrailingSeparator(QDir::cleanPath(folder));
}
