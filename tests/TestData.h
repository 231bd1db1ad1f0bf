#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

// A file or folder of the test program's data in the source tree. PARTIVO_TEST_DATA_DIR is
// relative to the folder of the test program, so that the compile command (and the compiler
// cache's key) is the same in every clone of the project.
inline QString testDataPath(const QString& relative)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(
        programDir.filePath(QStringLiteral(PARTIVO_TEST_DATA_DIR "/") + relative));
}
