#include "platform/JackServer.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QtGlobal>
#include <jack/jack.h>

namespace partivo {

namespace {

// libjack prints connection failures to stderr by default; a missing server is an
// expected answer here, so its chatter goes to a debug category that is off unless
// QT_LOGGING_RULES="partivo.jack.debug=true" turns it on.
Q_LOGGING_CATEGORY(lcJack, "partivo.jack", QtInfoMsg)

void quiet(const char* text)
{
    qCDebug(lcJack, "%s", text);
}

} // namespace

bool jackServerRunning(QString* why)
{
    // Nothing in this process may start a server behind the user's back, RtMidi included.
    qputenv("JACK_NO_START_SERVER", "1");
    jack_set_error_function(quiet);
    jack_set_info_function(quiet);
    jack_status_t status{};
    jack_client_t* probe = jack_client_open("Partivo probe", JackNoStartServer, &status);
    if (probe == nullptr) {
        if (why != nullptr) {
            *why = (status & JackServerFailed) != 0
                       ? QStringLiteral("no JACK server is running")
                       : QStringLiteral("the JACK server refused a client (status 0x%1)")
                             .arg(unsigned(status), 0, 16);
        }
        return false;
    }
    jack_client_close(probe);
    return true;
}

} // namespace partivo
