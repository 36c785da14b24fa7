#include "platform/process_starter.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "opcodes/files/file_names.h"
#include "opcodes/files/program_search.h"

StartResult DetachedProcessStarter::Start(const QString& program, bool minimised) {
    const char* path = std::getenv("PATH");
    const auto found =
        FindProgram(program.toStdString(), QCoreApplication::applicationDirPath().toStdString(),
                    CurrentDir(), path ? path : "");
    if (!found)
        return {false, QStringLiteral("Cannot start \"%1\". %2")
                           .arg(program, QString::fromLocal8Bit(std::strerror(ENOENT)))};

    QProcess process;
    process.setProgram(QString::fromStdString(found->string()));
    if (minimised) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kStartMinimizedVariable), QStringLiteral("1"));
        process.setProcessEnvironment(env);
    }
    if (!process.startDetached())
        return {false,
                QStringLiteral("Cannot start \"%1\". %2").arg(program, process.errorString())};
    return {true, {}};
}
