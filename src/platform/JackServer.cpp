#include "platform/JackServer.h"

#include <QByteArray>
#include <QtGlobal>
#include <jack/jack.h>

namespace partivo {

namespace {

// libjack prints connection failures to stderr by default; a missing server is an
// expected answer here, so its chatter goes to the debug log instead.
void quiet(const char* text)
{
    qDebug("jack: %s", text);
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
