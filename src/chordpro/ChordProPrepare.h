#pragma once

#include "chordpro/ChordProParser.h"

namespace partivo::chordpro {

// The pass between reading a song and laying it out:
// - collects the metadata and writes it into comments and labels ("%{artist}");
// - repeats the last chorus where {chorus} recalls it (its lines copied after the recall,
//   counted as the recall's line), or turns the recall into the comment "Chorus" when
//   there is none yet;
// - transposes the chords after {transpose: N} by N, spelled for the song's key;
// - lists the sections, the annotations and the chords shown.
ParsedSong prepareSong(ParsedSong song, const Selectors& selectors = {});

// {parse then prepare}: what the renderer and the command line read.
ParsedSong readSong(QStringView text, const Selectors& selectors = {});

// What the binder window's header adds for a ChordPro song: the key (moved by the song's
// first {transpose:}) and "Capo N", joined by " • "; "" when the song states neither.
QString keyAndCapoLine(const ParsedSong& song);

// The semitones of a {transpose:} value: its leading integer, 0 when there is none; kept
// within -24..24.
int transposeSemitones(const QString& value);

} // namespace partivo::chordpro
