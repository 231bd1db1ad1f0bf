#pragma once

#include "platform/Commands.h"
#include "platform/EditorSession.h"
#include "platform/MidiBackend.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace partivo {

// Texts shared by the MIDI editors.
inline constexpr char kRowMustBeSelected[] = "A row must be selected to perform this operation";
inline constexpr char kDefaultGroupNotDeleted[] = "The DEFAULT group cannot be deleted";
inline constexpr char kAllDevicesItem[] = "✳️ All devices";
inline constexpr char kDontSendItem[] = "🚫 Don't send MIDI data";
inline constexpr char kAnySourceItem[] = "✳️ Any source";
inline constexpr char kIgnoreInputItem[] = "🚫 Ignore input";
inline constexpr char kMissingMark[] = "❗️ ";
inline constexpr char kOnlineEnd[] = " (online)";

// "✅ " or "⚠️ ", the port name, and " (online)" when online. The backend does not say
// which ports are virtual, so no "(Virtual) " prefix is shown.
QString endpointLabel(const MidiEndpoint& endpoint);
// The label without its status mark and the space after it (the marks differ in length).
QString labelWithoutMark(const QString& label);
// The item shown for a chosen endpoint that is not available: "❗️ " and its stored label
// without " (online)", or "❗️ ???" when nothing remains.
QString missingEndpointItem(const QString& storedLabel);

// The MIDI editors share the open and close bookkeeping of every editor window.
using MidiEditorSession = EditorSession;

// A list control: its items and the selected one.
struct ChoiceList {
    QStringList items;
    int selected = 0;
    bool missingItem = false; // the last item stands for an endpoint that is not available

    bool operator==(const ChoiceList&) const = default;
};

// The two fixed items, the labels of the endpoints, and the selection: mode 0 or 1 selects
// a fixed item, mode 2 the endpoint with uid, or the extra missing item.
ChoiceList endpointChoices(const char* first, const char* second,
                           const QList<MidiEndpoint>& endpoints, int mode, qint32 uid,
                           const QString& storedLabel);

// Program and bank numbers as a 1-based device shows them: "PC 5 = 6 on a 1-based device".
// Values below 0 are left out; "" when none remains.
QString oneBasedHint(int msb, int lsb, int program);

// Row operations shared by the editors; rows carry an index field that is kept equal to
// their position.
template <class Row> void renumber(QList<Row>& rows)
{
    for (int i = 0; i < rows.size(); ++i)
        rows[i].index = i;
}

// The row selected after deleting row: the same index, or the new last row; -1 when empty.
inline int selectionAfterDelete(int row, int countAfter)
{
    if (countAfter <= 0)
        return -1;
    return row < countAfter ? row : countAfter - 1;
}

// Moves row one place up (delta -1) or down (+1); answers its new index, or -1 when it
// cannot move.
template <class Row> int moveRow(QList<Row>& rows, int row, int delta)
{
    const int to = row + delta;
    if (row < 0 || row >= rows.size() || to < 0 || to >= rows.size())
        return -1;
    rows.move(row, to);
    renumber(rows);
    return to;
}

} // namespace partivo
