#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace partivo::test {

// A scratch binder folder that disappears with the test.
class TestFolder {
public:
    TestFolder();
    QString path() const { return dir_.path(); }
    // Creates the file (and its folders) with the given bytes; returns its full path.
    QString write(const QString& relativePath, const QByteArray& bytes = "%PDF-1.4\n%%EOF\n");
    QString read(const QString& relativePath) const;
    bool exists(const QString& relativePath) const;
    void remove(const QString& relativePath);

private:
    QTemporaryDir dir_;
};

} // namespace partivo::test
