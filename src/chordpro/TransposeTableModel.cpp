#include "chordpro/TransposeTableModel.h"

#include "chordpro/ChordDet.h"
#include "chordpro/SongTransposer.h"

namespace partivo {

TransposeTableModel::TransposeTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TransposeTableModel::setSongText(const QString& text)
{
    beginResetModel();
    keyChord_ = chordpro::songKey(text);
    chords_ = chordpro::songChords(text);
    pref_ = ChordDet::Automatic;
    selectedRow_ = kOffsetRow;
    endResetModel();
}

void TransposeTableModel::setPreference(int pref)
{
    const int selected = selectedRow_;
    beginResetModel();
    pref_ = pref;
    endResetModel();
    selectedRow_ = selected;
}

void TransposeTableModel::setSelectedRow(int row)
{
    selectedRow_ = row >= 0 && row < kRows ? row : -1;
}

std::optional<int> TransposeTableModel::paramForSelection() const
{
    if (selectedRow_ < 0)
        return std::nullopt;
    return paramForRow(selectedRow_);
}

TransposeTableModel::Request TransposeTableModel::decodeParam(int param)
{
    if (param <= 6)
        return {ChordDet::Automatic, param};
    if (param < 20)
        return {ChordDet::Flats, param - kRows};
    return {ChordDet::Sharps, param - 2 * kRows};
}

QString TransposeTableModel::columnIdentifier(int column)
{
    switch (column) {
    case ChordNo:
        return QStringLiteral("ChordNo");
    case Chord:
        return QStringLiteral("Chord");
    case ChordList:
        return QStringLiteral("ChordList");
    default:
        return QString();
    }
}

int TransposeTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kRows;
}

int TransposeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QString TransposeTableModel::text(int row, int column) const
{
    if (row < 0 || row >= kRows)
        return QString();
    const int offset = offsetForRow(row);
    switch (column) {
    case ChordNo:
        return offset > 0 ? QStringLiteral("+%1").arg(offset) : QString::number(offset);
    case Chord:
        return ChordDet::transposeSingleChord(keyChord_, offset, keyChord_, pref_);
    case ChordList: {
        QString list;
        for (const QString& chord : chords_)
            list += ChordDet::transposeChordWithRoot(chord, offset, keyChord_, pref_) +
                    QStringLiteral("  ");
        return list;
    }
    default:
        return QString();
    }
}

QVariant TransposeTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return QVariant();
    return text(index.row(), index.column());
}

QVariant TransposeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    const QString id = columnIdentifier(section);
    return id.isEmpty() ? QVariant() : QVariant(id);
}

} // namespace partivo
