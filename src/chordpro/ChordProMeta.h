#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace partivo::chordpro {

// Metadata read from a ChordPro text by search, without regard to case; values are always
// cut from the text as written.

// Value of a directive such as "{title:" up to the next "}" (untrimmed), or nothing when the
// opener is missing or not closed. Spaces and tabs may stand after "{" and around ":", so
// "{ key : G }" is found by "{key:" with the value " G ".
std::optional<QString> obtenirChaine(const QString& text, const QString& directive);

struct TitreSousTitreCle {
    QString titre;
    QString sousTitre;
    QString cle;
};
// Title, subtitle and key: long opener first, then the short one; trimmed of spaces and tabs.
TitreSousTitreCle determinerTitreSousTitreCle(const QString& text);

// The font size the song asks for ("{fontsize:"), or defaultSize when absent or invalid.
double obtenirFontSize(const QString& text, double defaultSize);

// If text at `from` holds spaces or tabs, `name` in any case, spaces or tabs and ":", the
// position right after the ":"; else -1. Letters are compared one by one, each upper-cased on
// its own, so positions always stay those of the text as written.
qsizetype valueStartAfterName(QStringView text, qsizetype from, QStringView name);

// True when the directive text (between the braces) is one of the metadata directives:
// title, t, subtitle, st, key, k, fontsize followed by ":".
bool isMetadataDirective(QStringView directiveText);

} // namespace partivo::chordpro
