#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

#include "PdfObjects.h"

namespace partivo {

// RC4, the cipher of the PDF standard security handler (revision 2, 40-bit keys).
inline QByteArray rc4(const QByteArray& key, const QByteArray& data)
{
    unsigned char s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + static_cast<unsigned char>(key[i % key.size()])) & 0xff;
        std::swap(s[i], s[j]);
    }
    QByteArray out(data.size(), '\0');
    for (int n = 0, i = 0, j = 0; n < data.size(); ++n) {
        i = (i + 1) & 0xff;
        j = (j + s[i]) & 0xff;
        std::swap(s[i], s[j]);
        out[n] = char(data[n] ^ s[(s[i] + s[j]) & 0xff]);
    }
    return out;
}

// A one-page PDF that opens only with the user password, encrypted as the standard
// security handler does it (owner and user entries computed from the passwords).
inline QString writeLockedPdf(const QString& path, const QByteArray& userPassword)
{
    static const QByteArray pad =
        QByteArray::fromHex("28BF4E5E4E758A4164004E56FFFA01082E2E00B6D0683E802F0CA9FE6453697A");
    const auto padded = [&](const QByteArray& p) { return (p + pad).left(32); };
    const QByteArray ownerKey =
        QCryptographicHash::hash(padded("owner"), QCryptographicHash::Md5).left(5);
    const QByteArray o = rc4(ownerKey, padded(userPassword));
    const QByteArray id = QByteArray::fromHex("0123456789ABCDEF0123456789ABCDEF");
    const qint32 permissions = -4;
    QByteArray p(4, '\0');
    for (int i = 0; i < 4; ++i)
        p[i] = char((permissions >> (8 * i)) & 0xff);
    const QByteArray key =
        QCryptographicHash::hash(padded(userPassword) + o + p + id, QCryptographicHash::Md5)
            .left(5);
    const QByteArray u = rc4(key, pad);

    QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>",
        "<< /Filter /Standard /V 1 /R 2 /O <" + o.toHex() + "> /U <" + u.toHex() + "> /P -4 >>",
    };
    return writeFile(path, pdfOfObjects(objects, "/Encrypt 4 0 R /ID [<" + id.toHex() + "> <" +
                                                     id.toHex() + ">] "));
}

} // namespace partivo
