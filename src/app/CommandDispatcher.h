#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QVariant>
#include <functional>

namespace partivo {

// The controller's commands as data: a table from key command number, and one from remote
// action name, to the handler that runs it. A command that reaches no handler, or whose
// subsystem is not there yet, is logged once per name with its parameter and otherwise
// ignored.
class CommandDispatcher {
public:
    using KeyHandler = std::function<void(int command)>;
    using ActionHandler = std::function<void(const QVariant& param)>;
    using LogSink = std::function<void(const QString& line)>;

    CommandDispatcher();

    // One row: the key command runs the handler. A later row for the same number replaces
    // the earlier one.
    void onKey(int command, KeyHandler handler);
    // The same handler for every number first..last.
    void onKeys(int first, int last, const KeyHandler& handler);
    void onAction(const QString& name, ActionHandler handler);
    // Rows whose handler comes with a part of the program not built yet: they log that
    // it is not available (once per number or name).
    void keyNotAvailable(int command, const QString& what);
    void actionNotAvailable(const QString& name, const QString& what);

    // Logs the line once per name.
    void logOnce(const QString& name, const QString& line);
    // Logs once that a part of the program is not there yet.
    void logNotAvailable(const QString& what, const QVariant& param);

    // Runs the handler; false (logged once) when there is none.
    bool dispatchKey(int command);
    bool dispatchAction(const QString& name, const QVariant& param);

    bool hasKey(int command) const { return keys_.contains(command); }
    bool hasAction(const QString& name) const { return actions_.contains(name); }
    QList<int> keyNumbers() const { return keys_.keys(); }

    // Where log lines go (the system log by default).
    void setLogSink(LogSink sink) { log_ = std::move(sink); }

private:
    QHash<int, KeyHandler> keys_;
    QHash<QString, ActionHandler> actions_;
    QSet<QString> logged_;
    LogSink log_;
};

// A parameter as text: a string as it is, a number in decimal, the "param" value of a map.
QString paramText(const QVariant& param);
// A parameter as an integer the way the commands read numbers: the leading digits of its
// text after optional spaces and a sign, 0 when there are none.
int paramInt(const QVariant& param);

} // namespace partivo
