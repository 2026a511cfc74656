#include "notifier/LaunchDiary.h"

#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

QString DiaryProgramPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/repbook");
}

bool LaunchDiary(QWidget *owner)
{
    const QString program = DiaryProgramPath();
    if (QProcess::startDetached(program, {}))
        return true;
    MessageBox::Warning(
        owner,
        QCoreApplication::translate("LaunchDiary", "The diary program could not be started:\n%1")
            .arg(QDir::toNativeSeparators(program)));
    return false;
}
