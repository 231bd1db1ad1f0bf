#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <optional>

namespace partivo {

// The transpose window's table: one row per offset from +6 (row 0) down to -6 (row 12), with
// the offset, the key and the song's chords under that offset. Choosing a row gives a "param"
// that encodes the spelling preference and the offset together.
class TransposeTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { ChordNo = 0, Chord = 1, ChordList = 2 };
    static constexpr int kRows = 13;
    static constexpr int kOffsetRow = 6;

    struct Request {
        int pref;
        int semitones;
    };

    explicit TransposeTableModel(QObject* parent = nullptr);

    // Takes the song's key (or its first chord) and chords, sets automatic spelling and selects
    // the row of offset 0.
    void setSongText(const QString& text);
    const QString& keyChord() const { return keyChord_; }
    const QStringList& chords() const { return chords_; }

    int preference() const { return pref_; }
    // Change the spelling; the table is reloaded and the selected row kept.
    void setPreference(int pref);
    void useAutomaticSpelling() { setPreference(0); }
    void useFlats() { setPreference(1); }
    void useSharps() { setPreference(2); }

    // -1 when no row is selected.
    int selectedRow() const { return selectedRow_; }
    void setSelectedRow(int row);

    static int offsetForRow(int row) { return kOffsetRow - row; }
    // preference × 13 + offset.
    int paramForRow(int row) const { return pref_ * kRows + offsetForRow(row); }
    // The param of the selected row, or nothing when no row is selected.
    std::optional<int> paramForSelection() const;
    static Request decodeParam(int param);
    // "ChordNo", "Chord" or "ChordList".
    static QString columnIdentifier(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    QString text(int row, int column) const;

private:
    QString keyChord_;
    QStringList chords_;
    int pref_ = 0;
    int selectedRow_ = kOffsetRow;
};

} // namespace partivo
