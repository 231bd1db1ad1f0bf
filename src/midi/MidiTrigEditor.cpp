// The trigger editor's rows, the source list and learn mode.
#include "midi/MidiTrigEditor.h"

#include "midi/Midi.h"
#include "platform/Commands.h"
#include "platform/Dialogs.h"

namespace partivo {

namespace {

// The names of the action list, by type (0 none).
constexpr const char* kActionNames[] = {
    "None",
    "1 Previous page",
    "2 Next page",
    "3 Genre and play/pause",
    "4 Search",
    "5 Stop, search and play",
    "6 Stop the player",
    "7 Previous song",
    "8 Next song",
    "9 Show or hide the note",
    "10 Send a MIDI group",
    "11 Stop and the \".\" key action",
    "12 Search letter by value",
    "13 Tab by value",
    "14 Song of the tab by value",
    "15 Song of the tab by note",
    "16 Play song of the tab by note",
    "17 Tab",
    "18 Show or hide the list",
    "19 First song",
    "20 Last song",
    "21 Message",
    "22 Message that stays",
    "23 Metronome",
    "24 Count-in",
    "25 Genre",
    "26 Play, next page or pause",
    "27 Nothing",
    "28 Page",
    "29 Page, bottom half",
};
static_assert(std::size(kActionNames) == 30);

// The value fields each type uses, with their placeholders.
QStringList valuePlaceholders(int type)
{
    switch (type) {
    case TrigControlChange:
    case TrigPitchBend:
        return {QStringLiteral("Ctrl"), QStringLiteral("Val")};
    case TrigProgramChange:
        return {QStringLiteral("MSB"), QStringLiteral("LSB"), QStringLiteral("Prg")};
    case TrigNoteOn:
        return {QStringLiteral("Note")};
    default:
        return {};
    }
}

QString valueText(int value)
{
    return value < 0 ? QString() : QString::number(value);
}

int valueOf(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : -1;
}

QString actionPlaceholder(int type)
{
    const TrigActionRow* row = trigActionRow(type);
    if (!row)
        return QString();
    if (row->placeholder)
        return QString::fromUtf8(row->placeholder);
    // The page actions read their text too, so they need the field.
    if (row->effect == TrigEffect::PageNumber)
        return QStringLiteral("Page No.");
    return QString();
}

} // namespace

MidiTrigEditor::MidiTrigEditor(Midi& midi, Dialogs& dialogs, KeyPoster postKey)
    : midi_(midi), dialogs_(dialogs), session_(std::move(postKey))
{
}

void MidiTrigEditor::showMidiPref(bool save)
{
    if (save && session_.isOpen())
        sauvegarderDonnees();
    sourceAvail_ = midi_.backend.sources();
    session_.open();
}

void MidiTrigEditor::windowWillClose()
{
    session_.close([this] { sauvegarderDonnees(); });
}

void MidiTrigEditor::sauvegarderDonnees()
{
    listenOff();
    midi_.sauvegarderTriggers();
}

int MidiTrigEditor::rowCount() const
{
    return int(midi_.MIDItriggers.size());
}

QStringList MidiTrigEditor::channelItems()
{
    QStringList items{QStringLiteral("Any")};
    for (int c = 1; c <= 16; ++c)
        items.append(QString::number(c));
    return items;
}

QStringList MidiTrigEditor::typeItems()
{
    return {QStringLiteral("Listening..."), QStringLiteral("Control Change"),
            QStringLiteral("Program Change"), QStringLiteral("Note On"),
            QStringLiteral("Pitch Bend")};
}

QStringList MidiTrigEditor::actionItems()
{
    QStringList items;
    for (const char* name : kActionNames)
        items.append(QString::fromUtf8(name));
    return items;
}

TrigRowView MidiTrigEditor::rowAt(int row) const
{
    TrigRowView view;
    if (row < 0 || row >= rowCount())
        return view;
    const MidiTrig& t = midi_.MIDItriggers[row];
    view.source = endpointChoices(kAnySourceItem, kIgnoreInputItem, sourceAvail_, t.sourceMode,
                                  t.sourceUID, t.sourceDescr);
    view.channelItem = qBound(0, t.channel, 16);
    view.typeItem = t.sourceType;
    int v1 = t.sourceVal1, v2 = t.sourceVal2, v3 = t.sourceVal3;
    if (row == listeningRow_ && learned_) {
        // The learned message, shown until the user accepts or cancels it.
        view.source.selected = 0;
        for (int i = 0; i < sourceAvail_.size(); ++i) {
            if (sourceAvail_[i].uid == learned_->sourceRef)
                view.source.selected = 2 + i;
        }
        view.channelItem = learned_->sourceChannel + 1;
        view.typeItem = learned_->sourceType;
        v1 = learned_->sourceVal1;
        v2 = learned_->sourceVal2;
        v3 = learned_->sourceVal3;
    } else if (row == listeningRow_) {
        view.typeItem = 0;
    }
    view.values = {valueText(v1), valueText(v2), valueText(v3)};
    view.placeholders = valuePlaceholders(view.typeItem);
    view.actionType = t.actionType;
    view.actionTxt = t.actionTxt;
    view.actionPlaceholder = actionPlaceholder(t.actionType);
    if (view.typeItem == TrigProgramChange)
        view.hint = oneBasedHint(v1, v2, v3);
    return view;
}

void MidiTrigEditor::updateTrigAtIndex(int row, const TrigRowInput& input)
{
    if (row < 0 || row >= rowCount())
        return;
    if (input.typeItem == 0) {
        actionListen(row);
        return;
    }
    MidiTrig& t = midi_.MIDItriggers[row];
    const int i = input.sourceItem;
    if (i >= 2 && i - 2 < sourceAvail_.size()) {
        const MidiEndpoint& source = sourceAvail_[i - 2];
        t.sourceMode = MidiTrig::OneSource;
        t.deviceUID = 0;
        t.entityUID = 0;
        t.sourceUID = source.uid;
        t.sourceDescr = labelWithoutMark(endpointLabel(source));
    } else if (i == 0 || i == 1) {
        t.sourceMode = i;
        t.deviceUID = t.entityUID = t.sourceUID = 0;
    }
    t.channel = qBound(0, input.channelItem, 16);
    t.sourceType = qBound(1, input.typeItem, kTrigTypeCount);
    t.sourceVal1 = valueOf(input.val1);
    t.sourceVal2 = valueOf(input.val2);
    t.sourceVal3 = valueOf(input.val3);
    t.actionType = qBound(0, input.actionType, 29);
    t.actionTxt = input.actionTxt;
    midi_.refreshTrigFiltreChannel();
}

void MidiTrigEditor::actionListen(int selectedRow)
{
    if (selectedRow < 0 || selectedRow >= rowCount()) {
        dialogs_.msg(QString::fromUtf8(kRowMustBeSelected));
        return;
    }
    listeningRow_ = selectedRow;
    learned_.reset();
    midi_.listenTrigSourceOn = true;
}

void MidiTrigEditor::eventLearned()
{
    if (listeningRow_ < 0 || !midi_.learned().filled)
        return;
    learned_ = midi_.learned();
    midi_.listenTrigSourceOn = false;
}

void MidiTrigEditor::acceptLearned()
{
    if (listeningRow_ < 0 || !learned_)
        return;
    const int row = listeningRow_;
    midi_.commitLearned(row);
    // A listed source is named by its label, as when it is chosen from the list.
    MidiTrig& t = midi_.MIDItriggers[row];
    for (const MidiEndpoint& source : std::as_const(sourceAvail_)) {
        if (t.sourceMode == MidiTrig::OneSource && source.uid == t.sourceUID)
            t.sourceDescr = labelWithoutMark(endpointLabel(source));
    }
    listenOff();
}

void MidiTrigEditor::cancelListen()
{
    listenOff();
}

void MidiTrigEditor::listenOff()
{
    listeningRow_ = -1;
    learned_.reset();
    midi_.listenTrigSourceOn = false;
}

QString MidiTrigEditor::learnedText() const
{
    if (!learned_)
        return QString();
    const QStringList names = typeItems();
    const QString type = names.value(learned_->sourceType);
    QStringList values;
    for (int v : {learned_->sourceVal1, learned_->sourceVal2, learned_->sourceVal3}) {
        if (v >= 0)
            values.append(QString::number(v));
    }
    return QStringLiteral("%1, channel %2: %3")
        .arg(type)
        .arg(learned_->sourceChannel + 1)
        .arg(values.join(QLatin1String(" ")));
}

int MidiTrigEditor::actionInsertRow()
{
    midi_.creerTriggers();
    return rowCount() - 1;
}

int MidiTrigEditor::actionDeleteRow(int selectedRow)
{
    if (selectedRow < 0 || selectedRow >= rowCount()) {
        dialogs_.msg(QString::fromUtf8(kRowMustBeSelected));
        return selectedRow;
    }
    listenOff();
    midi_.supprimerTriggersForIndex(selectedRow);
    return selectionAfterDelete(selectedRow, rowCount());
}

int MidiTrigEditor::moveRow(int row, int delta)
{
    listenOff();
    const int to = partivo::moveRow(midi_.MIDItriggers, row, delta);
    if (to >= 0)
        midi_.refreshTrigFiltreChannel();
    return to;
}

} // namespace partivo
