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
    // Windows knows a program by its ending (PATHEXT), POSIX by its execute permission; the
    // search path is UTF-8 text there, the system's bytes here.
#ifdef Q_OS_WIN
    const std::string path = qEnvironmentVariable("PATH").toStdString(),
                      endings = qEnvironmentVariable("PATHEXT").toStdString();
#else
    const char* value = std::getenv("PATH");
    const std::string path = value != nullptr ? value : "", endings;
#endif
    const auto found = FindProgram(program.toStdString(),
                                   PathOf(QCoreApplication::applicationDirPath().toStdString()),
                                   PathOf(CurrentDir()), path, endings);
    if (!found)
        return {false, QStringLiteral("Cannot start \"%1\". %2")
                           .arg(program, QString::fromLocal8Bit(std::strerror(ENOENT)))};

    QProcess process;
    process.setProgram(QString::fromStdString(NarrowName(*found)));
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
